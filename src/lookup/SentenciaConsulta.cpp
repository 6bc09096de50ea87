#include "lookup/SentenciaConsulta.h"

#include <QFile>
#include <cmath>
#include <limits>

#include "core/Configuration.h"
#include "core/CoreState.h"
#include "core/LookupLayout.h"
#include "data_access/DataAccessState.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"

namespace lookup {

namespace {

// The service carries on past any failing step without a message; the
// data layer has reported its own failures already.
rt::StepRunner carryOn() {
  return rt::StepRunner([](const rt::Error&) { return rt::answer::Ignore; });
}

QString limpio(const QString& campo) {
  return rt::Trim(suite::gUtilidades().QuitaCaracteres(campo, rt::Chr(0), rt::Chr(255)));
}

QString whereDe(const QString& filtro) {
  return rt::Trim(filtro).isEmpty() ? QString() : QStringLiteral(" WHERE ");
}

struct Mascara {
  QString tabla;
  QString campos;
  QString filtro;
};

// The first layout whose table is `tabla`, without regard to case.
std::optional<Mascara> buscaMascara(const QString& ruta, const QString& tabla) {
  core::LectorMascarasConsultas lector(ruta);
  core::MascaraConsulta registro;
  while (lector.Lee(registro))
    if (rt::EqualsText(limpio(registro.Tabla), rt::Trim(tabla)))
      return Mascara{limpio(registro.Tabla), registro.Campos, limpio(registro.Filtro)};
  return std::nullopt;
}

// Statement from a layout; nullopt after the configuration message.
std::optional<QString> sentenciaDeMascara(const Mascara& m, long top, QString& CampoBusqueda, const QString& Where) {
  QString tabla = m.tabla;
  QString columnas = rt::Trim(suite::gUtilidades().Reemplaza(m.campos, QStringLiteral("|"), QStringLiteral(",")));
  if (columnas.startsWith(u',')) columnas.remove(0, 1);
  if (columnas.endsWith(u',')) columnas.chop(1);
  if (columnas.isEmpty()) columnas = QStringLiteral("*");

  if (CampoBusqueda.isEmpty()) {
    if (!columnas.contains(u',')) {
      ui::MsgBox(QStringLiteral("Debe configurar la consulta para esta tabla"), ui::mb::Information | ui::mb::OkOnly,
                 QStringLiteral("Aviso al operador"));
      return std::nullopt;
    }
    CampoBusqueda = columnas.left(columnas.indexOf(u','));
  }

  // A layout's own filter replaces the caller's condition.
  QString filtro = m.filtro;
  if (filtro.isEmpty() && !rt::Trim(Where).isEmpty()) filtro = Where;
  if (rt::OneOfText(tabla, {"VT_CLIENTES", "VT_PROVEEDORES"})) {
    if (filtro.isEmpty()) filtro = QStringLiteral("Dada_De_Baja = 0");
  } else if (rt::EqualsText(tabla, QStringLiteral("V_MA_ARTICULOS"))) {
    tabla = QStringLiteral("VT_MA_ARTICULOS");
    if (filtro.isEmpty()) filtro = QStringLiteral("SUSPENDIDO = 0");
  }

  const QString cabeza = QStringLiteral("SELECT TOP ") + QString::number(top) + u' ' + columnas +
                         QStringLiteral(" FROM ") + tabla;
  if (CampoBusqueda.isEmpty())
    return cabeza + QStringLiteral(" with(nolock) ") + whereDe(filtro) + filtro;
  return cabeza + QStringLiteral("  with(nolock) ") + whereDe(filtro) + filtro + QStringLiteral(" ORDER BY ") +
         CampoBusqueda;
}

// The columns of the table itself, in reverse field order with a trailing
// comma; the search column is the last description-like column, or else
// the first column listed.
QString columnasDeLaTabla(const QString& tabla, QString& CampoBusqueda) {
  rt::StepRunner steps = carryOn();
  data_access::DB_Dll& db = data_access::gDB();
  ado::Recordset rs;
  QString columnas;
  steps.run([&] { db.AbrirRecordset(QStringLiteral("select top 1 * from ") + tabla, rs); });
  steps.run([&] {
    if (rs.State() != ado::adStateOpen) return;
    for (int i = 0; i < rs.FieldCount(); ++i) {
      const QString nombre = rs.Fields(i).Name();
      if (rt::OneOfText(nombre, {"ID", "FECHAHORA_MODIFICACION", "FECHAHORA_GRABACION"})) {
        if (!rt::EqualsText(tabla, QStringLiteral("v_mv_mutuales"))) continue;
        CampoBusqueda = nombre;
      } else if (rt::OneOfText(nombre, {"DESCRIPCION", "NOMBRE", "DETALLE"})) {
        CampoBusqueda = nombre;
      } else if (rt::Trim(columnas).isEmpty()) {
        CampoBusqueda = nombre;
      }
      columnas = nombre + u',' + columnas;
    }
  });
  steps.run([&] { db.CierraRecordset(rs); });
  return columnas;
}

QString sentenciaPredeterminada(const QString& SQL, long top, QString& CampoBusqueda, const QString& Where,
                                const QString& SentenciaOpcional) {
  if (!SentenciaOpcional.isEmpty()) return SentenciaOpcional;
  QString columnas;
  if (rt::EqualsText(SQL, QStringLiteral("V_TA_DEPOSITO"))) {
    columnas = QStringLiteral("Descripcion,IdDeposito,UnidadNegocio,");
    CampoBusqueda = QStringLiteral("IDDEPOSITO");
  } else {
    columnas = columnasDeLaTabla(SQL, CampoBusqueda);
  }
  columnas = rt::Trim(columnas).isEmpty() ? QStringLiteral(" * ") : columnas.chopped(1);
  const QString filtro = u' ' + Where;
  QString sentencia = QStringLiteral("SELECT TOP ") + QString::number(top) + u' ' + columnas +
                      QStringLiteral(" FROM ") + SQL + whereDe(filtro) + filtro;
  // A table whose every column is skipped leaves nothing to order by.
  if (!CampoBusqueda.isEmpty()) sentencia += QStringLiteral(" ORDER BY ") + CampoBusqueda;
  return sentencia;
}

}  // namespace

long LimiteFilas(const QString& TopConsArt) {
  double n = 0;
  try {
    n = std::trunc(rt::Val(TopConsArt));
  } catch (const rt::Error&) {
    return 1000;  // beyond any number
  }
  if (n < 1) return 1000;
  return n > std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max() : static_cast<long>(n);
}

std::optional<QString> ArmaSentenciaConsulta(const core::Lib_ClsCons3& consultas, const QString& SQL,
                                             QString& CampoBusqueda, QString& Where,
                                             const QString& SentenciaOpcional) {
  if (rt::Len(rt::Trim(Where)) > 1 && !Where.startsWith(u'('))
    Where = QStringLiteral(" (") + Where + QStringLiteral(") ");

  long top = 1000;
  carryOn().run([&] { top = LimiteFilas(core::Cfg(QStringLiteral("TopConsArt"))); });

  if (rt::InStr(SQL, QStringLiteral("SELECT"), rt::Compare::Text) > 0) {
    if (rt::InStr(SQL, QStringLiteral("V_MA_ARTICULOS"), rt::Compare::Text) == 0) return SQL;
    // Articles are read with their stock.
    return suite::gUtilidades().ReemplazaTexto(SQL, QStringLiteral("V_MA_ARTICULOS"),
                                                 QStringLiteral("VT_MA_ARTICULOS"));
  }

  // A layout file that is missing (deleted while the program runs) or that
  // has no layout for the table gives the default statement.
  if (consultas.gUsarMascarasConsultas && QFile::exists(consultas.gRutaMascaraConsultas)) {
    std::optional<Mascara> mascara;
    carryOn().run([&] { mascara = buscaMascara(consultas.gRutaMascaraConsultas, SQL); });
    if (mascara) return sentenciaDeMascara(*mascara, top, CampoBusqueda, Where);
  }
  return sentenciaPredeterminada(SQL, top, CampoBusqueda, Where, SentenciaOpcional);
}

}  // namespace lookup
