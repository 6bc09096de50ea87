#pragma once
// F5 in a lookup window: the statement of the moment narrowed by a LIKE
// condition on the text typed, put before its ORDER BY (or GROUP BY) tail.
// Each search extends the statement it is given, so searches add up. The
// typed text goes into the statement as a literal: its apostrophes are
// doubled; its wildcards stay.
#include <QString>

namespace lookup {

// The list window. `SQLBase` and `SQLCola` are the window's statement
// without its tail and the tail, kept between searches: without a tail in
// `SQL` the base is left as it was. Columns of an article statement are
// qualified with its table ("stk_ma_articulos." or "v_ma_articulos.").
// `Contiene`: the text anywhere in the column; otherwise at its start.
QString SentenciaBusquedaLista(const QString& SQL, QString& SQLBase, QString& SQLCola, const QString& Campo,
                               const QString& Texto, bool Contiene);

// The tree window: the descriptions containing the text. `SentenciaBase`
// and `ClausulaOrden` come back as the statement without its ORDER BY
// tail and the tail.
QString SentenciaBusquedaArbol(const QString& SQL, QString& SentenciaBase, QString& ClausulaOrden,
                               const QString& Texto);

}  // namespace lookup
