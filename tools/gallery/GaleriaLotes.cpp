#include "GaleriaLotes.h"

#include "DemoLots.h"
#include "VentanaComprobante.h"
#include "numbering/ColumnasGrillas.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "vouchers/ClsCmnCptes.h"

namespace galeria {

namespace {

namespace a = numbering::articulos;

// A text between guillemets, the lot-serial joint shown as "ÿ".
QString dicho(const QString& texto) { return QStringLiteral("«") + texto + QStringLiteral("»"); }

// The voucher window of type TC, with its sample lines, and a line of each
// reference added after them; the last of them is the line asked about.
struct Renglon {
  Renglon(const QString& TC, const std::vector<const char*>& referencias) {
    ventana.Muestra(TC);
    for (const char* referencia : referencias) {
      ventana.AgregaArticulo(QString::fromUtf8(referencia));
      filas.push_back(ventana.MSFlexGrid2.Rows() - 2);
    }
    fila = filas.back();
  }
  QString celda(int columna) const { return ventana.MSFlexGrid2.TextMatrix(fila, columna); }
  void escribe(int columna, const QString& texto) { ventana.MSFlexGrid2.setTextMatrix(fila, columna, texto); }

  demo::VentanaComprobante ventana;
  vouchers::ClsCmnCptes cpte;
  std::vector<int> filas;  // the grid row of each reference
  int fila = 0;
};

Ventana carga(const char* titulo, const char* referencia, bool serie, bool lote) {
  return {QString::fromUtf8(titulo), [=] {
            Renglon r(QStringLiteral("FCC"), {referencia});
            QString series, lotes;
            r.cpte.PideSerieLote(r.celda(a::IdArticulo), suite::gUtilidades().TextoADoble(r.celda(a::Cantidad)), QString(), QString(), series,
                                 lotes, serie, lote);
            r.escribe(a::NroSerie, series);
            r.escribe(a::NroLote, lotes);
            return QStringLiteral("SerieNvo: ") + dicho(series) + QStringLiteral("\r\nLoteNvo: ") + dicho(lotes);
          }};
}

Ventana eleccion(const char* titulo, std::vector<const char*> referencias, bool serie, bool lote,
                 const QString& paresOtroRenglon = QString(), const QString& cantidadesOtroRenglon = QString()) {
  return {QString::fromUtf8(titulo), [=] {
            Renglon r(QStringLiteral("FC"), referencias);
            // The line of the first reference already took its part.
            if (!paresOtroRenglon.isEmpty()) {
              r.ventana.MSFlexGrid2.setTextMatrix(r.filas.front(), a::NroLote, paresOtroRenglon);
              r.ventana.MSFlexGrid2.setTextMatrix(r.filas.front(), a::NroSerie, cantidadesOtroRenglon);
            }
            QString pares, cantidades, deposito = QString::fromLatin1(demo::kDepositoLotes);
            double cantidad = suite::gUtilidades().TextoADoble(r.celda(a::Cantidad));
            r.cpte.PideSerieLote_Salidas(r.ventana.MSFlexGrid2, r.celda(a::IdArticulo), r.celda(a::Descripcion), cantidad,
                                         r.celda(a::NroLote), r.celda(a::NroSerie), pares, cantidades, lote, serie, false,
                                         &deposito);
            return QStringLiteral("SeriesLoteNvo: ") + dicho(pares) + QStringLiteral("\r\nCantidadesNVO: ") +
                   dicho(cantidades) + QStringLiteral("\r\nCantidad: ") + rt::NumberText(cantidad) +
                   QStringLiteral("\r\nDeposito: ") + dicho(deposito);
          }};
}

// The quantity of a line spread over the storage positions (and lots) of
// deposit 1, in the line's unit.
Ventana posiciones(const char* titulo, const char* referencia, const char* unidad, bool posicion, bool lote) {
  return {QString::fromUtf8(titulo), [=] {
            Renglon r(QStringLiteral("AJP"), {referencia});
            r.escribe(a::IdUnidad, QString::fromLatin1(unidad));
            QString lista, lotes;
            double cantidad = suite::gUtilidades().TextoADoble(r.celda(a::Cantidad));
            r.cpte.PidePosicionLote(r.celda(a::IdArticulo), r.celda(a::IdUnidad), cantidad,
                                    rt::Trim(QString::fromLatin1(demo::kDepositoLotes)), QString(), QString(), lista,
                                    lotes, posicion, lote);
            return QStringLiteral("PosicionNVO: ") + dicho(lista) + QStringLiteral("\r\nLoteNvo: ") + dicho(lotes) +
                   QStringLiteral("\r\nCantidad: ") + rt::NumberText(cantidad);
          }};
}

}  // namespace

std::vector<Ventana> VentanasLotes() {
  const QString y = QString(rt::Chr(255));
  return {
      carga("Series y lotes que ingresan (PideSerieLote)", "4*NOTEBOOK-14", true, true),
      carga("Lotes que ingresan (PideSerieLote)", "3*VINO-MALBEC-750", false, true),
      eleccion("Lotes que egresan (PideSerieLote_Salidas)", {"6*VINO-MALBEC-750", "40*VINO-MALBEC-750"}, false, true,
               "|L2302" + y + "|", "|6|"),
      eleccion("Series y lotes que egresan (PideSerieLote_Salidas)", {"2*NOTEBOOK-14"}, true, true),
      posiciones("Posiciones y lotes, en cajas (PidePosicionLote)", "9*ACEITE-GIRASOL-900", "CAJ", true, true),
      posiciones("Posiciones (PidePosicionLote)", "30*ACEITE-GIRASOL-900", "UN", true, false),
      posiciones("Lotes sin posición (PidePosicionLote)", "30*ACEITE-GIRASOL-900", "UN", false, true),
  };
}

}  // namespace galeria
