#include "core/Configuration.h"

#include <functional>

#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "data_access/LookupSql.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace core {

namespace {

QString text(const rt::Variant& v) { return suite::gUtilidades().ValorCampo(v).toString(); }

// The conversions of the loader.
bool si(const QString& v) { return rt::EqualsText(v, QStringLiteral("SI")); }
bool notNo(const QString& v) { return !rt::EqualsText(rt::Trim(v), QStringLiteral("NO")); }
bool set(const QString& clave) {
  if (rt::Trim(Cfg(clave)).isEmpty()) return false;
  return !rt::EqualsText(Cfg(clave), QStringLiteral("NO"));
}
int val(const QString& v) { return rt::CInt(rt::Val(v)); }
rt::Currency number(const QString& v) { return suite::gUtilidades().TextoANumero(v); }
int32_t numberAsLong(const QString& v) { return rt::CLng(number(v).toDouble()); }

// Programs that take their decimals from CantidadDecimalesVentas.
bool sellsWithOwnDecimals() {
  return rt::OneOfText(rt::ExecutableName(), {"V_MV_VENTAS", "FS_V_MV_VENTAS", "FS_V_MV_VENTASH", "FS_V_MV_COMANDA",
                                              "FS_V_MV_COMANDAH", "V_MV_VENTASPDV", "V_MV_PR", "V_MV_OT",
                                              "RP_DIFERIDA"});
}

}  // namespace

QString LeeClaveConfiguracion(data_access::DB_Dll& servicio, const QString& Clave, QString& ValorAux,
                              const QString& Rutina) {
  CoreState& st = gCore();
  // Ignore goes on with the next step; any other answer, Retry included,
  // leaves with an empty text.
  rt::StepRunner steps([&](const rt::Error& e) {
    const int respuesta = suite::gUtilidades().DialogoError(e, Rutina);
    return respuesta == rt::answer::Ignore ? respuesta : rt::answer::Abort;
  });
  ado::Recordset rs;
  QString valor;
  const auto leave = [&] {
    try {
      if (rs.State() != ado::adStateClosed) rs.Close();
    } catch (const rt::Error&) {
    }
    return QString();
  };
  const QString clave = rt::Trim(Clave);
  if (!steps.run([&] {
        if (rt::Trim(st.gTablaConfiguracion).isEmpty()) st.gTablaConfiguracion = QStringLiteral("TA_CONFIGURACION");
      }))
    return leave();
  QString sql;
  if (!steps.run([&] {
        sql = QStringLiteral("SELECT VALOR, valoraux FROM ") + st.gTablaConfiguracion +
              QStringLiteral(" with(nolock)  WHERE CLAVE = ") + data_access::sql::Quoted(clave);
        if (rt::OneOfText(clave, {"[FECHA HASTA]", "[FECHA DESDE]"}))
          sql = rt::UCase(sql);
      }))
    return leave();
  if (!steps.run([&] { servicio.AbrirRecordset(sql, rs); })) return leave();
  if (!steps.run([&] {
        if (rs.BOF()) {
          valor = QStringLiteral(" ");
          ValorAux = QString();
        } else {
          valor = text(rs.Fields(QStringLiteral("VALOR")).Value());
          ValorAux = text(rs.Fields(QStringLiteral("ValorAux")).Value());
        }
      }))
    return leave();
  if (!steps.run([&] { servicio.CierraRecordset(rs); })) return leave();
  if (rt::EqualsText(Clave, QStringLiteral("THEME")) && rt::Trim(valor).isEmpty()) valor = QStringLiteral("1");
  return valor;
}

QString Cfg(const QString& Clave, QString& ValorAux) {
  return LeeClaveConfiguracion(data_access::gDB(), Clave, ValorAux, QStringLiteral("Cfg"));
}

QString Cfg(const QString& Clave) {
  QString aux;
  return Cfg(Clave, aux);
}

void CargaConfiguracion(const QString& Carpeta) {
  CoreState& st = gCore();
  // Every step goes on past its failure; its variable keeps its value.
  rt::StepRunner steps([](const rt::Error&) { return rt::answer::Ignore; });
  const auto step = [&](const std::function<void()>& s) { steps.run(s); };

  step([&] { st.gTablaConfiguracion = QStringLiteral("ta_configuracion"); });
  step([&] { st.gMostrarStockEnConsultas = si(text(Cfg(QStringLiteral("MostrarStockenConsultas")))); });
  step([&] { st.gTituloClientes = rt::Trim(Cfg(QStringLiteral("TituloClientes"))); });
  step([&] { st.gTituloProveedores = rt::Trim(Cfg(QStringLiteral("TituloProveedores"))); });
  step([&] { st.gArchivoTareas = Carpeta + QStringLiteral("VXDOCTareas.vtx"); });
  step([&] { st.gExigeClaveConsultaLike = si(Cfg(QStringLiteral("EXIGECLAVECONSULTALIKEARTICULOS"))); });
  step([&] { st.gUsaConsultaLike = si(Cfg(QStringLiteral("UsaConsultaLike"))); });
  step([&] { st.gCantidadDecimales = Cfg(QStringLiteral("CantidadDecimales")); });
  step([&] { data_access::gConfidencialidad() = si(Cfg(QStringLiteral("SS_CONFIDENCIALIDAD"))); });
  step([&] {
    if (sellsWithOwnDecimals() && rt::Val(Cfg(QStringLiteral("CantidadDecimalesVentas"))) > 0)
      st.gCantidadDecimales = Cfg(QStringLiteral("CantidadDecimalesVentas"));
  });
  step([&] { st.gUsaMultiplesMonedas = si(Cfg(QStringLiteral("UsaMultilesMonedas"))); });
  step([&] { st.gUsaFacturaProforma = si(Cfg(QStringLiteral("UsaFacturaProforma"))); });
  step([&] { st.gUsaCCosto = si(Cfg(QStringLiteral("USACCOSTO"))); });
  step([&] { st.gUsaStkStockUdKg = si(Cfg(QStringLiteral("USA_STK_STOCK_UDKG"))); });

  // The logged user's row: business unit and pro-forma flag.
  data_access::DB_Dll& db = data_access::gDB();
  ado::Recordset usuario;
  step([&] {
    db.AbrirRecordset(QStringLiteral("Select * from ta_usuarios  with(nolock)  where Nombre = ") +
                          data_access::sql::Quoted(st.gUsuarioLogeado),
                      usuario);
  });
  bool found = false;
  step([&] { found = !usuario.BOF(); });
  if (found) {
    step([&] { st.gUNegocio = text(usuario.Fields(QStringLiteral("UNegocio")).Value()); });
    step([&] {
      if (st.gUsaFacturaProforma)
        st.gUsaFacturaProforma = usuario.Fields(QStringLiteral("VerProforma")).Value().toBool();
    });
  }
  step([&] {
    if (st.gUNegocio.isEmpty()) st.gUNegocio = QStringLiteral("   1");
  });

  step([&] { st.gUnidadMedidaM3 = rt::Trim(Cfg(QStringLiteral("UNIDADDEMEDIDA_M3"))); });
  step([&] { st.gUnidadMedidaBL = rt::Trim(Cfg(QStringLiteral("UNIDADDEMEDIDA_BL"))); });
  step([&] { st.gUnidadMedidaKG = rt::Trim(Cfg(QStringLiteral("UNIDADDEMEDIDA_KG"))); });
  step([&] { st.gPeriodo = val(Cfg(QStringLiteral("PERIODO"))); });
  step([&] {
    const bool configured = !rt::Trim(Cfg(QStringLiteral("VALIDACODIGOBARRA"))).isEmpty();
    st.gValidaCodigoBarra = configured && si(rt::Trim(Cfg(QStringLiteral("VALIDACODIGOBARRA"))));
  });
  step([&] { st.gColorFondo = numberAsLong(Cfg(QStringLiteral("CFondo"))); });
  step([&] {
    if (st.gColorFondo == 0) st.gColorFondo = 0xFFFF00;
  });
  step([&] { st.gColorLetra = numberAsLong(Cfg(QStringLiteral("CLetra"))); });
  step([&] { st.gModuloOrdenDeTrabajo = notNo(Cfg(QStringLiteral("ModuloOrdenDeTrabajo"))); });
  step([&] { st.gVModificaCPrecio = set(QStringLiteral("V_ModificaCPrecio")); });
  step([&] { st.gCModificaCPrecio = set(QStringLiteral("C_ModificaCPrecio")); });
  step([&] { st.gMaderera = set(QStringLiteral("MADERERA")); });
  const std::pair<const char*, QString CoreState::*> maderera[] = {
      {"MAD_TIRAS", &CoreState::gMadTiras}, {"MAD_P2", &CoreState::gMadP2},
      {"MAD_ML", &CoreState::gMadML},       {"MAD_M2", &CoreState::gMadM2},
      {"MAD_HOJAS", &CoreState::gMadHojas}, {"MAD_ML_P2", &CoreState::gMadMLP2},
      {"MAD_M2_P2", &CoreState::gMadM2P2},  {"MAD_ML_M2", &CoreState::gMadMLM2},
  };
  for (const auto& clave : maderera)
    step([&] { st.*clave.second = rt::Trim(Cfg(QString::fromLatin1(clave.first))); });
  step([&] { st.gCuentaCtroDist = rt::Trim(Cfg(QStringLiteral("CuentaCtroDist"))); });
  step([&] { st.gMaxDto = number(rt::Trim(Cfg(QStringLiteral("MaxDto")))); });
  step([&] { st.gMaxDtoProforma = number(rt::Trim(Cfg(QStringLiteral("MaxDtoProforma")))); });
  step([&] { st.gPideClaveStockNeg = set(QStringLiteral("PideClave_StockNeg")); });
  step([&] { st.gPideClaveMarkUpBase = set(QStringLiteral("PideClave_MarkUpBase")); });
  step([&] { st.gPideClaveLimiteCredito = set(QStringLiteral("PideClave_LimiteCredito")); });
  step([&] { st.gBloqueoActivo = si(Cfg(QStringLiteral("SS_BloqueoActivo"))); });
  step([&] { st.gUtilizarFechaDia = si(Cfg(QStringLiteral("UTILIZARFECHADIA"))); });
  step([&] { st.gCondIvaEmpresa = val(Cfg(QStringLiteral("CONDIVAEMPRESA"))); });
  step([&] {
    if (st.gCondIvaEmpresa == 0) st.gCondIvaEmpresa = val(Cfg(QStringLiteral("CONDIVA")));
  });
  step([&] {
    if (st.gCondIvaEmpresa == 0) st.gCondIvaEmpresa = 1;
  });
  step([&] { st.gTopDefault = Cfg(QStringLiteral("Top_Default")); });
  step([&] {
    if (rt::Trim(st.gTopDefault).isEmpty()) st.gTopDefault = QStringLiteral("1000");
  });
  step([&] { db.CierraRecordset(usuario); });
}

}  // namespace core
