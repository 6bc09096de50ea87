// The voucher loader's frame: its arguments and state, the four statements,
// the loading loop of the three grids, the task and other-concept rows and
// the hand-back of the header.
//
// Decisions taken here:
// - A voucher whose header has no row is not stored: no line of it is
//   loaded (its lines, if any, would miss the exchange rate and VAT
//   condition of a header) and the grids stay untouched. IdRepartoRM then
//   reads the missing IdReparto as Null (0); LrcsCpte receives the empty
//   header, so the caller can tell.
// - The first line of a section goes into a new row when the grid's last
//   row already holds a line (its column 0 is not blank), in all three
//   grids, so a load never writes over a line.
// - A failing test or move of a line set (BOF, EOF, MoveNext) answered
//   "go on" ends that section, with the grid's entry row below what it
//   loaded.
#include "vouchers/CargaComprobante.h"

#include "core/Configuration.h"
#include "core/Formatting.h"
#include "data_access/DataAccessState.h"
#include "numbering/ColumnasGrillas.h"
#include "numbering/Valores.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/FlexGrid.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/LineasCargadas.h"
#include "vouchers/SentenciasCarga.h"

namespace vouchers {

void ClsCmnCptes::AsignarDatosComprobante(const QString& TC, const QString& SucNroLetra, const QString& IdComplemento,
                                          ui::FlexGrid& MSFlexGrid1, ui::FlexGrid& MSFlexGrid2,
                                          ui::FlexGrid& MSFlexGrid3, bool /*Inicializar*/, ado::Recordset* LrcsCpte,
                                          bool Compras, const QString& Proveedor, int16_t* IdRepartoRM,
                                          bool ConvertirMoneda, const QString& WhrTareas) {
  const carga::Argumentos argumentos{TC,       SucNroLetra, IdComplemento, MSFlexGrid1, MSFlexGrid2,     MSFlexGrid3,
                                     LrcsCpte, Compras,     Proveedor,     IdRepartoRM, ConvertirMoneda, WhrTareas};
  carga::CargaComprobante(*this, argumentos).Carga();
}

namespace carga {

using data_access::gDB;

PasosCarga::PasosCarga(const QString& rutina)
    : runner_([rutina](const rt::Error& e) { return suite::gUtilidades().DialogoError(e, rutina); }) {}

CargaComprobante::CargaComprobante(ClsCmnCptes& clase, const Argumentos& a)
    : clase_(clase), a_(a), pasos_(QStringLiteral("AsignarDatosComprobante")), consolidacion_(pasos_) {}

void CargaComprobante::Carga() {
  try {
    cargaTodo();
  } catch (const Salida&) {
    // Left at the operator's answer: the grids keep what was loaded.
  }
}

void CargaComprobante::cargaTodo() {
  suite::Utilidades& util = suite::gUtilidades();
  const QString SI = QStringLiteral("SI");
  pasos_([&] { descargaStockRemitos_ = rt::EqualsText(core::Cfg(QStringLiteral("DescargaStockRemitos")), SI); });
  devolucion_ = a_.IdRepartoRM && *a_.IdRepartoRM == -98;
  pasos_([&] { entregaParcial_ = core::ValorLogico(core::Cfg(QStringLiteral("EntregaParcialRemito")), true); });
  prefijo_ = a_.Compras ? QStringLiteral("C_") : QStringLiteral("V_");
  pasos_([&] {
    condicion_ = sentencia::CondicionComprobante(util.RellenaCodigo(rt::Trim(a_.TC), 4), rt::Trim(a_.SucNroLetra),
                                                 a_.IdComplemento, a_.Compras, a_.Proveedor);
  });
  pasos_([&] {
    const rt::Variant sistema =
        gDB().DatosTabla(QStringLiteral("V_TA_CPTE"), a_.TC, QStringLiteral("SISTEMA"), QStringLiteral("Codigo"), 8);
    esCompras_ = rt::EqualsText(sistema.toStringOrEmpty(), QStringLiteral("COMPRAS"));
  });

  pasos_([&] { gDB().AbrirRecordset(sentencia::CabeceraComprobante(prefijo_, condicion_), cabecera_); });
  bool guardado = false;
  pasos_([&] { guardado = !cabecera_.BOF(); });
  if (guardado) {
    pasos_([&] { gDB().AbrirRecordset(sentencia::TareasComprobante(prefijo_, condicion_, a_.WhrTareas), tareas_); });
    pasos_([&] {
      gDB().AbrirRecordset(
          sentencia::ArticulosComprobante(prefijo_, condicion_, rt::EqualsText(a_.TC, QStringLiteral("NP"))),
          articulos_);
    });
    pasos_([&] { gDB().AbrirRecordset(sentencia::OtrosConceptosComprobante(prefijo_, condicion_), otros_); });
  }
  if (!esCompras_ && a_.IdRepartoRM) {
    pasos_([&] {
      const rt::Variant reparto = guardado ? valor(cabecera_, "IdReparto") : rt::Variant::null();
      *a_.IdRepartoRM = rt::CInt(numbering::NumeroInicial(reparto));
    });
  }

  if (guardado) {
    cargaLineas(tareas_, a_.MSFlexGrid1, &CargaComprobante::LlenaFilaTarea);
    cargaLineas(articulos_, a_.MSFlexGrid2, &CargaComprobante::LlenaFilaArticulo);
    cargaLineas(otros_, a_.MSFlexGrid3, &CargaComprobante::LlenaFilaOtroConcepto);
  }

  if (a_.LrcsCpte) *a_.LrcsCpte = std::move(cabecera_);
  for (ado::Recordset* rs : {&tareas_, &articulos_, &otros_}) pasos_([&] { gDB().CierraRecordset(*rs); });
}

void CargaComprobante::cargaLineas(ado::Recordset& rs, ui::FlexGrid& grilla, void (CargaComprobante::*llenaFila)()) {
  bool vacio = true;
  if (!pasos_([&] { vacio = rs.BOF(); }) || vacio) return;
  bool cargo = false;
  for (;;) {
    bool fin = true;
    if (!pasos_([&] { fin = rs.EOF(); }) || fin) break;
    pasos_([&] {
      if (cargo || EsLineaCargada(grilla, fila(grilla))) grilla.setRows(grilla.Rows() + 1);
    });
    cargo = true;
    (this->*llenaFila)();
    if (!pasos_([&] { rs.MoveNext(); })) break;
  }
  if (cargo) pasos_([&] { grilla.setRows(grilla.Rows() + 1); });
}

void CargaComprobante::LlenaFilaTarea() {
  namespace t = numbering::tareas;
  ui::FlexGrid& g = a_.MSFlexGrid1;
  const auto importe = [&](const char* campo) { return core::FmtMoneda(rt::Trim(convertido(tareas_, campo)), -1); };
  copia(g, t::Codigo, tareas_, "IdTarea");
  copia(g, t::CodigoOriginal, tareas_, "IdTarea");
  copia(g, t::Descripcion, tareas_, "Descripcion");
  escribe(g, t::Cantidad, [&] {
    int32_t horas = 0, minutos = 0;
    return core::MinutosAHoras(texto(tareas_, "Horas"), horas, minutos);
  });
  escribe(g, t::Importe, [&] { return importe("ValorHora"); });
  escribe(g, t::ImporteSinIVA, [&] { return importe("valorHora_S_Iva"); });
  escribe(g, t::Total, [&] { return importe("Total"); });
  if (a_.Compras) return;
  copia(g, t::ObservAdic, tareas_, "descripcionadicional");
  copia(g, t::FechaInicio, tareas_, "FechaEstInicio");
  copia(g, t::FechaFin, tareas_, "FechaEstFin");
  copia(g, t::IdTecnico, tareas_, "IdTecnico");
  copia(g, t::FechaRealInicio, tareas_, "FechaREALInicio");
  copia(g, t::FechaRealFin, tareas_, "FechaREALFin");
  escribe(g, t::Prioridad, [&] { return rt::NumberText(rt::Val(texto(tareas_, "Prioridad"))); });
  escribe(g, t::Usuario, [&] { return rt::NumberText(rt::Val(texto(tareas_, "Usuario"))); });
  const auto sinRecortar = [&](const char* campo) {
    return suite::gUtilidades().ValorCampo(valor(tareas_, campo)).toString();
  };
  escribe(g, t::FhPresentacion, [&] { return sinRecortar("FHPRESENTACION"); });
  escribe(g, t::FhEmision, [&] { return sinRecortar("FHEMISION"); });
  escribe(g, t::NroExp, [&] { return sinRecortar("NROEXP"); });
  escribe(g, t::FhEntrega, [&] { return sinRecortar("FhEntrega"); });
}

void CargaComprobante::LlenaFilaOtroConcepto() {
  ui::FlexGrid& g = a_.MSFlexGrid3;
  copia(g, numbering::otros::Detalle, otros_, "Observacion");
  escribe(g, numbering::otros::Importe, [&] { return core::FmtMoneda(rt::Trim(convertido(otros_, "Importe")), -1); });
  escribe(g, numbering::otros::ImporteSinIVA, [&] { return core::FmtMoneda(rt::Trim(convertido(otros_, "Importe_S_IVA")), -1); });
}

// ---- Cells and fields.

void CargaComprobante::copia(ui::FlexGrid& grilla, int columna, ado::Recordset& rs, const char* campo) {
  escribe(grilla, columna, [&] { return texto(rs, campo); });
}

int CargaComprobante::fila(const ui::FlexGrid& grilla) { return grilla.Rows() - 1; }

rt::Variant CargaComprobante::valor(ado::Recordset& rs, const char* campo) { return rs[QLatin1String(campo)].Value(); }

QString CargaComprobante::texto(ado::Recordset& rs, const char* campo) {
  return rt::Trim(valor(rs, campo).toStringOrEmpty());
}

rt::Currency CargaComprobante::monto(ado::Recordset& rs, const char* campo) {
  return suite::gUtilidades().ValorCampo(valor(rs, campo)).toCurrency();
}

double CargaComprobante::numero(ado::Recordset& rs, const char* campo) {
  return suite::gUtilidades().ValorCampo(valor(rs, campo)).toDouble();
}

rt::Currency CargaComprobante::convierte(rt::Currency importe) { return importe * monto(cabecera_, "Cotizacion"); }

QString CargaComprobante::convertido(ado::Recordset& rs, const char* campo) {
  if (!a_.ConvertirMoneda) return texto(rs, campo);
  return rt::Variant(convierte(monto(rs, campo))).toString();
}

bool CargaComprobante::entregaPorReparto() {
  const rt::Variant reparto = valor(cabecera_, "IdReparto");
  return !reparto.isNull() && !reparto.isEmpty() && reparto.toDouble() == -1;
}

}  // namespace carga
}  // namespace vouchers
