// The columns of the voucher search list and the pictures of its rows.
#include "lookup/ColumnasComprobantes.h"

#include <vector>

#include "lookup/FrmConsComprobantes.h"
#include "numbering/Valores.h"
#include "platform/runtime/Text.h"

namespace lookup {

namespace {

struct Columna {
  const char* titulo;
  int ancho;  // in capital X of the window's font
  bool soloConReferencia = false;
};

const std::vector<Columna>& ColumnasDe(Diseno diseno) {
  static const std::vector<Columna> ventas = {
      {"FECHA", 13}, {"COMPROBANTE", 15}, {"ID", 5}, {"NOMBRE", 21}, {"Referencia", 21, true}, {"IMPORTE", 10}};
  static const std::vector<Columna> compras = {{"FECHA", 13},  {"COMPROBANTE", 15}, {"PROVEEDOR", 15},
                                               {"NOMBRE", 21}, {"CONCEPTO", 21},    {"IMPORTE", 10}};
  static const std::vector<Columna> presupuestos = {
      {"FECHA", 13}, {"COMPROBANTE", 15}, {"NOMBRE", 21}, {"ID", 5}, {"Referencia", 21, true}, {"IMPORTE", 10}};
  static const std::vector<Columna> terceros = {{"Nº Int.", 7}, {"FECHA", 13},    {"COMPROBANTE", 15},
                                                {"ID", 4},      {"FH Envio", 10}, {"FH Recep", 10}};
  static const std::vector<Columna> ordenes = {{"FECHA", 13},  {"PROVEEDOR", 13},   {"COMPROBANTE", 17},
                                               {"IMPORTE", 9}, {"COMENTARIOS", 15}, {"Inf. Recepción", 15}};
  static const std::vector<Columna> otro = {{"FECHA", 13},  {"COMPROBANTE", 15}, {"CUENTA", 15},
                                            {"NOMBRE", 21}, {"CONCEPTO", 21},    {"IMPORTE", 10}};
  switch (diseno) {
    case Diseno::Ventas: return ventas;
    case Diseno::Compras: return compras;
    case Diseno::Presupuestos: return presupuestos;
    case Diseno::Terceros: return terceros;
    case Diseno::OrdenesCompra: return ordenes;
    case Diseno::Otro: break;
  }
  return otro;
}

}  // namespace

Diseno DisenoDe(const QString& TC) {
  if (rt::OneOfText(TC, {"OT", "FC", "RM", "ND", "NC", "NCFP", "OP", "NP", "FP", "GF"})) return Diseno::Ventas;
  if (rt::OneOfText(TC, {"FCC", "NCC", "NCCP", "NDC", "RMC", "NCPE", "NDPR"})) return Diseno::Compras;
  if (rt::OneOfText(TC, {"PR"})) return Diseno::Presupuestos;
  if (rt::OneOfText(TC, {"T3"})) return Diseno::Terceros;
  if (rt::OneOfText(TC, {"OC"})) return Diseno::OrdenesCompra;
  return Diseno::Otro;
}

void FrmConsComprobantes::Encolumnar() {
  rt::StepRunner pasos = numbering::Trampa(QStringLiteral("Encolumnar"));
  if (!pasos.run([&] { ListView1.ColumnHeaders.Clear(); })) return;
  for (const Columna& c : ColumnasDe(DisenoDe(TC))) {
    if (c.soloConReferencia && !gUsaReferencia) continue;
    if (!pasos.run([&] {
          ListView1.ColumnHeaders.Add(QString(), QString::fromUtf8(c.titulo), TextWidth(QString(c.ancho, u'X')));
        }))
      return;
  }
}

int FrmConsComprobantes::ObtieneIndiceImagen(const QString& TC) const {
  const auto indice = [&](const QString& tag) {
    for (int i = 1; i <= ImageList1.ListImages.Count(); ++i)
      if (rt::EqualsText(rt::Trim(ImageList1.ListImages(i).Tag), rt::Trim(tag))) return i;
    return 0;
  };
  if (const int propia = indice(TC)) return propia;
  return indice(QStringLiteral("Generico"));
}

// The pictures drawn for the list, in the order of their indexes.
void FrmConsComprobantes::LlenaImagenes() {
  static const char* const imagenes[][2] = {
      {"PR", "presupuesto"}, {"Anulado", "anulado"},  {"Aprobado", "aprobado"}, {"FC", "factura"},
      {"NC", "credito"},     {"ND", "debito"},         {"OT", "orden_trabajo"}, {"Generico", "generico"},
      {"T3", "terceros"},    {"OC", "orden_compra"},   {"OCG", "orden_garantia"}};
  for (const auto& [tag, archivo] : imagenes)
    ImageList1.ListImages.Add(0, QString(), QStringLiteral(":/lookup/comprobantes/%1.png").arg(QLatin1String(archivo)),
                              QLatin1String(tag));
}

}  // namespace lookup
