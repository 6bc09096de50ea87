#pragma once
// A write that waited for another program's lock on the database until its
// time-out ran out: SQL Server's native number for it, which the embedded
// database gives too, and what the operator is told of it.
#include <QString>

namespace data_access {

constexpr long kEsperaDeBloqueoAgotada = 1222;

// That another program is writing to the database and did not end within
// the `Segundos` waited for it; then, after a blank line, what it means for
// the operator.
QString TextoBaseOcupada(int Segundos, const QString& Consecuencia);

}  // namespace data_access
