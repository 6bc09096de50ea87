#pragma once
// Per-user synonyms: a user who is not an administrator reads the "SS_"
// twins of a few tables and views. Statements name the plain tables; the
// marker "@Admin_" before a name keeps it plain for everybody.
#include <QString>

namespace data_access {

struct SynonymContext {
  bool esAdmin = false;
  bool confidencialidad = false;
  QString executableName;
};

// The statement as `context`'s user reads it, without any "@Admin_".
QString RewriteForUser(const QString& sql, const SynonymContext& context);

// The statement with every "@Admin_" removed.
QString WithoutAdminMarker(const QString& sql);

}  // namespace data_access
