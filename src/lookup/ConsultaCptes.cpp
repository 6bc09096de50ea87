// The search of the voucher window: the statement for the type, the rows
// it finds into the list, one at a time, letting events run after each.
#include "core/Configuration.h"
#include "core/FormStyle.h"
#include "core/Formatting.h"
#include "data_access/DataAccessState.h"
#include "lookup/ColumnasComprobantes.h"
#include "lookup/FrmConsComprobantes.h"
#include "lookup/SentenciasBusqueda.h"
#include "platform/ado/Constants.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/Host.h"

namespace lookup {

namespace {

using data_access::gDB;

bool EsSi(const QString& clave) { return rt::EqualsText(core::Cfg(clave), QStringLiteral("SI")); }

// A flag field is set when it holds true, a number other than 0, or a text
// that reads as true ("1", "SI", "S", "TRUE", "VERDADERO", any case); Null
// and anything else is not set.
bool Marcado(const rt::Variant& valor) {
  if (valor.isNull() || valor.isEmpty()) return false;
  if (!valor.isString()) return valor.isNumeric() && valor.toDouble() != 0;
  const QString texto = rt::Trim(valor.toString());
  if (std::optional<double> numero = rt::ParseNumber(texto)) return *numero != 0;
  return core::ValorLogico(texto, false);
}

}  // namespace

void FrmConsComprobantes::ConsultaCptes() {
  if (buscando_) return;
  buscando_ = true;
  rt::StepRunner pasos([](const rt::Error& e) { return gDB().TratamientoErrores(e); });
  Busca(pasos);
  buscando_ = false;
  pasos.run([&] { gDB().CierraRecordset(rs_); });
  const Pedido pedido = pedido_;
  pedido_ = Pedido::Ninguno;
  if (pedido == Pedido::Aceptar) Seleccion();
  if (pedido == Pedido::Cerrar) Unload();
}

void FrmConsComprobantes::Busca(rt::StepRunner& pasos) {
  if (!pasos.run([&] {
        ListView1.ListItems.Clear();
        ListView1.MultiSelect = false;
        ListView1.Checkboxes = false;
      }))
    return;
  if (!pasos.run([&] { gUsaReferencia = EsSi(QStringLiteral("UsaReferenciaPresupuestos")); })) return;
  // A TC other than the code written back last time is the caller's.
  if (tcEscrito_.isNull() || !rt::EqualsText(TC, tcEscrito_)) clave_ = TC;
  const busqueda::Tipo tipo = busqueda::DeClave(clave_);
  gPendientes = tipo.Pendientes;
  TC = tipo.TC;
  tcEscrito_ = TC;
  if (!pasos.run([&] {
        if (rt::EqualsText(TC, QStringLiteral("OC"))) ListView1.Checkboxes = true;
      }))
    return;
  if (!pasos.run([&] { Encolumnar(); })) return;
  if (!pasos.run([&] {
        suite::gUtilidades().PreparaFormulario(*this);
        core::AplicaEstiloFormulario(*this);
      }))
    return;
  QString busq;
  if (!pasos.run([&] { busq = busqueda::Fragmento(TxtNombre.Text(), TxtNumero.Text()); })) return;
  QString sentencia;
  if (!pasos.run([&] {
        const busqueda::Opciones opciones{EsSi(QStringLiteral("UsaRemitoContado")),
                                          EsSi(QStringLiteral("EntregaParcialRemito"))};
        sentencia = busqueda::Sentencia(tipo, Filtro, busq, opciones);
      }))
    return;
  if (!pasos.run([&] { gDB().AbrirRecordset(sentencia, rs_); })) return;
  // A statement that did not open has been reported by the service.
  if (rs_.State() == ado::adStateClosed) return;
  bool vacio = true;
  if (!pasos.run([&] { vacio = rs_.BOF(); }) || vacio) return;
  while (pedido_ == Pedido::Ninguno) {
    bool fin = true;
    if (!pasos.run([&] { fin = rs_.EOF(); }) || fin) return;
    if (!pasos.run([&] { AgregaFila(); })) return;
    // A row that cannot be left behind ends the list.
    bool siguiente = false;
    if (!pasos.run([&] {
          rs_.MoveNext();
          siguiente = true;
        }) ||
        !siguiente)
      return;
    if (!pasos.run([] { ui::DoEvents(); })) return;
  }
}

QString FrmConsComprobantes::Campo(const char* nombre) {
  return suite::gUtilidades().ValorCampo(rs_[QLatin1String(nombre)].Value()).toString();
}

void FrmConsComprobantes::AgregaFila() {
  const auto marcado = [&](const char* nombre) { return Marcado(rs_[QLatin1String(nombre)].Value()); };
  const auto es = [&](std::initializer_list<const char*> codigos) { return rt::OneOfText(TC, codigos); };
  int imagen = 0;
  QStringList celdas;
  if (es({"T3"})) {
    celdas = {Campo("Id"),           Campo("Fecha"),         Campo("IdComprobante"),
              Campo("IdComplemento"), Campo("FECHAENVIADO"), Campo("FECHARECIBIDO")};
  } else if (es({"FCC", "NCC", "NCCP", "NDC", "RMC"})) {
    imagen = ObtieneIndiceImagen(marcado("Anulada") ? QStringLiteral("Anulado") : TC);
    celdas = {Campo("Fecha"), Campo("IdComprobante"), Campo("Cuenta"), Campo("Nombre"), QString(), Campo("Importe")};
  } else if (es({"NCPE", "NDPR"})) {
    imagen = ObtieneIndiceImagen(TC);
    const QString cuenta = Campo("Cuenta");
    const QString proveedor =
        gDB()
            .DatosTabla(QStringLiteral("VT_PROVEEDORES"), cuenta, QStringLiteral("RAZON_SOCIAL"), QStringLiteral("Codigo"))
            .toString();
    celdas = {Campo("Fecha"), Campo("Sucursal") + Campo("Numero") + Campo("Letra"), cuenta, proveedor,
              Campo("Detalle"), Campo("Importe")};
  } else if (es({"PR"})) {
    imagen = ObtieneIndiceImagen(marcado("Anulada") ? QStringLiteral("Anulado") : TC);
    celdas = {Campo("Fecha"), Campo("IdComprobante"), Campo("Nombre"), QString()};
    if (gUsaReferencia) celdas << Campo("COMENTARIOS");
    celdas << Campo("Importe");
  } else if (es({"OC"})) {
    QString estado = TC;
    if (marcado("Garantia")) estado = QStringLiteral("OCG");
    if (marcado("Anulada")) estado = QStringLiteral("Anulado");
    imagen = ObtieneIndiceImagen(estado);
    const QString numero = Campo("IdComprobante");
    const QString recepcion = gDB()
                                  .DatosTabla(QStringLiteral("v_mv_stock"), QStringLiteral("OC"),
                                              QStringLiteral("idcomprobante"), QStringLiteral("TC_origen"), 8,
                                              busqueda::CondicionRecepcion(numero))
                                  .toString();
    celdas = {Campo("Fecha"), Campo("Cuenta") + u' ' + Campo("Nombre"), numero, Campo("Importe"),
              Campo("COMENTARIOS"), recepcion};
  } else {
    QString estado = TC;
    if (marcado("Anulada"))
      estado = QStringLiteral("Anulado");
    else if (marcado("APROBADO"))
      estado = QStringLiteral("Aprobado");
    if (es({"NP"}) && gPendientes && rt::EqualsText(Campo("TC"), QStringLiteral("NP"))) {
      // An order not prepared yet is not listed as pending.
      if (rs_[QStringLiteral("FechaPreparacion")].Value().isNull()) return;
      estado = QStringLiteral("Aprobado");
    }
    imagen = ObtieneIndiceImagen(estado);
    celdas = {Campo("Fecha"), Campo("IdComprobante"), es({"OT", "FC"}) ? Campo("IdComplemento") : QString(),
              Campo("Nombre")};
    if (DisenoDe(TC) != Diseno::Ventas || gUsaReferencia) celdas << QString();
    celdas << Campo("Importe");
  }
  ui::ListItem& fila = ListView1.ListItems.Add(0, QString(), celdas.front(), imagen, imagen);
  for (int j = 1; j < celdas.size(); ++j) fila.setSubItems(j, celdas[j]);
}

}  // namespace lookup
