#include "lookup/SentenciasBusqueda.h"

#include "numbering/Valores.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace lookup::busqueda {

namespace {

using numbering::Lit;

// The heads of the statements, each ending where the voucher type goes.
const QString kRemitosCompra = QStringLiteral(
    " SELECT CUENTA , ANULADA, Nombre, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM C_RemitosPendientes with(nolock) "
    "WHERE TC = '");
const QString kRemitosVenta = QStringLiteral(
    " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM V_RemitosPendientes "
    "with(nolock) WHERE TC = '");
const QString kVentas = QStringLiteral(
    " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM V_MV_CPTE with(nolock) "
    "WHERE TC = '");
const QString kAsientos = QStringLiteral("SELECT * FROM MV_ASIENTOS  with(nolock)  WHERE TC = '");
const QString kCompras = QStringLiteral("SELECT * FROM C_MV_CPTE  with(nolock)  WHERE TC = '");
const QString kOrdenesPendientes = QStringLiteral(
    " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, IDCOMPlemento,ID,FECHA, Importe FROM "
    "V_OT_Pendientes with(nolock) WHERE TC = '");
const QString kOrdenes = QStringLiteral(
    " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, IDCOMPlemento , ID,FECHA, Importe FROM "
    "V_OT_Pendientes with(nolock) WHERE TC = '");
const QString kPedidosConFiltro = QStringLiteral(
    " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, FechaPreparacion FROM "
    "V_MV_CPTE  with(nolock)  WHERE TC = '");
const QString kPedidos = QStringLiteral(
    " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe,FechaPreparacion FROM V_MV_CPTE "
    "with(nolock) WHERE TC = '");
const QString kPresupuestosConFiltro = QStringLiteral(
    " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, comentarios FROM V_MV_CPTE "
    "with(nolock) WHERE TC = '");
const QString kPresupuestos = QStringLiteral(
    " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, comentarios FROM "
    "V_PR_PENDIENTES with(nolock)  WHERE TC = '");
const QString kOrdenesCompra = QStringLiteral(
    " SELECT FECHA, CUENTA , NOMBRE, ANULADA, APROBADO, TC,IDCOMPROBANTE, ID,Importe, comentarios, Garantia FROM "
    "C_MV_CPTE  with(nolock) WHERE TC = '");
const QString kTodos = QStringLiteral("SELECT * FROM V_MV_CPTE  with(nolock)  WHERE TC = '");

const QString kPorNumero = QStringLiteral(" ORDER BY IDCOMPROBANTE DESC");

const QString kPromptNombre = QStringLiteral("Buscar por nombre...");
const QString kPromptNumero = QStringLiteral("Buscar por Numero...");

// A box narrows the search unless it is empty or still shows its prompt.
bool Narrows(const QString& texto, const QString& prompt) {
  return !texto.isEmpty() && !rt::EqualsText(texto, prompt);
}

QString Like(const char* columna, const QString& texto) {
  return QStringLiteral("AND %1 LIKE '%").arg(QLatin1String(columna)) + Lit(rt::Trim(texto)) +
         QStringLiteral("%' ");
}

bool IsWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// The condition without its leading word WHERE (any case), the rest as it
// stands; a WHERE inside the condition or within a longer word stays.
QString SinWhereInicial(const QString& Filtro) {
  const QString where = QStringLiteral("where");
  qsizetype at = 0;
  while (at < Filtro.size() && Filtro[at] == u' ') ++at;
  const qsizetype end = at + where.size();
  if (end > Filtro.size() || !rt::EqualsText(Filtro.mid(at, where.size()), where)) return Filtro;
  if (end < Filtro.size() && IsWordChar(Filtro[end])) return Filtro;
  return Filtro.left(at) + Filtro.mid(end);
}

}  // namespace

Tipo DeClave(const QString& Clave) {
  static const struct {
    const char* clave;
    const char* codigo;
    bool pendientes;
  } claves[] = {{"RM/PENDIENTES", "RM", true},          {"NP/PENDIENTES", "NP", true},
                {"OT/PENDIENTES", "OT", true},          {"RM/PENDIENTES_COMPRAS", "RMC", true},
                {"PR/PENDIENTES", "PR", true},          {"FC/ANTICIPOS", "FC", false},
                {"FP/PENDIENTES", "FP", false}};
  for (const auto& c : claves)
    if (rt::EqualsText(Clave, QLatin1String(c.clave))) return {QLatin1String(c.codigo), c.pendientes};
  return {Clave, false};
}

QString Fragmento(const QString& Nombre, const QString& Numero) {
  QString busq;
  if (Narrows(Nombre, kPromptNombre)) busq += Like("NOMBRE", Nombre);
  if (Narrows(Numero, kPromptNumero)) busq += Like("IDCOMPROBANTE", Numero);
  return busq;
}

QString Sentencia(const Tipo& tipo, QString& Filtro, const QString& busq, const Opciones& opciones) {
  const QString& TC = tipo.TC;
  const bool pendientes = tipo.Pendientes;
  const auto es = [&](std::initializer_list<const char*> codigos) { return rt::OneOfText(TC, codigos); };
  const QString tc = Lit(suite::gUtilidades().RellenaCodigo(rt::Trim(TC), 4));
  const auto conFiltro = [&] { return !rt::Trim(Filtro).isEmpty(); };
  // The joint of a condition that may be blank.
  const auto y = [&] { return conFiltro() ? QStringLiteral(" AND ") : QString(); };
  const QString AND = QStringLiteral(" AND ");

  if (es({"RMC"}) && pendientes) return kRemitosCompra + tc + QStringLiteral("' ") + busq + y() + Filtro + kPorNumero;
  if (es({"RM"}) && pendientes) {
    if (conFiltro()) {
      if (opciones.UsaRemitoContado)
        return kRemitosVenta + tc + QStringLiteral("' ") + busq + AND + Filtro + kPorNumero;
      return kVentas + tc + u'\'' + busq + AND + Filtro + QStringLiteral("  AND FINALIZADA = 0") + kPorNumero;
    }
    if (opciones.UsaRemitoContado && !opciones.EntregaParcialRemito) return kRemitosVenta + tc + u'\'' + busq + kPorNumero;
    return kVentas + tc + u'\'' + busq + QStringLiteral(" AND FINALIZADA = 0") + kPorNumero;
  }
  if (es({"T3"}))
    return QStringLiteral("SELECT * FROM V_MV_CPTETERCEROS  with(nolock)  ORDER BY ID,IDCOMPROBANTE, IDCOMPLEMENTO");
  if (es({"NCPE", "NDPR"})) {
    if (conFiltro()) return kAsientos + tc + QStringLiteral("' AND ") + Filtro + QStringLiteral(" ORDER BY SUCURSAL, NUMERO, LETRA DESC ");
    return kAsientos + tc + QStringLiteral("' AND SECUENCIA = 1 ORDER BY SUCURSAL, NUMERO, LETRA DESC");
  }
  if (es({"FCC", "NCC", "NCCP", "NDC", "RMC"})) {
    if (conFiltro()) return kCompras + tc + u'\'' + busq + AND + Filtro + kPorNumero + u' ';
    return kCompras + tc + u'\'' + busq + kPorNumero;
  }
  if (es({"OT"})) {
    if (pendientes) return kOrdenesPendientes + tc + u'\'' + busq + y() + Filtro + kPorNumero;
    if (conFiltro()) return kOrdenes + tc + u'\'' + busq + AND + Filtro + kPorNumero;
    return kOrdenes + tc + u'\'' + busq + u' ' + kPorNumero;
  }
  if (es({"NP"}) && pendientes) {
    const QString resto = QStringLiteral(" AND FINALIZADA = 0 and anulada = 0") + kPorNumero;
    if (conFiltro()) return kPedidosConFiltro + tc + u'\'' + busq + AND + Filtro + resto;
    return kPedidos + tc + u'\'' + busq + resto;
  }
  if (es({"PR"}) && pendientes) {
    if (conFiltro())
      return kPresupuestosConFiltro + tc + u'\'' + busq + QStringLiteral(" AND APROBADO = 1 AND ") + Filtro +
             QStringLiteral(" AND FINALIZADA = 0") + kPorNumero;
    return kPresupuestos + tc + u'\'' + busq + QStringLiteral(" AND APROBADO = 1") + kPorNumero;
  }
  if (es({"OC"})) {
    Filtro = SinWhereInicial(Filtro);
    return kOrdenesCompra + tc + u'\'' + busq + QStringLiteral(" AND (APROBADO = 1) AND (FINALIZADO = 0) AND (ANULADA = 0)") +
           y() + Filtro + kPorNumero;
  }
  if (es({"FP"})) {
    Filtro = SinWhereInicial(Filtro);
    return kVentas + tc + QStringLiteral("' ") + y() + Filtro + u' ' + busq + QStringLiteral("  AND FINALIZADA = 0") +
           kPorNumero;
  }
  if (conFiltro())
    return kTodos + tc + u'\'' + busq + AND + Filtro + QStringLiteral(" ORDER BY  IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC  ");
  return kTodos + tc + u'\'' + busq + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC");
}

QString CondicionRecepcion(const QString& IdComprobante) {
  return QStringLiteral(" TC = 'IR' AND TC_ORIGEN = 'OC' AND IDCOMPROBANTE_ORIGEN ='") + Lit(IdComprobante) + u'\'';
}

}  // namespace lookup::busqueda
