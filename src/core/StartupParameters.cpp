#include "core/StartupParameters.h"

#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace core {

namespace {
const QString kArchivoIni = QStringLiteral("ZI000zo.INI");
}

std::optional<QString> LeeParametro(const QString& Parametros, const QString& Clave, const QString& SiFalta) {
  const QString clave = rt::Trim(Clave);
  for (qsizetype inicio = 0; inicio < Parametros.size();) {
    const qsizetype fin = Parametros.indexOf(u';', inicio);
    const QString item = Parametros.mid(inicio, fin < 0 ? -1 : fin - inicio);
    const qsizetype igual = item.indexOf(u'=');
    if (igual >= 0 && rt::EqualsText(rt::Trim(item.left(igual)), clave)) {
      if (fin < 0) return std::nullopt;
      return rt::Trim(item.mid(igual + 1));
    }
    if (fin < 0) break;
    inicio = fin + 1;
  }
  return SiFalta;
}

QString SeccionIni(const QString& NombrePC, const QString& UsuarioWindows) {
  QString seccion = rt::UCase(NombrePC) + u'|' + rt::UCase(UsuarioWindows);
  if (rt::Len(rt::Trim(seccion)) > 50) seccion = rt::Left(seccion, 50);
  return seccion;
}

QString ParametrosDesdeIni() {
  const suite::Utilidades& u = suite::gUtilidades();
  const suite::InfoSistema& info = suite::gInfoSistema();
  const suite::ArchivoIni& ini = suite::gArchivoIni();
  const QString seccion =
      rt::UCase(info.NombrePC()) + u'|' + rt::UCase(info.UsuarioWindows()) + QStringLiteral("BaseDeDatos");
  const auto clave = [&](const char* nombre, const QString& porDefecto) {
    return ini.LeeClave(kArchivoIni, seccion, QString::fromLatin1(nombre), porDefecto);
  };
  const auto sinBarras = [&](const QString& s) { return u.QuitaCaracteres(s, QStringLiteral("|")); };
  const QString servidor = sinBarras(clave("Servidor", QString()));
  const QString base = sinBarras(clave("DbName", QString()));
  const QString usuario = sinBarras(u.Decodifica(clave("Usuario", u.Codifica(QStringLiteral("Veltrix")))));
  const QString contrasena = sinBarras(u.Decodifica(clave("UserPassWord", u.Codifica(QStringLiteral("quivard")))));
  return QStringLiteral("@server=") + servidor + QStringLiteral("; @dbname= ") + base + QStringLiteral("; @usuario= ") +
         usuario + QStringLiteral("; @Password= ") + contrasena +
         QStringLiteral("; @ParametroAdicional=; @Caja=1;kora@");
}

QString ExtraeNombreServidor(const QString& Servidor) {
  const int barra = rt::InStr(Servidor, QStringLiteral("/"));
  QString host = barra > 0 ? rt::Mid(Servidor, barra + 1) : Servidor;
  const int puerto = rt::InStr(host, QStringLiteral(":"));
  if (puerto > 0) host = rt::Left(host, puerto - 1);
  return host;
}

}  // namespace core
