#pragma once
// A table shaped like the restaurant system's invoice detail (TXFAC.DBF),
// with made-up vouchers: for tests, benchmarks and demo data.
#include <QString>

namespace testing_support {

// Writes `records` vouchers to `path`; record i (from 0) has Numero i + 1.
void writeTxfacTable(const QString& path, long long records);

}  // namespace testing_support
