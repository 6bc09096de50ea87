#pragma once
// The statement a lookup shows: a whole statement as the caller wrote it,
// the layout of the table from the layout file, or a default one read from
// the table's own columns. The first half of ConsultaSearch, before any
// window is shown.
#include <QString>
#include <optional>

namespace core {
class Lib_ClsCons3;
}

namespace lookup {

// Rows a lookup lists at most, from the text of key TopConsArt: its whole
// part ("250" and "250.7" give 250); 1000 for a blank, missing or
// non-numeric key and for anything below 1.
long LimiteFilas(const QString& TopConsArt);

// The statement for `SQL` (a table or view name, or any text holding
// "SELECT"). `Where` comes back in parentheses; `CampoBusqueda` comes back
// as the column the service chose when it chooses one. nullopt when the
// table's layout has too few columns to search by: the operator has been
// told so, and nothing is to be shown.
std::optional<QString> ArmaSentenciaConsulta(const core::Lib_ClsCons3& consultas, const QString& SQL,
                                             QString& CampoBusqueda, QString& Where,
                                             const QString& SentenciaOpcional);

}  // namespace lookup
