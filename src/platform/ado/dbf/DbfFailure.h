#pragma once
// The errors of the DBF provider, raised as provider failures so that the
// connection puts them in its Errors collection.
#include <QString>

namespace ado::dbf {

// Raises a provider failure with one error entry.
[[noreturn]] void fail(long number, const QString& description);

// A file whose bytes contradict themselves: "El archivo F está dañado: what."
[[noreturn]] void damagedFile(const QString& file, const QString& what);
// The same for one record (numbered from 1 as the file holds them) and field,
// with SQLSTATE kSqlStateDamagedRow: the cursor passes over the record, so a
// reader can pass over it too and tell it from a damaged file.
[[noreturn]] void damagedRecord(const QString& file, long long record, const QString& field, const QString& what);
// A field whose bytes are no value of its type: reported as damagedRecord,
// with SQLSTATE kSqlStateInvalidValue instead.
[[noreturn]] void invalidValue(const QString& file, long long record, const QString& field, const QString& what);

}  // namespace ado::dbf
