// A database this user may not write, as an operator without privileges
// meets it: a read-only file, the files SQLite keeps beside it, its folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <functional>

#include "platform/ado/Connection.h"
#include "platform/runtime/Error.h"
#include "support/ErrorNumber.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"
#include "support/Unreadable.h"

using namespace testing_support;

namespace {

constexpr QFileDevice::Permissions kReadOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr QFileDevice::Permissions kWritable = kReadOnly | QFileDevice::WriteOwner;

const QString kWrite = QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('Prueba', '1')");

// Opens the database, writes a row and closes it: "" when the row was
// written, else the description of the failure.
QString writeOnce(const QString& path) {
  ado::Connection cn;
  try {
    cn.Open(EmbeddedConnectionString(path));
    cn.Execute(QStringLiteral("SELECT COUNT(*) FROM TA_USUARIOS"));
    cn.Execute(kWrite);
    return QString();
  } catch (const rt::Error&) {
    return cn.Errors().Count() > 0 ? cn.Errors()[0].Description : QStringLiteral("(no error entry)");
  }
}

}  // namespace

// A user opens the database while its file is read-only to him, which
// leaves SQLite's "-wal" and "-shm" beside it with the file's read-only
// mode; once the file may be written, his next opening writes. Files left
// so by another user are named, with what to do, instead of the database.
TEST(ReadOnlyDatabase, AReadOnlyOpeningLeavesNothingThatRefusesALaterWritableOne) {
  struct Case {
    const char* name;
    std::function<bool(const QString& shm)> leftBy;  // false: the case cannot be made here
    QString written;  // the later writable opening's failure, %1 the database; "" when it writes
  };
  const Case cases[] = {
      {"this user", [](const QString&) { return true; }, QString()},
      {"another user",
       [](const QString& shm) { return ::chown(QFile::encodeName(shm).constData(), 65534, 65534) == 0; },
       QStringLiteral("El archivo \"%1-shm\", que la base de datos \"%1\" usa a su lado, es de sólo lectura para "
                      "este usuario (suele quedar de un usuario que abrió la base de datos sin poder grabarla). Con "
                      "el programa cerrado en todos los equipos, borre ese archivo o dele permiso de escritura.")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const QString path = NewSuiteDatabase(folder);
    QFile::setPermissions(path, kReadOnly);
    {
      WithoutOverrides operador;
      if (!operador.holds()) GTEST_SKIP() << "the tests cannot set aside the capabilities that pass over permissions";
      EXPECT_EQ(writeOnce(path), QStringLiteral("La base de datos \"%1\" es de sólo lectura.").arg(path));
    }
    ASSERT_TRUE(QFile::exists(path + "-shm"));
    EXPECT_FALSE(QFile::permissions(path + "-shm") & QFileDevice::WriteOwner);
    if (!c.leftBy(path + "-shm")) GTEST_SKIP() << "the tests cannot give a file to another user";
    QFile::setPermissions(path, kWritable);
    WithoutOverrides operador;
    EXPECT_EQ(writeOnce(path), c.written.isEmpty() ? QString() : c.written.arg(path));
  }
}

// A folder the database cannot make its companion files in is named as the
// folder, not as a read-only database nor as a file that is not there: with
// none of them, or with a "-wal" left (SQLite then fails to open the "-shm"
// it must make).
TEST(ReadOnlyDatabase, AFolderThatTakesNoWritesIsNamed) {
  for (const bool walLeft : {false, true}) {
    SCOPED_TRACE(walLeft);
    TempFolder folder;
    const QString path = NewSuiteDatabase(folder);
    if (walLeft) folder.write("suite.db-wal", QByteArray());
    const QFileDevice::Permissions permissions = QFile::permissions(folder.path());
    QFile::setPermissions(folder.path(), kReadOnly | QFileDevice::ExeOwner);
    {
      WithoutOverrides operador;
      if (!operador.holds()) GTEST_SKIP() << "the tests cannot set aside the capabilities that pass over permissions";
      EXPECT_EQ(writeOnce(path),
                QStringLiteral("La carpeta \"%1\" de la base de datos no admite escrituras, y la base de datos "
                               "necesita crear a su lado los archivos con los que trabaja. Dé al usuario permiso de "
                               "escritura en esa carpeta.")
                    .arg(folder.path()));
    }
    QFile::setPermissions(folder.path(), permissions);
  }
}
