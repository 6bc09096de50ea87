#include "platform/ado/sqlite/ErrorMap.h"

#include <sqlite3.h>

#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <optional>

#include "platform/ado/Constants.h"
#include "platform/ado/LockWaitNotice.h"
#include "platform/ado/ProviderLog.h"
#include "platform/ado/sqlite/CompanionFiles.h"
#include "platform/runtime/FileErrors.h"

namespace ado::sqlite {

namespace {

struct Mapping {
  Condition condition;
  long native;
  const char* sqlState;
  long number;      // ADO number of the runtime error
  bool terminates;  // followed by "Se terminó la instrucción."
  const char* description;
};

// SQL Server's errors with the texts a Spanish-language server gives them
// (same numbers, same meaning); the provider's own errors in Spanish too.
constexpr Mapping kMappings[] = {
    {Condition::PrimaryKey, 2627, "23000", errnum::Integrity, true,
     "Infracción de la restricción PRIMARY KEY 'PK_%1'. No se puede insertar una clave duplicada en el objeto 'dbo.%1'."},
    {Condition::Unique, 2627, "23000", errnum::Integrity, true,
     "Infracción de la restricción UNIQUE KEY 'UQ_%1'. No se puede insertar una clave duplicada en el objeto 'dbo.%1'."},
    {Condition::ForeignKey, 547, "23000", errnum::Integrity, true,
     "Instrucción %1 en conflicto con una restricción FOREIGN KEY."},
    {Condition::NotNull, 515, "23000", errnum::Integrity, true,
     "No se puede insertar el valor NULL en la columna '%2', tabla '%1'. La columna no admite valores NULL. Error de %3."},
    {Condition::Width, 8152, "22001", errnum::DataOverflow, true, "Los datos de cadena o binarios se truncarían."},
    {Condition::Check, 547, "23000", errnum::Integrity, true,
     "Instrucción %2 en conflicto con la restricción CHECK \"%1\"."},
    {Condition::DateOutOfRange, 242, "22008", errnum::TypeConversion, true,
     "La conversión del tipo de datos varchar en datetime produjo un valor fuera de intervalo."},
    {Condition::DateConversion, 241, "22007", errnum::TypeConversion, true,
     "Error de conversión al convertir la fecha y/u hora a partir de una cadena de caracteres."},
    {Condition::MoneyConversion, 235, "22018", errnum::TypeConversion, true,
     "No se puede convertir un valor char a money. El valor char tiene una sintaxis incorrecta."},
    {Condition::NumericConversion, 8114, "22018", errnum::TypeConversion, true,
     "Error al convertir el tipo de datos varchar a numeric."},
    {Condition::MoneyOverflow, 8115, "22003", errnum::DataOverflow, true,
     "Error de desbordamiento aritmético al convertir expression al tipo de datos money."},
    {Condition::NumericOverflow, 8115, "22003", errnum::DataOverflow, true,
     "Error de desbordamiento aritmético al convertir expression al tipo de datos numeric."},
    {Condition::WholeConversion, 245, "22018", errnum::TypeConversion, true,
     "Error de conversión al convertir el valor varchar '%1' al tipo de datos %2."},
    {Condition::NotWhole, 245, "22018", errnum::TypeConversion, true,
     "Error de conversión al convertir un valor al tipo de datos %1."},
    {Condition::WholeOverflow, 8115, "22003", errnum::DataOverflow, true,
     "Error de desbordamiento aritmético al convertir expression al tipo de datos %1."},
    {Condition::SmallWholeOverflow, 220, "22003", errnum::DataOverflow, true,
     "Error de desbordamiento aritmético para el tipo de datos %1, valor = %2."},
    {Condition::SmallWholeRange, 220, "22003", errnum::DataOverflow, true,
     "Error de desbordamiento aritmético para el tipo de datos %1."},
    {Condition::Busy, 1222, "HYT00", errnum::Timeout, true, "Se superó el tiempo de espera de la solicitud de bloqueo."},
    // A cancelled operation, as ODBC reports one; E_FAIL, which a caller
    // reads from the Errors collection: the operator needs no box for what
    // he decided.
    {Condition::WaitEnded, 0, "HY008", errnum::E_FAIL, true,
     "Se dejó de esperar al otro programa que está grabando en la base de datos."},
    {Condition::NoTable, 208, "42S02", errnum::MissingTable, false, "El nombre de objeto '%1' no es válido."},
    {Condition::NoColumn, 207, "42S22", errnum::CommandText, false, "El nombre de columna '%1' no es válido."},
    {Condition::Syntax, 102, "42000", errnum::CommandText, false, "Sintaxis incorrecta cerca de '%1'."},
    {Condition::OtherStatement, 0, "42000", errnum::CommandText, false, "%1"},
    {Condition::StatementRefused, 0, "42000", errnum::CommandText, false,
     "La base de datos embebida no puede ejecutar la sentencia (el motivo quedó en el registro de errores del "
     "programa)."},
    {Condition::CommitWithoutBegin, 3902, "25000", errnum::CommandText, false,
     "La solicitud COMMIT TRANSACTION no tiene la correspondiente BEGIN TRANSACTION."},
    {Condition::RollbackWithoutBegin, 3903, "25000", errnum::CommandText, false,
     "La solicitud ROLLBACK TRANSACTION no tiene la correspondiente BEGIN TRANSACTION."},
    {Condition::Unsupported, 0, "42000", errnum::CommandText, false,
     "La base de datos embebida no admite esta sentencia: %1"},
    {Condition::ConstantInOrderBy, 408, "42000", errnum::CommandText, false,
     "Se encontró una expresión constante en la lista ORDER BY, posición %1."},
    {Condition::OrderPositionOutOfRange, 108, "42000", errnum::CommandText, false,
     "El número de posición %1 de ORDER BY está fuera del intervalo del número de elementos de la lista de "
     "selección."},
    {Condition::ConstantInGroupBy, 164, "42000", errnum::CommandText, false,
     "Cada expresión GROUP BY debe contener al menos una columna que no sea una referencia externa."},
    {Condition::DuplicateColumn, 2705, "42S21", errnum::CommandText, false,
     "Los nombres de columna de cada tabla deben ser únicos. El nombre de columna '%2' de la tabla '%1' se "
     "especificó más de una vez."},
    {Condition::NotNullColumnAdded, 4901, "42000", errnum::CommandText, false,
     "ALTER TABLE sólo permite agregar columnas que admitan valores NULL, que tengan una definición DEFAULT o que "
     "sean de identidad o de marca de tiempo; si no se cumple ninguna de estas condiciones, la tabla debe estar "
     "vacía para agregar la columna. No se puede agregar la columna '%2' a la tabla '%1', que no está vacía, "
     "porque no cumple estas condiciones."},
    {Condition::ColumnNotAdded, 0, "42000", errnum::CommandText, false,
     "La base de datos embebida no puede agregar la columna '%2' a la tabla '%1' (el motivo quedó en el registro "
     "de errores del programa)."},
    {Condition::RowChanged, 0, "HY000", errnum::RowNotFound, false,
     "No se encuentra la fila a actualizar en %1: otro proceso la cambió o la borró."},
    {Condition::UnknownDatabase, 911, "08004", errnum::E_FAIL, false,
     "La base de datos '%1' no existe. Asegúrese de que el nombre se ha escrito correctamente."},
    {Condition::NoDatabaseName, 0, "08001", errnum::E_FAIL, false,
     "La cadena de conexión no indica el archivo de la base de datos."},
    {Condition::MissingFile, 0, "08001", errnum::E_FAIL, false, "No se encuentra la base de datos \"%1\"."},
    {Condition::NotADatabase, 0, "08001", errnum::E_FAIL, false, "El archivo \"%1\" no es una base de datos."},
    {Condition::NotASuiteDatabase, 0, "08001", errnum::E_FAIL, false,
     "El archivo \"%1\" no es una base de datos del sistema: le faltan sus tablas."},
    {Condition::Damaged, 0, "08001", errnum::E_FAIL, false,
     "La base de datos \"%1\" está dañada. Restaure una copia de seguridad antes de usarla."},
    {Condition::ReadOnly, 3906, "HY000", errnum::E_FAIL, false, "La base de datos \"%1\" es de sólo lectura."},
    {Condition::ReadOnlyFolder, 3906, "HY000", errnum::E_FAIL, false,
     "La carpeta \"%1\" de la base de datos no admite escrituras, y la base de datos necesita crear a su lado "
     "los archivos con los que trabaja. Dé al usuario permiso de escritura en esa carpeta."},
    {Condition::ReadOnlyCompanion, 3906, "HY000", errnum::E_FAIL, false,
     "El archivo \"%2\", que la base de datos \"%1\" usa a su lado, es de sólo lectura para este usuario (suele "
     "quedar de un usuario que abrió la base de datos sin poder grabarla). Con el programa cerrado en todos los "
     "equipos, borre ese archivo o dele permiso de escritura."},
    {Condition::Io, 0, "08S01", errnum::E_FAIL, false, "Error de lectura o escritura en la base de datos \"%1\": %2"},
    {Condition::Closed, 0, "08003", errnum::E_FAIL, false, "La conexión con la base de datos \"%1\" está cerrada."},
    {Condition::Other, 0, "HY000", errnum::E_FAIL, false,
     "La base de datos embebida no pudo completar la operación (el motivo quedó en el registro de errores del "
     "programa)."},
    {Condition::Terminated, 3621, "01000", 0, false, "Se terminó la instrucción."},
    {Condition::Raised, 50000, "42000", errnum::CommandText, false, "%1"},
};

const Mapping& mappingOf(Condition condition) {
  for (const Mapping& m : kMappings)
    if (m.condition == condition) return m;
  return mappingOf(Condition::Other);
}

Error entryOf(const Mapping& m, long number, const QStringList& args) {
  // At once, so that a "%2" inside a path given for %1 stays as written.
  QString description = QString::fromUtf8(m.description);
  if (args.size() == 1) description = description.arg(args[0]);
  if (args.size() == 2) description = description.arg(args[0], args[1]);
  if (args.size() >= 3) description = description.arg(args[0], args[1], args[2]);
  return Error{number, description, QStringLiteral("SQLite"), QString::fromLatin1(m.sqlState), m.native};
}

// The first word of the statement: INSERT, UPDATE, DELETE ...
QString verbOf(const QString& sql) {
  static const QRegularExpression word(QStringLiteral("^\\s*(\\w+)"));
  return word.match(sql).captured(1).toUpper();
}

QString captured(const QString& message, const char* pattern) {
  return QRegularExpression(QString::fromLatin1(pattern)).match(message).captured(1);
}

struct Classified {
  Condition condition;
  QStringList args;
  long native = 0;  // the number a raised user error carries
  bool wordsToLog = false;  // SQLite's words, which the text stands in for, are kept in the log
};

// The table and the column of "ALTER TABLE t ADD COLUMN c ...", as the
// translator writes it, without their quotes.
QStringList addedColumn(const QString& sql) {
  static const QString name = QStringLiteral(R"((\[[^\]]*\]|`(?:[^`]|``)*`|\S+))");
  static const QRegularExpression statement(QStringLiteral(R"(^\s*ALTER\s+TABLE\s+)") + name +
                                                QStringLiteral(R"(\s+ADD\s+COLUMN\s+)") + name,
                                            QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch m = statement.match(sql);
  QStringList names;
  for (int part : {1, 2}) {
    QString n = m.captured(part);
    if (n.startsWith(u'[') || n.startsWith(u'`'))
      n = n.mid(1, n.size() - 2).replace(QStringLiteral("``"), QStringLiteral("`"));
    names << n;
  }
  return names;
}

// SQLite's words on a statement SQL Server has no error for, told in
// Spanish (SQLite's words go to the log): on an added column, naming it.
Classified otherStatement(const QString& message, const QString& sql) {
  if (verbOf(sql) != QLatin1String("ALTER")) return {Condition::StatementRefused, {}, 0, true};
  Condition condition = Condition::ColumnNotAdded;
  if (message.startsWith(QLatin1String("duplicate column name"))) condition = Condition::DuplicateColumn;
  if (message.startsWith(QLatin1String("Cannot add a NOT NULL column with default value NULL")))
    condition = Condition::NotNullColumnAdded;
  return {condition, addedColumn(sql), 0, true};
}

// "50001: texto" raised by a trigger: a user error number and its text.
std::optional<Classified> raisedUserError(const QString& message) {
  static const QRegularExpression form(QStringLiteral(R"(^(\d{5,9})\s*:\s*(.*)$)"),
                                       QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpressionMatch m = form.match(message);
  if (!m.hasMatch() || m.captured(1).toLong() < 50000) return std::nullopt;
  return Classified{Condition::Raised, {m.captured(2)}, m.captured(1).toLong()};
}

// What FailInFunction writes: the condition's number and its arguments.
const QChar kFunctionFieldSeparator = u'\x1f';

Classified refusedInFunction(const QString& message) {
  QStringList fields = message.split(kFunctionFieldSeparator);
  bool number = false;
  const int condition = fields.takeFirst().toInt(&number);
  if (!number || condition < 0 || condition > static_cast<int>(Condition::Raised))
    return {Condition::StatementRefused, {}, 0, true};
  return {static_cast<Condition>(condition), fields};
}

// Why a file of the database could not be read or written: the system's
// reason where SQLite keeps it (an opening, a read or a write that failed),
// else what SQLite's code tells.
QString ioReason(sqlite3* db, int rc) {
  switch (rc & 0xFF) {
    case SQLITE_FULL: return rt::SystemErrorText(ENOSPC);
    case SQLITE_PROTOCOL: return QStringLiteral("no se pudo bloquear el archivo");
    default: break;
  }
  if (const int systemError = sqlite3_system_errno(db)) return rt::SystemErrorText(systemError);
  return (rc & 0xFF) == SQLITE_CANTOPEN ? QStringLiteral("no se pudo abrir el archivo")
                                        : QStringLiteral("no se pudo leer o escribir el archivo");
}

// Why a database takes no writes: its folder, a companion file beside it
// that this user cannot write (while the file itself may be written), or
// the database itself.
Classified readOnly(sqlite3* db, int rc, const QString& databasePath) {
  if (rc == SQLITE_READONLY_DIRECTORY) return {Condition::ReadOnlyFolder, {QFileInfo(databasePath).absolutePath()}};
  if (sqlite3_db_readonly(db, "main") == 0)
    if (const std::optional<QString> companion = UnwritableCompanionFile(databasePath))
      return {Condition::ReadOnlyCompanion, {databasePath, *companion}};
  return {Condition::ReadOnly, {databasePath}};
}

Classified classify(sqlite3* db, int rc, const QString& message, const QString& sql, const QString& databasePath) {
  switch (rc) {
    case SQLITE_CONSTRAINT_PRIMARYKEY: return {Condition::PrimaryKey, {captured(message, R"(failed: (\w+)\.)")}};
    case SQLITE_CONSTRAINT_UNIQUE: return {Condition::Unique, {captured(message, R"(failed: (\w+)\.)")}};
    case SQLITE_CONSTRAINT_FOREIGNKEY: return {Condition::ForeignKey, {verbOf(sql)}};
    case SQLITE_CONSTRAINT_TRIGGER:
      if (std::optional<Classified> raised = raisedUserError(message)) return *raised;
      // The trigger's own words, which the schema wrote.
      return {Condition::OtherStatement, {message}};
    case SQLITE_CONSTRAINT_FUNCTION: return refusedInFunction(message);
    // A value that is no whole number for an INTEGER PRIMARY KEY, which SQLite checks before any CHECK.
    case SQLITE_MISMATCH: return {Condition::NotWhole, {QStringLiteral("int")}};
    case SQLITE_CONSTRAINT_NOTNULL:
      return {Condition::NotNull,
              {captured(message, R"(failed: (\w+)\.)"), captured(message, R"(failed: \w+\.(\w+))"), verbOf(sql)}};
    case SQLITE_CONSTRAINT_CHECK: {
      // The schema's own checks say by their name what SQL Server would
      // refuse the value with.
      QString name = captured(message, R"(failed: (\w+))");
      struct SchemaCheck {
        const char* prefix;
        Condition condition;
        const char* type;  // the type SQL Server's text names, if any
      };
      static const SchemaCheck kSchemaChecks[] = {
          {"W_", Condition::Width, nullptr},
          {"MT_", Condition::MoneyConversion, nullptr}, {"MR_", Condition::MoneyOverflow, nullptr},
          {"NT_", Condition::NumericConversion, nullptr}, {"NR_", Condition::NumericOverflow, nullptr},
          {"DT_", Condition::DateConversion, nullptr},  {"DR_", Condition::DateOutOfRange, nullptr},
          {"IT_", Condition::NotWhole, "int"}, {"IR_", Condition::WholeOverflow, "int"},
          {"ST_", Condition::NotWhole, "smallint"}, {"SR_", Condition::SmallWholeRange, "smallint"},
          {"BT_", Condition::NotWhole, "bit"},
      };
      for (const SchemaCheck& check : kSchemaChecks)
        if (name.startsWith(QLatin1String(check.prefix), Qt::CaseInsensitive))
          return {check.condition, check.type ? QStringList{QLatin1String(check.type)} : QStringList{}};
      return {Condition::Check, {name, verbOf(sql)}};
    }
    default: break;
  }
  switch (rc & 0xFF) {
    case SQLITE_ERROR:
      if (message.startsWith(QLatin1String("no such table")))
        return {Condition::NoTable, {captured(message, R"(no such table: (?:main\.)?(\S+))")}};
      if (message.startsWith(QLatin1String("no such column")))
        return {Condition::NoColumn, {captured(message, R"(no such column: (\S+))")}};
      if (message.contains(QLatin1String("syntax error")))
        return {Condition::Syntax, {captured(message, R"re(near "(.*)": syntax error)re")}};
      if (message.startsWith(QLatin1String("unrecognized token")))
        return {Condition::Syntax, {captured(message, R"re(unrecognized token: "(.*)")re")}};
      if (message.startsWith(QLatin1String("incomplete input"))) return {Condition::Syntax, {QString()}};
      return otherStatement(message, sql);
    case SQLITE_CONSTRAINT: return otherStatement(message, sql);
    case SQLITE_BUSY: case SQLITE_LOCKED:
      return {LockWaitEndedByOperator() ? Condition::WaitEnded : Condition::Busy, {}};
    case SQLITE_READONLY: return readOnly(db, rc, databasePath);
    case SQLITE_MISUSE: return {Condition::Closed, {databasePath}};
    case SQLITE_NOTADB: return {Condition::NotADatabase, {databasePath}};
    case SQLITE_CORRUPT: return {Condition::Damaged, {databasePath, message}, 0, true};
    case SQLITE_CANTOPEN:
      // A file beside it that could not be made: the folder is the cause.
      if (CompanionFilesCannotBeMade(databasePath))
        return {Condition::ReadOnlyFolder, {QFileInfo(databasePath).absolutePath()}};
      return {Condition::Io, {databasePath, ioReason(db, rc)}, 0, true};
    case SQLITE_IOERR: case SQLITE_FULL: case SQLITE_PROTOCOL:
      return {Condition::Io, {databasePath, ioReason(db, rc)}, 0, true};
    default: return {Condition::Other, {}, 0, true};
  }
}

}  // namespace

provider::Failure MakeFailure(Condition condition, const QStringList& args) {
  const Mapping& m = mappingOf(condition);
  // A damaged file is told in Spanish; SQLite's own words on the damage
  // follow in an entry of their own.
  if (condition == Condition::Damaged && args.size() > 1)
    return provider::Failure{m.number,
                             {entryOf(m, m.number, {args[0]}),
                              Error{m.number, args[1], QStringLiteral("SQLite"), QString::fromLatin1(m.sqlState), 0}}};
  return provider::Failure{m.number, {entryOf(m, m.number, args)}};
}

provider::Failure MakeStatementFailure(Condition condition, const QStringList& args, bool ended) {
  provider::Failure failure = MakeFailure(condition, args);
  if (ended && mappingOf(condition).terminates)
    failure.errors.push_back(entryOf(mappingOf(Condition::Terminated), failure.number, {}));
  return failure;
}

provider::Failure FailureFromSqlite(sqlite3* db, int rc, const QString& sql, bool ran, const QString& databasePath) {
  const QString message = QString::fromUtf8(sqlite3_errmsg(db));
  Classified c = classify(db, rc, message, sql, databasePath);
  provider::Failure failure = MakeStatementFailure(c.condition, c.args, ran);
  if (c.native != 0) failure.errors.front().NativeError = c.native;
  // The box tells it in Spanish alone, the log keeps SQLite's words. (Damage
  // found at the opening is in the entries the opening's caller shows and
  // logs.)
  if (c.wordsToLog)
    ReportToLog(QStringLiteral("SQLite"), failure.errors.front().Description + QStringLiteral(" | ") + message);
  return failure;
}

void FailInFunction(sqlite3_context* context, Condition condition, const QStringList& args) {
  const QByteArray message =
      (QStringList{QString::number(static_cast<int>(condition))} + args).join(kFunctionFieldSeparator).toUtf8();
  sqlite3_result_error(context, message.constData(), static_cast<int>(message.size()));
  sqlite3_result_error_code(context, SQLITE_CONSTRAINT_FUNCTION);
}

}  // namespace ado::sqlite
