// The parameter text, the INI file of the computer and user, server names.
#include <gtest/gtest.h>

#include "core/StartupParameters.h"
#include "platform/runtime/Environment.h"
#include "platform/suite/Library.h"
#include "support/CoreFixture.h"
#include "support/Printers.h"

using namespace core;

namespace {

TEST(ParameterText, ItemsInAnyOrderAndSpelling) {
  struct Case {
    const char* text;
    const char* key;
    std::optional<QString> value;
  };
  const QString line = "@Server=srv;@DbName=KORANET;@Usuario=ana;@Password=x;@Caja=3;";
  for (const Case& c : std::vector<Case>{
           {"@Server=srv;@DbName=KORANET;", "@DbName", "KORANET"},
           {"@dbname =  KORANET  ;@SERVER= srv ;", "@Server", "srv"},
           {"@Server=srv;", "@Usuario", ""},
           {"@Server=srv", "@Server", std::nullopt},  // not closed by ";"
           {"@Password=a=b==;", "@Password", "a=b=="},
           {"@Password = =x;", "@Password", "=x"},
           {"@Password=;", "@Password", ""},
           {"@UsuarioLogeado=pedro;@Usuario=ana;", "@Usuario", "ana"},
           {"@UsuarioLogeado=pedro;@Usuario=ana;", "@UsuarioLogeado", "pedro"},
           {"@UsuarioLogeado=pedro;", "@Usuario", ""},
           {"@Server=srv;kora@", "@Menu", ""},
           {"@ParametroAdicional=; @Caja=1;kora@", "@ParametroAdicional", ""},
           {"@ParametroAdicional=xyz", "@ParametroAdicional", std::nullopt},
           // A key inside another item's value is no item of its own.
           {"@Password=x@DbName=/evil.db;@DbName=/good.db;", "@DbName", "/good.db"},
           {"@Password=x@DbName=/evil.db;", "@DbName", ""},
           {"@Password=x@DbName=/evil.db;", "@Password", "x@DbName=/evil.db"},
           {"@Menu=@Server=otro;@Server=srv;", "@Server", "srv"},
           {"x@Server=otro;@Server=srv;", "@Server", "srv"},
           {"@Server=srv;@Server=otro;", "@Server", "srv"},
           {"@Server;@Server=srv;", "@Server", "srv"},
           {"@Caja=2;@Server=srv", "@Caja", "2"},
       }) {
    EXPECT_EQ(LeeParametro(c.text, c.key), c.value) << c.text << " " << c.key;
  }
  EXPECT_EQ(LeeParametro(line, "@Caja", "1"), "3");
  EXPECT_EQ(LeeParametro("@Server=srv;", "@Caja", "1"), "1");
  EXPECT_EQ(LeeParametro("@Caja=;", "@Caja", "1"), "");
}

TEST(ServerName, TheHostOfAProtocolAndPort) {
  EXPECT_EQ(ExtraeNombreServidor("tcp/servidor:1433"), "servidor");
  EXPECT_EQ(ExtraeNombreServidor("servidor"), "servidor");
  EXPECT_EQ(ExtraeNombreServidor("servidor:1433"), "servidor");
  EXPECT_EQ(ExtraeNombreServidor("np/servidor"), "servidor");
  EXPECT_EQ(ExtraeNombreServidor("sqlite"), "sqlite");
  EXPECT_EQ(ExtraeNombreServidor(""), "");
}

TEST(IniSection, ComputerAndUserCutTo50) {
  EXPECT_EQ(SeccionIni("caja1", "ana"), "CAJA1|ANA");
  const QString pc(40, u'p'), user(19, u'u');
  EXPECT_EQ(SeccionIni(pc, user), QString(40, u'P') + "|" + QString(9, u'U'));
  EXPECT_EQ(SeccionIni(pc, QString(9, u'u')).size(), 50);
}

using IniParameters = testing_support::CoreFixture;

TEST_F(IniParameters, ConnectionKeysOfThisComputerAndUser) {
  EXPECT_EQ(ParametrosDesdeIni(),
            "@server=; @dbname= ; @usuario= Veltrix; @Password= quivard; @ParametroAdicional=; @Caja=1;kora@")
      << "defaults without an INI file";

  const suite::Utilidades& u = suite::gUtilidades();
  const QString section = rt::ComputerName().toUpper() + "|" + rt::LoginName().toUpper() + "BaseDeDatos";
  folder.write("ZI000zo.INI", ("[" + section + "]\r\nServidor=tcp/srv|1:1433\r\nDbName=KORANET\r\nUsuario=" +
                               u.Codifica("op|er") + "\r\nUserPassWord=" + u.Codifica("cl=ve") + "\r\n")
                                  .toUtf8());
  EXPECT_EQ(ParametrosDesdeIni(),
            "@server=tcp/srv1:1433; @dbname= KORANET; @usuario= oper; @Password= cl=ve; @ParametroAdicional=; "
            "@Caja=1;kora@");
}

}  // namespace
