#pragma once
// Rows are written from a list of column/value pairs: AgregaCampo renders
// each value as an SQL literal at once, and the builders turn the list into
// INSERT or UPDATE text. The program-wide list is gCore().ListaCampos.
#include <QString>
#include <optional>
#include <vector>

#include "platform/runtime/Variant.h"

namespace core {

struct CampoValor {
  QString Campo;  // column name, unchanged
  QString Valor;  // SQL literal text, quoted or bare
};

using ListaDeCampos = std::vector<CampoValor>;

// Adds a pair to gCore().ListaCampos; `Primero` starts the list afresh.
// Every apostrophe is removed from the value, the caller's variable too.
// `Tipo` is the kind of DB_Dll::SQLValue ("'" quoted text, "@" number); a
// value NULL in any case becomes the bare word Null. A list emptied by a
// builder must be restarted with Primero = true (error 9 otherwise).
void AgregaCampo(const QString& Campo, QString& Valor, const QString& Tipo, bool Primero);
void AgregaCampo(const QString& Campo, const QString& Valor, const QString& Tipo, bool Primero);

// Appends "(columns) VALUES (values)" to the caller's prefix
// ("INSERT INTO T "); `Limpiar` empties the list afterwards.
void ArmaInsert(QString& Texto, ListaDeCampos& Lista, bool Limpiar);

// Appends an INSERT INTO (Actualiza false) or UPDATE ... SET ... statement to
// `Sentencias`, followed by a blank element. A condition without "WHERE"
// becomes " WHERE " + condition (in the caller's variable too). Without
// `Conserva` the list is left with one blank pair.
void ArmaSentenciaSQL(ListaDeCampos& Lista, std::vector<QString>& Sentencias, const QString& Tabla, bool Actualiza,
                      QString& Condicion, bool Conserva);
void ArmaSentenciaSQL(ListaDeCampos& Lista, std::vector<QString>& Sentencias, const QString& Tabla, bool Actualiza,
                      const QString& Condicion, bool Conserva);

// Campo + Operador + Delimitador + Valores(i) + Delimitador for each value,
// joined by `Conector`; with `SoloCargados` blank values after the first are
// left out; `IncluyeNulos` true adds Conector + Campo + " is null ". "1=1"
// when it cannot be built.
QString ArmaCondicionSQL(const QString& Campo, const QString& Operador, const std::vector<QString>& Valores,
                         const QString& Conector, const QString& Delimitador,
                         const std::optional<rt::Variant>& IncluyeNulos = std::nullopt, bool SoloCargados = false);

}  // namespace core
