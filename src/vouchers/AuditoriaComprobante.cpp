// The voucher audit trail: one row of V_MV_CPTEACCIONES per action on a
// voucher.
#include "core/CoreState.h"
#include "core/FieldList.h"
#include "core/Formatting.h"
#include "data_access/DataAccessState.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/SentenciasCarga.h"

namespace vouchers {

namespace {

QString Texto(const QString& valor) { return data_access::DB_Dll::SQLValue(valor); }

// The entry number as a bare number; NULL when the text is no number.
QString NumeroAsiento(const QString& NroAsiento) {
  try {
    return suite::gUtilidades().TextoANumero(NroAsiento).toSqlText();
  } catch (const rt::Error&) {
    return QStringLiteral("NULL");
  }
}

}  // namespace

void ClsCmnCptes::ActualizaBuchon(const QString& TC, const QString& SucNroLetra, const QString& IdComplemento,
                                  bool lEsAlta, bool lEsModificacion, bool GeneraSentencia, QString* SentenciaSQL,
                                  const QString& NroAsiento) {
  core::CoreState& estado = core::gCore();
  const QString accion = lEsAlta ? QStringLiteral("'A'") : lEsModificacion ? QStringLiteral("'M'") : QStringLiteral("'B'");
  estado.ListaCampos = {
      {QStringLiteral("TC"), Texto(suite::gUtilidades().RellenaCodigo(rt::Trim(TC), 4))},
      {QStringLiteral("IdComprobante"), Texto(SucNroLetra)},
      {QStringLiteral("IdComplemento"), sentencia::Complemento(IdComplemento)},
      {QStringLiteral("Tipo_accion"), accion},
      {QStringLiteral("FECHAHORA"), Texto(rt::FormatDate(rt::Now(), core::FormatoFechaHora()))},
      {QStringLiteral("Usuario"), Texto(estado.gUsuarioLogeado)},
      {QStringLiteral("PC"), Texto(suite::gInfoSistema().NombrePC())},
      {QStringLiteral("SYSTEMUSER"), QStringLiteral("''")},
      {QStringLiteral("NUMEROASIENTO"), NumeroAsiento(NroAsiento)},
  };
  QString sentencia = QStringLiteral(" INSERT INTO V_MV_CPTEACCIONES ");
  core::ArmaInsert(sentencia, estado.ListaCampos, true);
  if (GeneraSentencia) {
    if (SentenciaSQL) *SentenciaSQL = sentencia;
  } else {
    data_access::gDB().EjecutaConsultaSQL(sentencia);
  }
}

}  // namespace vouchers
