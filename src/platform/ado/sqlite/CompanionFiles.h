#pragma once
// The files SQLite keeps beside a database in WAL mode, "-wal" and "-shm".
// Any opening creates them, a read-only one too, with the database file's
// mode and owned by whoever opened it; one that cannot write the database
// cannot remove them when it closes. Left with a read-only mode, they make a
// later opening read-only even once the database file may be written (a
// file made writable after a user opened it read-only), and SQLite tells
// that only as a read-only database.
#include <QString>
#include <optional>

namespace ado::sqlite {

// Before a writable opening reads the database: a companion file of this
// user that it cannot write gets the database file's mode, the one SQLite
// gives a new one. Other users' are left as they are.
void RestoreCompanionFiles(const QString& databasePath);

// The companion file that keeps the database from being written because
// this user cannot write it; nullopt when there is none.
std::optional<QString> UnwritableCompanionFile(const QString& databasePath);

// Whether a companion file SQLite must make cannot be made: the database
// file may be read, and its folder takes no writes from this user.
bool CompanionFilesCannotBeMade(const QString& databasePath);

}  // namespace ado::sqlite
