#include <gtest/gtest.h>

#include "platform/ado/ConnectionString.h"
#include "support/Printers.h"

using ado::ParseConnectionString;
using ado::provider::Kind;

TEST(ConnectionString, ChoosesTheProvider) {
  struct Case {
    const char* text;
    Kind kind;
  };
  for (const Case& c : {
           Case{"PROVIDER=SQLOLEDB;Server=sqlite;Database =/datos/suite.db;UId=sa;Pwd=;", Kind::Sqlite},
           Case{"PROVIDER=SQLOLEDB;Server=SQLite;Database =suite;UId=;Pwd=;", Kind::Sqlite},
           Case{"provider=sqloledb.1; server = SQLITE ;database=x.db", Kind::Sqlite},
           Case{"DRIVER=SQLite3 ODBC Driver;Database=/datos/suite.db;", Kind::Sqlite},
           Case{"DRIVER={SQLite3 ODBC Driver};Database=/datos/suite.db;", Kind::Sqlite},
           Case{"PROVIDER=SQLOLEDB;Server=SRV01;Database =GESTION;UId=sa;Pwd=x;", Kind::Odbc},
           Case{"PROVIDER=SQLOLEDB;Server=sqlite2;Database =x;", Kind::Odbc},
           Case{"Provider=OraOLEDB.Oracle.1;Data Source=XE;User Id=u;Password=p;", Kind::Odbc},
           Case{"Provider=vfpoledb.1;Data Source=/datos/tavernix;Collating Sequence=general", Kind::Dbf},
           Case{"Provider=VFPOLEDB;Data Source=/datos", Kind::Dbf},
           Case{"DRIVER={FreeTDS};Server=srv;Database=d;", Kind::Odbc},
           Case{"", Kind::Odbc},
       })
    EXPECT_EQ(ParseConnectionString(QString::fromUtf8(c.text)).kind, c.kind) << c.text;
}

TEST(ConnectionString, OracleIsNamedByTheProviderOrDriverOnly) {
  struct Case {
    const char* text;
    bool oracle;
  };
  for (const Case& c : {
           Case{"Provider=OraOLEDB.Oracle.1;Data Source=XE;User Id=u;Password=p;", true},
           Case{"provider = oraoledb.oracle ;data source=XE", true},
           Case{"DRIVER={Oracle in XE};DBQ=XE;UID=u;PWD=p;", true},
           // The word elsewhere: a password, a database, a server, an extra item.
           Case{"PROVIDER=SQLOLEDB;Server=sqlite;Database =/datos/suite.db;UId=sa;Pwd=MiOracle1;", false},
           Case{"PROVIDER=SQLOLEDB;Server=sqlite;Database =/datos/oracle.db;UId=sa;Pwd=;", false},
           Case{"PROVIDER=SQLOLEDB;Server=oracle01;Database =GESTION;UId=sa;Pwd=;App=Oracle;", false},
           Case{"PROVIDER=SQLOLEDB;Server=srv;UId=sa;Pwd={x;Provider=OraOLEDB.Oracle.1};", false},
           Case{"", false},
       })
    EXPECT_EQ(ado::NamesOracle(QString::fromUtf8(c.text)), c.oracle) << c.text;
}

TEST(ConnectionString, TakesItemsApart) {
  struct Case {
    const char* text;
    const char* key;
    const char* value;
  };
  for (const Case& c : {
           Case{"PROVIDER=SQLOLEDB;Server=sqlite;Database =/datos/suite.db;UId=sa;", "database", "/datos/suite.db"},
           Case{"PROVIDER=SQLOLEDB;Server=sqlite;Database =/datos/suite.db;UId=sa;", "uid", "sa"},
           Case{"  Data Source =  /a b/c  ;x=1", "data source", "/a b/c"},
           Case{"Pwd={a;b}c};Uid=u", "pwd", "a;b"},
           Case{"Pwd=\"x;y\";Uid=u", "pwd", "x;y"},
           Case{"Pwd=' q ';Uid=u", "pwd", " q "},
           Case{"Pwd={a}}b;c};Uid=u", "pwd", "a}b;c"},
           Case{"Pwd={a}}b;c};Uid=u", "uid", "u"},
           Case{"Pwd=\"say \"\"hi\"\"\";Uid=u", "pwd", "say \"hi\""},
           Case{"Pwd='it''s';Uid=u", "pwd", "it's"},
           Case{"Pwd='it''s';Uid=u", "uid", "u"},
           Case{"Database=uno;DATABASE=dos", "database", "dos"},
           Case{"Pwd=;Uid=u", "pwd", ""},
           Case{"garbage;Uid=u;;", "uid", "u"},
           Case{"Extended Properties=a=b;c=d", "extended properties", "a=b"},
       }) {
    auto spec = ParseConnectionString(QString::fromUtf8(c.text));
    EXPECT_EQ(spec.value(QString::fromUtf8(c.key)), QString::fromUtf8(c.value)) << c.text;
    EXPECT_EQ(spec.text, QString::fromUtf8(c.text));
  }
}

// Values are braced only when they must be, and whatever a value holds, the
// item written with it reads back as that value.
TEST(ConnectionString, ValuesAreWrittenToBeReadBackWhole) {
  struct Case {
    const char* value;
    const char* written;
  };
  for (const Case& c : {Case{"Empresa 2", "Empresa 2"}, Case{"a;b", "{a;b}"}, Case{"x}y", "{x}}y}"},
                        Case{"{x", "{{x}"}, Case{" clave ", "{ clave }"}, Case{"", ""}, Case{"'q", "{'q}"},
                        Case{"\"q\"", "{\"q\"}"}, Case{"a=b", "{a=b}"}}) {
    const QString value = QString::fromUtf8(c.value);
    EXPECT_EQ(ado::ConnectionStringValue(value), QString::fromUtf8(c.written));
    const QString text = QStringLiteral("Pwd=") + ado::ConnectionStringValue(value) + QStringLiteral(";Uid=u");
    EXPECT_EQ(ParseConnectionString(text).value(QStringLiteral("pwd")), value) << c.value;
    EXPECT_EQ(ParseConnectionString(text).value(QStringLiteral("uid")), QStringLiteral("u")) << c.value;
  }
}
