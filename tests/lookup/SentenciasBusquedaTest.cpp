// The statements of the voucher search: type key, the caller's condition,
// the configuration of delivery notes and the two search boxes.
#include <gtest/gtest.h>

#include "lookup/SentenciasBusqueda.h"
#include "support/Printers.h"

namespace {

namespace busqueda = lookup::busqueda;

// The heads, up to the voucher type.
const QString A = " SELECT CUENTA , ANULADA, Nombre, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM C_RemitosPendientes "
                  "with(nolock) WHERE TC = '";
const QString B = " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM "
                  "V_RemitosPendientes with(nolock) WHERE TC = '";
const QString C = " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM V_MV_CPTE "
                  "with(nolock) WHERE TC = '";
const QString D = "SELECT * FROM MV_ASIENTOS  with(nolock)  WHERE TC = '";
const QString E = "SELECT * FROM C_MV_CPTE  with(nolock)  WHERE TC = '";
const QString F = " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, IDCOMPlemento,ID,FECHA, Importe FROM "
                  "V_OT_Pendientes with(nolock) WHERE TC = '";
const QString G = " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, IDCOMPlemento , ID,FECHA, Importe "
                  "FROM V_OT_Pendientes with(nolock) WHERE TC = '";
const QString H = " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, FechaPreparacion "
                  "FROM V_MV_CPTE  with(nolock)  WHERE TC = '";
const QString I = " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe,FechaPreparacion "
                  "FROM V_MV_CPTE with(nolock) WHERE TC = '";
const QString J = " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, comentarios FROM "
                  "V_MV_CPTE with(nolock) WHERE TC = '";
const QString K = " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, comentarios FROM "
                  "V_PR_PENDIENTES with(nolock)  WHERE TC = '";
const QString L = " SELECT FECHA, CUENTA , NOMBRE, ANULADA, APROBADO, TC,IDCOMPROBANTE, ID,Importe, comentarios, "
                  "Garantia FROM C_MV_CPTE  with(nolock) WHERE TC = '";
const QString M = "SELECT * FROM V_MV_CPTE  with(nolock)  WHERE TC = '";

const QString kDesc = " ORDER BY IDCOMPROBANTE DESC";
const QString kCuenta = "CUENTA = '112010001'";
const char* const kNombre = "Buscar por nombre...";
const char* const kNumero = "Buscar por Numero...";

struct Caso {
  const char* que;
  const char* clave;
  const char* filtro;
  QString sentencia;
  const char* tc = nullptr;            // the code written back; nullptr: the key itself
  bool pendientes = false;
  const char* nombre = kNombre;        // TxtNombre
  const char* numero = kNumero;        // TxtNumero
  bool remitoContado = false;          // UsaRemitoContado "SI"
  bool entregaParcial = false;         // EntregaParcialRemito "SI"
  const char* filtroDespues = nullptr; // nullptr: Filtro unchanged
};

const Caso kCasos[] = {
    // Purchase delivery notes, pending and not.
    {"remitos de compra pendientes", "RM/PENDIENTES_COMPRAS", "CUENTA = '211010001'",
     A + "RMC'  AND CUENTA = '211010001'" + kDesc, "RMC", true},
    {"remitos de compra pendientes sin condición: sin AND suelto", "RM/PENDIENTES_COMPRAS", "",
     A + "RMC' " + kDesc, "RMC", true},
    {"remitos de compra pendientes, condición en blanco", "RM/PENDIENTES_COMPRAS", "   ",
     A + "RMC'    " + kDesc, "RMC", true},
    {"RMC sin clave es una compra", "RMC", "", E + "RMC'" + kDesc, "RMC"},
    // Pending delivery notes by the two configuration keys.
    {"remitos pendientes, con condición y remito de contado", "rm/pendientes", "CUENTA = '112010001'",
     B + "RM'  AND " + kCuenta + kDesc, "RM", true, kNombre, kNumero, true},
    {"remitos pendientes, con condición", "RM/PENDIENTES", "CUENTA = '112010001'",
     C + "RM' AND " + kCuenta + "  AND FINALIZADA = 0" + kDesc, "RM", true, kNombre, kNumero, false, true},
    {"remitos pendientes, remito de contado sin entrega parcial", "RM/PENDIENTES", "", B + "RM'" + kDesc, "RM", true,
     kNombre, kNumero, true},
    {"remitos pendientes, remito de contado con entrega parcial", "RM/PENDIENTES", "",
     C + "RM' AND FINALIZADA = 0" + kDesc, "RM", true, kNombre, kNumero, true, true},
    {"remitos pendientes sin claves", "RM/PENDIENTES", "", C + "RM' AND FINALIZADA = 0" + kDesc, "RM", true},
    {"remitos pendientes por nombre", "RM/PENDIENTES", "",
     C + "RM'AND NOMBRE LIKE '%Pérez%'  AND FINALIZADA = 0" + kDesc, "RM", true, " Pérez "},
    {"RM sin clave: todos", "RM", "", M + "RM' ORDER BY IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC", "RM"},
    // Third parties take neither the boxes nor the condition.
    {"terceros", "T3", "CUENTA = '1'",
     "SELECT * FROM V_MV_CPTETERCEROS  with(nolock)  ORDER BY ID,IDCOMPROBANTE, IDCOMPLEMENTO", "T3", false, "Ana",
     "12"},
    // Supplier entries take the condition, not the boxes.
    {"notas de crédito de proveedor con condición", "NCPE", "CUENTA = '211010001'",
     D + "NCPE' AND CUENTA = '211010001' ORDER BY SUCURSAL, NUMERO, LETRA DESC ", "NCPE", false, "Ana"},
    {"notas de débito de proveedor", "ndpr", "", D + "ndpr' AND SECUENCIA = 1 ORDER BY SUCURSAL, NUMERO, LETRA DESC",
     "ndpr", false, "Ana"},
    // Purchase vouchers.
    {"facturas de compra con condición", "FCC", "CUENTA = '211010001'",
     E + "FCC'AND NOMBRE LIKE '%Sur%'  AND CUENTA = '211010001'" + kDesc + " ", "FCC", false, "Sur"},
    {"notas de crédito de compra por número", "NCC", "", E + "NCC'AND IDCOMPROBANTE LIKE '%0012%' " + kDesc, "NCC",
     false, kNombre, " 0012 "},
    // Work orders.
    {"órdenes pendientes con condición", "OT/PENDIENTES", "CUENTA = '112010001'",
     F + "OT' AND " + kCuenta + kDesc, "OT", true},
    {"órdenes pendientes sin condición: sin AND suelto", "OT/PENDIENTES", "", F + "OT'" + kDesc, "OT", true},
    {"órdenes con condición", "OT", "CUENTA = '112010001'", G + "OT' AND " + kCuenta + kDesc, "OT"},
    {"órdenes", "ot", "", G + "ot' " + kDesc, "ot"},
    // Orders, pending.
    {"pedidos pendientes con condición", "NP/PENDIENTES", "CUENTA = '112010001'",
     H + "NP' AND " + kCuenta + " AND FINALIZADA = 0 and anulada = 0" + kDesc, "NP", true},
    {"pedidos pendientes", "NP/PENDIENTES", "", I + "NP' AND FINALIZADA = 0 and anulada = 0" + kDesc, "NP", true},
    {"NP sin clave: todos", "NP", "", M + "NP' ORDER BY IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC", "NP"},
    // Budgets, pending.
    {"presupuestos pendientes con condición", "PR/PENDIENTES", "CUENTA = '112010001'",
     J + "PR' AND APROBADO = 1 AND " + kCuenta + " AND FINALIZADA = 0" + kDesc, "PR", true},
    {"presupuestos pendientes", "PR/PENDIENTES", "", K + "PR' AND APROBADO = 1" + kDesc, "PR", true},
    // Purchase orders: a leading WHERE goes, and stays gone.
    {"órdenes de compra con WHERE", "OC", "WHERE CUENTA = '211010001'",
     L + "OC' AND (APROBADO = 1) AND (FINALIZADO = 0) AND (ANULADA = 0) AND  CUENTA = '211010001'" + kDesc, "OC",
     false, kNombre, kNumero, false, false, " CUENTA = '211010001'"},
    {"órdenes de compra, where en minúsculas y blancos delante", "oc", "  where(CUENTA = '211010001')",
     L + "oc' AND (APROBADO = 1) AND (FINALIZADO = 0) AND (ANULADA = 0) AND   (CUENTA = '211010001')" + kDesc, "oc",
     false, kNombre, kNumero, false, false, "  (CUENTA = '211010001')"},
    {"órdenes de compra: WHERE dentro de una palabra se queda", "OC", "CUENTA IN (SELECT C FROM SOMEWHERE)",
     L + "OC' AND (APROBADO = 1) AND (FINALIZADO = 0) AND (ANULADA = 0) AND CUENTA IN (SELECT C FROM SOMEWHERE)" +
         kDesc,
     "OC"},
    {"órdenes de compra: una palabra que empieza con where se queda", "OC", "WHEREVER = 1",
     L + "OC' AND (APROBADO = 1) AND (FINALIZADO = 0) AND (ANULADA = 0) AND WHEREVER = 1" + kDesc, "OC"},
    {"órdenes de compra: WHERE solo queda vacío, sin AND", "OC", " WHERE ",
     L + "OC' AND (APROBADO = 1) AND (FINALIZADO = 0) AND (ANULADA = 0)  " + kDesc, "OC", false, kNombre, kNumero,
     false, false, "  "},
    {"órdenes de compra por nombre", "OC", "",
     L + "OC'AND NOMBRE LIKE '%Sur%'  AND (APROBADO = 1) AND (FINALIZADO = 0) AND (ANULADA = 0)" + kDesc, "OC", false,
     "Sur"},
    // Pending cash invoices: the boxes after the condition.
    {"facturas de contado pendientes", "FP/PENDIENTES", "where CUENTA = '112010001'",
     C + "FP'  AND  " + kCuenta + " AND NOMBRE LIKE '%Ana%'   AND FINALIZADA = 0" + kDesc, "FP", false, "Ana",
     kNumero, false, false, " CUENTA = '112010001'"},
    {"FP sin condición", "FP", "", C + "FP'    AND FINALIZADA = 0" + kDesc, "FP"},
    // Any other type: all of it, by number and complement.
    {"anticipos: las facturas", "FC/ANTICIPOS", "CUENTA = '112010001'",
     M + "FC' AND " + kCuenta + " ORDER BY  IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC  ", "FC"},
    {"facturas con condición", "FC", "CUENTA = '112010001'",
     M + "FC' AND " + kCuenta + " ORDER BY  IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC  ", "FC"},
    {"WHERE fuera de OC y FP se queda", "FC", "WHERE X = 1",
     M + "FC' AND WHERE X = 1 ORDER BY  IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC  ", "FC"},
    {"condición en blanco", "FC", "   ", M + "FC' ORDER BY IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC", "FC"},
    {"tipo desconocido", "AJP", "", M + "AJP' ORDER BY IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC", "AJP"},
    // The two boxes.
    {"los avisos de las cajas, en cualquier caja de letra", "FC", "",
     M + "FC' ORDER BY IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC", "FC", false, "BUSCAR POR NOMBRE...",
     "buscar por numero..."},
    {"cajas vacías", "FC", "", M + "FC' ORDER BY IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC", "FC", false, "", ""},
    {"nombre y número a la vez", "FC", "",
     M + "FC'AND NOMBRE LIKE '%Ana%' AND IDCOMPROBANTE LIKE '%0001%'  ORDER BY IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC",
     "FC", false, "Ana", "0001"},
    {"un apóstrofo en el nombre y en el número se duplica", "FC", "",
     M + "FC'AND NOMBRE LIKE '%O''Brien%' AND IDCOMPROBANTE LIKE '%1'' OR ''1%'  ORDER BY IDCOMPROBANTE DESC, "
         "IDCOMPLEMENTO ASC",
     "FC", false, "O'Brien", "1' OR '1"},
    {"los comodines quedan", "FC", "", M + "FC'AND NOMBRE LIKE '%A_a%%'  ORDER BY IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC",
     "FC", false, "A_a%"},
    {"un apóstrofo en el tipo se duplica", "F'C", "", M + "F''C' ORDER BY IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC", "F'C"},
};

TEST(SentenciasBusqueda, EveryTypeKeyConditionConfigurationAndBox) {
  for (const Caso& c : kCasos) {
    SCOPED_TRACE(c.que);
    const busqueda::Tipo tipo = busqueda::DeClave(QString::fromUtf8(c.clave));
    EXPECT_EQ(tipo.TC, QString::fromUtf8(c.tc ? c.tc : c.clave));
    EXPECT_EQ(tipo.Pendientes, c.pendientes);
    QString filtro = QString::fromUtf8(c.filtro);
    const QString busq = busqueda::Fragmento(QString::fromUtf8(c.nombre), QString::fromUtf8(c.numero));
    EXPECT_EQ(busqueda::Sentencia(tipo, filtro, busq, {c.remitoContado, c.entregaParcial}), c.sentencia);
    EXPECT_EQ(filtro, QString::fromUtf8(c.filtroDespues ? c.filtroDespues : c.filtro));
  }
}

TEST(SentenciasBusqueda, TypeKeysWhateverTheirCase) {
  const struct {
    const char* clave;
    const char* tc;
    bool pendientes;
  } claves[] = {{"RM/PENDIENTES", "RM", true},         {"Np/Pendientes", "NP", true}, {"ot/pendientes", "OT", true},
                {"RM/PENDIENTES_COMPRAS", "RMC", true}, {"PR/PENDIENTES", "PR", true}, {"fc/anticipos", "FC", false},
                {"FP/PENDIENTES", "FP", false},         {"RM/PENDIENTE", "RM/PENDIENTE", false},
                {" RM/PENDIENTES", " RM/PENDIENTES", false}, {"", "", false}};
  for (const auto& c : claves) {
    SCOPED_TRACE(c.clave);
    const busqueda::Tipo tipo = busqueda::DeClave(c.clave);
    EXPECT_EQ(tipo.TC, c.tc);
    EXPECT_EQ(tipo.Pendientes, c.pendientes);
  }
}

TEST(SentenciasBusqueda, TheReceiptOfAPurchaseOrder) {
  EXPECT_EQ(busqueda::CondicionRecepcion("000100000012A"),
            " TC = 'IR' AND TC_ORIGEN = 'OC' AND IDCOMPROBANTE_ORIGEN ='000100000012A'");
  EXPECT_EQ(busqueda::CondicionRecepcion("0001'0000012"),
            " TC = 'IR' AND TC_ORIGEN = 'OC' AND IDCOMPROBANTE_ORIGEN ='0001''0000012'");
}

}  // namespace
