#pragma once
// What the benchmarks on a suite database share: the database built once
// from the schema, with the operator's user and each benchmark's own rows,
// and copied fresh for every run; the service connected to a copy as the
// operator, as start-up leaves it.
#include <QFile>
#include <QString>

#include "BenchDatabase.h"
#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "support/TempFolder.h"

class PlantillaSuite {
 public:
  // `filas`: SQLite statements that fill the template beside the operator.
  explicit PlantillaSuite(const QString& filas) : templatePath_(folder.file("template.db")) {
    CreateBenchDatabase(templatePath_,
                        QStringLiteral("INSERT INTO TA_USUARIOS (Nombre, Administrador, UNegocio) "
                                       "VALUES ('operador', 1, '   1');") + filas);
  }

  // A fresh copy for one run.
  QString copia(const char* name) const {
    const QString path = folder.file(QString::fromLatin1(name));
    for (const char* suffix : {"", "-wal", "-shm"}) QFile::remove(path + QLatin1String(suffix));
    QFile::copy(templatePath_, path);
    return path;
  }

  testing_support::TempFolder folder;

 private:
  QString templatePath_;
};

// A fresh program state with the service open on `path` as the operator,
// of business unit "   1".
inline void ConectaOperador(const QString& path) {
  core::ResetCore();
  data_access::DB_Dll& db = data_access::gDB();
  db.gServidor = QStringLiteral("sqlite");
  db.gDBName = path;
  db.gUsuario = QStringLiteral("operador");
  db.OpenServerADODB();
  core::gCore().gUsuarioLogeado = db.gUsuario;
  core::gCore().gUNegocio = QStringLiteral("   1");
}
