#pragma once
// The statement texts of the service's lookups and schema changes, blank
// for blank as the suite writes them. Every literal built here is safe: text
// literals double their apostrophes, numbers carry "." as decimal point.
#include <QString>
#include <optional>

#include "platform/runtime/Variant.h"

namespace data_access::sql {

// 'text' with the apostrophes inside doubled.
QString Quoted(const QString& text);
// A text for a LIKE pattern that matches only itself: the pattern's own
// characters "%", "_" and "[" in brackets ("[_]").
QString LikeLiteral(const QString& text);
// The number a caller's text holds: the whole text read with "," or "." as
// decimal point, or else its leading number; 0 when there is none. A number
// beyond a double raises Overflow (6).
double NumberOf(const QString& text);
// A date searched for: 'dd/mm/yyyy' (with the time when it has one); a text
// that is no date is quoted as given.
QString DateLiteral(const QString& text);

QString ExisteEnTabla(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                      const rt::Variant& Tipodato, const QString& Condicion);
QString ExisteEnTablaST(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                        const rt::Variant& Tipodato, const QString& Condicion);
QString DatosTabla(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                   const rt::Variant& Tipodato, const QString& Condicion, bool UsaTrim);

// A condition that is given, even empty, adds its WHERE (and then fails).
QString BuscaMaximo(const QString& QueTabla, const QString& QueCampo, const std::optional<QString>& Condicion);
QString BuscaMinimo(const QString& QueTabla, const QString& QueCampo, const std::optional<QString>& Condicion);
QString BuscaUltimoCodigo(const QString& QueTabla, const QString& QueCampo, const QString& Condicion);

// The default value goes in as given: a text default arrives quoted. On
// Oracle: ALTER TABLE T ADD (C type DEFAULT v NOT NULL), SQL Server's type
// in Oracle's (OracleType).
QString AddField(const QString& Tabla, const QString& Campo, const QString& Tipo, bool PermiteNulos,
                 const std::optional<rt::Variant>& ValorDefault, bool Oracle = false);
// Oracle's type for a type of SQL Server ("int" NUMBER(10), "bit"
// NUMBER(1), "datetime" DATE, "nvarchar(30)" NVARCHAR2(30), "text" CLOB...);
// any other type as given.
QString OracleType(const QString& Tipo);

}  // namespace data_access::sql
