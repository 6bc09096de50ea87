#include "DemoBusqueda.h"

#include <QString>

#include "FilasDemo.h"
#include "platform/ado/Connection.h"

namespace demo {

namespace {

struct Venta {
  const char* tc;
  const char* numero;
  const char* complemento;
  const char* cuenta;
  const char* nombre;
  const char* fecha;
  const char* importe;
  bool anulada, aprobado, finalizada;
  const char* preparacion;  // FechaPreparacion
  const char* comentarios;
};

const Venta kVentas[] = {
    {"FC", "001000000101A", "0", "112010007", "La Esquina de Godoy Cruz", "2024-03-01", "18500.5", false, false, false,
     nullptr, nullptr},
    {"FC", "001000000102A", "0", "112010012", "Parrilla Don Ramón", "2024-03-02", "7340", true, false, false, nullptr,
     nullptr},
    {"FC", "001000000103B", "0", "112010021", "Café Güemes", "2024-03-04", "2210.75", false, true, false, nullptr,
     nullptr},
    {"FC", "001000000104A", "1", "112010033", "Pizzería Roma", "2024-03-05", "9960", false, false, false, nullptr,
     nullptr},
    {"RM", "001000000201R", "0", "112010007", "La Esquina de Godoy Cruz", "2024-03-06", "0", false, false, false,
     nullptr, nullptr},
    {"RM", "001000000202R", "0", "112010021", "Café Güemes", "2024-03-07", "0", false, false, false, nullptr, nullptr},
    {"RM", "001000000203R", "0", "112010012", "Parrilla Don Ramón", "2024-03-08", "0", false, false, true, nullptr,
     nullptr},
    {"NP", "001000000301A", "0", "112010033", "Pizzería Roma", "2024-03-08", "12400", false, false, false,
     "2024-03-09", nullptr},
    {"NP", "001000000302A", "0", "112010007", "La Esquina de Godoy Cruz", "2024-03-09", "5300", false, false, false,
     nullptr, nullptr},
    {"NP", "001000000303A", "0", "112010021", "Café Güemes", "2024-03-10", "880", false, false, true, "2024-03-10",
     nullptr},
    {"PR", "001000000401A", "0", "112010012", "Parrilla Don Ramón", "2024-03-11", "45000", false, true, false, nullptr,
     "Cumpleaños de 40 cubiertos"},
    {"PR", "001000000402A", "0", "112010033", "Pizzería Roma", "2024-03-12", "15800", false, false, false, nullptr,
     "Horno a leña"},
    {"PR", "001000000403A", "0", "112010007", "La Esquina de Godoy Cruz", "2024-03-13", "3200", true, false, false,
     nullptr, nullptr},
    {"OT", "001000000501A", "2", "112010021", "Café Güemes", "2024-03-14", "6500", false, false, false, nullptr,
     "Service de la cafetera"},
    {"OT", "001000000502A", "0", "112010012", "Parrilla Don Ramón", "2024-03-15", "2100", false, false, true, nullptr,
     nullptr},
    {"NC", "001000000601A", "0", "112010007", "La Esquina de Godoy Cruz", "2024-03-16", "1200", false, false, false,
     nullptr, nullptr},
    {"ND", "001000000701A", "0", "112010033", "Pizzería Roma", "2024-03-16", "450", false, false, false, nullptr,
     nullptr},
};

struct Compra {
  const char* tc;
  const char* numero;
  const char* cuenta;
  const char* nombre;
  const char* fecha;
  const char* importe;
  bool anulada, aprobado, finalizado;
  const char* comentarios;
  const char* garantia;
};

const Compra kCompras[] = {
    {"FCC", "000200000871A", "211010001", "Distribuidora Cuyo S.A.", "2024-02-20", "153200", false, true, false, nullptr,
     nullptr},
    {"FCC", "000200000872A", "211010002", "Embotelladora Andina S.R.L.", "2024-02-22", "48210.4", true, true, false, nullptr,
     nullptr},
    {"FCC", "000500001204B", "211010003", "Lácteos del Valle", "2024-02-25", "86000", false, true, false, nullptr, nullptr},
    {"OC", "000100000051X", "211010001", "Distribuidora Cuyo S.A.", "2024-03-01", "96000", false, true, false,
     "Entrega en depósito central", nullptr},
    {"OC", "000100000052X", "211010003", "Lácteos del Valle", "2024-03-03", "120500", false, true, false,
     "Cambio por rotura", "SI"},
    {"OC", "000100000053X", "211010002", "Embotelladora Andina S.R.L.", "2024-03-04", "37800", false, true, false, nullptr,
     nullptr},
    {"OC", "000100000054X", "211010001", "Distribuidora Cuyo S.A.", "2024-03-05", "12000", false, false, false,
     "Sin aprobar", nullptr},
};

QString Bit(bool valor) { return valor ? QStringLiteral("1") : QStringLiteral("0"); }

}  // namespace

void LlenaComprobantesBusqueda(ado::Connection& cn) {
  for (const Venta& v : kVentas)
    SiFalta(cn, "V_MV_CPTE",
            QStringLiteral("TC = %1 AND IdComprobante = %2 AND IdComplemento = %3")
                .arg(Texto(v.tc), Texto(v.numero), Texto(v.complemento)),
            QStringLiteral("INSERT INTO V_MV_CPTE (TC, IdComprobante, IdComplemento, Cuenta, Nombre, Fecha, Importe, "
                           "ANULADA, APROBADO, FINALIZADA, FechaPreparacion, comentarios) VALUES (%1, %2, %3, %4, %5, "
                           "%6, %7, %8, %9, %10, %11, %12)")
                .arg(Texto(v.tc), Texto(v.numero), Texto(v.complemento), Texto(v.cuenta), Texto(v.nombre),
                     Texto(v.fecha), QString::fromLatin1(v.importe), Bit(v.anulada), Bit(v.aprobado))
                .arg(Bit(v.finalizada), Texto(v.preparacion), Texto(v.comentarios)));

  for (const Compra& c : kCompras) {
    const QString numero = QString::fromLatin1(c.numero);
    SiFalta(cn, "C_MV_CPTE",
            QStringLiteral("TC = %1 AND IDCOMPROBANTE = %2 AND CUENTA = %3").arg(Texto(c.tc), Texto(numero), Texto(c.cuenta)),
            QStringLiteral("INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, SUCURSAL, NUMERO, LETRA, CUENTA, NOMBRE, FECHA, "
                           "Importe, ANULADA, APROBADO, FINALIZADO, comentarios, Garantia) VALUES (%1, %2, %3, %4, %5, "
                           "%6, %7, %8, %9, %10, %11, %12, %13, %14)")
                .arg(Texto(c.tc), Texto(numero), Texto(numero.left(4)), Texto(numero.mid(4, 8)), Texto(numero.right(1)),
                     Texto(c.cuenta), Texto(c.nombre), Texto(c.fecha), QString::fromLatin1(c.importe))
                .arg(Bit(c.anulada), Bit(c.aprobado), Bit(c.finalizado), Texto(c.comentarios), Texto(c.garantia)));
  }

  // The receipt of the first purchase order: a line of olive oil into the
  // main deposit.
  SiFalta(cn, "V_MV_STOCK", "TC = 'IR' AND IdComprobante = '000100000901R'",
          "INSERT INTO V_MV_STOCK (TC, IdComprobante, IdComplemento, Secuencia, Fecha, IdDeposito, IdArticulo, "
          "Descripcion, IdUnidad, Cantidad, CuentaProveedor, Tc_Origen, IdComprobante_Origen) VALUES ('IR', "
          "'000100000901R', 0, 1, '2024-03-02', '   1', 'ACEITE-OLIVA', 'Aceite de oliva extra virgen 1 l', 'UN', 12, "
          "'211010001', 'OC', '000100000051X')");

  const char* const terceros[][6] = {
      {"1", "FC", "2024-03-01", "001000000101A", "2024-03-02", "2024-03-06"},
      {"2", "FC", "2024-03-04", "001000000103B", "2024-03-05", nullptr},
  };
  for (const auto& [id, tc, fecha, numero, enviado, recibido] : terceros)
    SiFalta(cn, "V_MV_CPTETERCEROS", QStringLiteral("ID = %1").arg(QString::fromLatin1(id)),
            QStringLiteral("INSERT INTO V_MV_CPTETERCEROS (ID, TC, Fecha, IdComprobante, IdComplemento, FECHAENVIADO, "
                           "FECHARECIBIDO) VALUES (%1, %2, %3, %4, '0', %5, %6)")
                .arg(QString::fromLatin1(id), Texto(tc), Texto(fecha), Texto(numero), Texto(enviado),
                     Texto(recibido)));
}

}  // namespace demo
