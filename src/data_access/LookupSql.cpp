#include "data_access/LookupSql.h"

#include <QRegularExpression>
#include <QStringBuilder>
#include <utility>
#include <cmath>

#include "data_access/AdoTypeCode.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"

namespace data_access::sql {

namespace {

enum class Comparison { Text, Date, Number, AsGiven };

Comparison comparisonFor(const rt::Variant& tipo) {
  if (EsTipoAdo(tipo, {8})) return Comparison::Text;
  if (EsTipoAdo(tipo, {7})) return Comparison::Date;
  if (EsTipoAdo(tipo, {3, 5, 4})) return Comparison::Number;
  return Comparison::AsGiven;
}

bool hasWhere(const QString& condicion) {
  return rt::InStr(condicion, QStringLiteral(" WHERE "), rt::Compare::Text) > 0;
}

// The comparisons both existence checks share: dates come with the
// caller's delimiters, numbers are read from the text.
QString plainComparison(Comparison kind, const QString& campo, const QString& valor) {
  switch (kind) {
    case Comparison::Date: return campo + QStringLiteral(" = ") + rt::Trim(valor) + QStringLiteral(" ");
    case Comparison::Number: return campo + QStringLiteral(" = ") + rt::SqlNumber(NumberOf(valor));
    default: return campo + QStringLiteral(" = ") + valor;
  }
}

}  // namespace

QString Quoted(const QString& text) {
  QString quoted(text.size() + text.count(u'\'') + 2, Qt::Uninitialized);
  QChar* out = quoted.data();
  *out++ = u'\'';
  for (QChar c : text) {
    *out++ = c;
    if (c == u'\'') *out++ = c;
  }
  *out = u'\'';
  return quoted;
}

QString LikeLiteral(const QString& text) {
  QString literal;
  literal.reserve(text.size());
  for (QChar c : text) {
    if (c == u'%' || c == u'_' || c == u'[') literal.append(u'[').append(c).append(u']');
    else literal.append(c);
  }
  return literal;
}

double NumberOf(const QString& text) {
  if (std::optional<double> whole = rt::ParseNumber(rt::Trim(text))) {
    // "1e400" is a number, but none a double holds: as Val does.
    if (!std::isfinite(*whole)) rt::raise(rt::err::Overflow);
    return *whole;
  }
  return rt::Val(text);
}

QString DateLiteral(const QString& text) {
  std::optional<QDateTime> d = rt::ParseDate(rt::Trim(text));
  if (!d || !d->date().isValid()) return Quoted(rt::Trim(text));
  QString literal = d->date().toString(QStringLiteral("dd/MM/yyyy"));
  if (d->time() != QTime(0, 0)) literal += d->time().toString(QStringLiteral(" HH:mm:ss"));
  return Quoted(literal);
}

QString ExisteEnTabla(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                      const rt::Variant& Tipodato, const QString& Condicion) {
  if (!Condicion.isEmpty())
    return QStringLiteral("SELECT TOP 1 * FROM ") + Tabla + QStringLiteral(" with(nolock) ") +
           (hasWhere(Condicion) ? QStringLiteral(" ") : QStringLiteral(" WHERE ")) + Condicion;
  Comparison kind = comparisonFor(Tipodato);
  if (kind == Comparison::Text)
    return QStringLiteral("SELECT TOP 1  * FROM ") % Tabla % QStringLiteral(" with(nolock)  WHERE LTRIM(RTRIM(") %
           Campo % QStringLiteral(")) =") % Quoted(rt::Trim(ValorBuscado));
  return QStringLiteral("SELECT TOP 1 * FROM ") + Tabla + QStringLiteral(" with(nolock)  WHERE ") +
         plainComparison(kind, Campo, ValorBuscado);
}

QString ExisteEnTablaST(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                        const rt::Variant& Tipodato, const QString& Condicion) {
  QString head = QStringLiteral("SELECT * FROM ") + Tabla;
  if (!Condicion.isEmpty())
    return head + QStringLiteral(" with(nolock)  ") +
           (hasWhere(Condicion) ? QStringLiteral(" ") : QStringLiteral(" WHERE ")) + Condicion;
  Comparison kind = comparisonFor(Tipodato);
  QString comparison = kind == Comparison::Text ? Campo + QStringLiteral(" =") + Quoted(ValorBuscado)
                                                : plainComparison(kind, Campo, ValorBuscado);
  return head + QStringLiteral(" with(nolock)   WHERE ") + comparison;
}

QString DatosTabla(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                   const rt::Variant& Tipodato, const QString& Condicion, bool UsaTrim) {
  QString text = QStringLiteral("SELECT TOP 1 * FROM ") % Tabla % QStringLiteral(" with(nolock)  WHERE ");
  switch (comparisonFor(Tipodato)) {
    case Comparison::Text:
      if (UsaTrim)
        text += QStringLiteral("LTRIM(RTRIM(") % Campo % QStringLiteral(")) =") % Quoted(rt::Trim(ValorBuscado)) % u' ';
      else
        text += Campo % QStringLiteral(" =") % Quoted(ValorBuscado) % u' ';
      break;
    case Comparison::Date: text += Campo + QStringLiteral(" = ") + DateLiteral(ValorBuscado) + u' '; break;
    case Comparison::Number: text += Campo + QStringLiteral(" = ") + rt::SqlNumber(NumberOf(ValorBuscado)); break;
    case Comparison::AsGiven: text += Campo + QStringLiteral(" = ") + ValorBuscado; break;
  }
  if (!rt::Trim(Condicion).isEmpty()) text += QStringLiteral(" AND ") + Condicion;
  return text;
}

QString BuscaMaximo(const QString& QueTabla, const QString& QueCampo, const std::optional<QString>& Condicion) {
  QString text = QStringLiteral("SELECT MAX(") + QueCampo + QStringLiteral(") AS MAYOR FROM ") + QueTabla;
  if (Condicion) text += QStringLiteral(" WHERE ") + rt::Trim(*Condicion);
  return text;
}

QString BuscaMinimo(const QString& QueTabla, const QString& QueCampo, const std::optional<QString>& Condicion) {
  QString text =
      QStringLiteral("SELECT MIN(") + QueCampo + QStringLiteral(") AS MENOR FROM ") + QueTabla + QStringLiteral("  with(nolock) ");
  if (Condicion) text += QStringLiteral(" WHERE ") + rt::Trim(*Condicion);
  return text;
}

QString BuscaUltimoCodigo(const QString& QueTabla, const QString& QueCampo, const QString& Condicion) {
  QString text = QStringLiteral("SELECT MAX(") + QueCampo + QStringLiteral(") AS MAYOR FROM ") + QueTabla;
  if (!rt::Trim(Condicion).isEmpty()) text += QStringLiteral(" WHERE ") + Condicion;
  return text;
}

QString OracleType(const QString& Tipo) {
  static const QRegularExpression form(QStringLiteral(R"(^\s*(\w+)\s*(?:\(\s*([^)]*?)\s*\))?\s*$)"));
  const QRegularExpressionMatch m = form.match(Tipo);
  if (!m.hasMatch()) return Tipo;
  const QString name = m.captured(1).toLower(), size = m.captured(2).remove(u' ');
  const bool whole = rt::EqualsText(size, QStringLiteral("max"));
  const auto sized = [&](const char* oracle) { return QString::fromLatin1(oracle) + u'(' + size + u')'; };
  static const std::pair<const char*, const char*> fixed[] = {
      {"bit", "NUMBER(1)"},         {"tinyint", "NUMBER(3)"},       {"smallint", "NUMBER(5)"},
      {"int", "NUMBER(10)"},        {"integer", "NUMBER(10)"},      {"bigint", "NUMBER(19)"},
      {"money", "NUMBER(19,4)"},    {"smallmoney", "NUMBER(10,4)"}, {"float", "FLOAT(53)"},
      {"real", "FLOAT(24)"},        {"datetime", "DATE"},           {"smalldatetime", "DATE"},
      {"date", "DATE"},             {"datetime2", "DATE"},          {"text", "CLOB"},
      {"ntext", "NCLOB"},           {"image", "BLOB"}};
  for (const auto& [sqlServer, oracle] : fixed)
    if (name == QLatin1String(sqlServer) && size.isEmpty()) return QString::fromLatin1(oracle);
  if (name == u"decimal" || name == u"numeric") return size.isEmpty() ? QStringLiteral("NUMBER(18,0)") : sized("NUMBER");
  if (size.isEmpty()) return Tipo;
  if (name == u"float") return sized("FLOAT");
  if (name == u"char") return sized("CHAR");
  if (name == u"nchar") return sized("NCHAR");
  if (name == u"varchar") return whole ? QStringLiteral("CLOB") : sized("VARCHAR2");
  if (name == u"nvarchar") return whole ? QStringLiteral("NCLOB") : sized("NVARCHAR2");
  if (name == u"varbinary") return whole ? QStringLiteral("BLOB") : sized("RAW");
  if (name == u"binary") return sized("RAW");
  return Tipo;
}

QString AddField(const QString& Tabla, const QString& Campo, const QString& Tipo, bool PermiteNulos,
                 const std::optional<rt::Variant>& ValorDefault, bool Oracle) {
  if (Oracle) {
    QString column = rt::Trim(Campo) + u' ' + OracleType(Tipo);
    if (ValorDefault) {
      const QString value = rt::Trim(ValorDefault->toStringOrEmpty());
      column += QStringLiteral(" DEFAULT ") + (value.isEmpty() ? QStringLiteral("NULL") : value);
    }
    return QStringLiteral("ALTER TABLE ") + rt::Trim(Tabla) + QStringLiteral(" ADD (") + column +
           (PermiteNulos ? QStringLiteral(" NULL)") : QStringLiteral(" NOT NULL)"));
  }
  QString text = QStringLiteral("ALTER TABLE dbo.") + Tabla + QStringLiteral(" ADD ") + Campo + u' ' + Tipo +
                 (PermiteNulos ? QStringLiteral(" Null ") : QStringLiteral(" Not Null "));
  if (ValorDefault)
    text += QStringLiteral(" CONSTRAINT DF_") + rt::Trim(Tabla) + u'_' + rt::Trim(Campo) + QStringLiteral(" DEFAULT (") +
            ValorDefault->toStringOrEmpty() + u')';
  return text;
}

}  // namespace data_access::sql
