#include "support/BusyWriter.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace testing_support {

namespace {

// The process's own file system with sleeps that take no time; the default
// one while a writer lives. Registered once and kept: connections opened
// under it may outlive the writer.
sqlite3_vfs* systemVfs = nullptr;
sqlite3_vfs withoutSleeps;
BusyWriter* current = nullptr;

}  // namespace

BusyWriter::BusyWriter(const QString& path, Release release, Keeps keeps) : release_(release), keeps_(keeps) {
  if (!systemVfs) {
    systemVfs = sqlite3_vfs_find(nullptr);
    withoutSleeps = *systemVfs;
    withoutSleeps.zName = "sin_esperas";
    withoutSleeps.xSleep = &BusyWriter::sleep;
  }
  sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, systemVfs->zName);
  // Exclusive locking keeps readers of a database in WAL mode out from the
  // first read on.
  const char* begin = keeps_ == Keeps::Everyone
                          ? "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; SELECT count(*) FROM sqlite_master"
                          : "BEGIN IMMEDIATE";
  if (sqlite3_exec(db_, begin, nullptr, nullptr, nullptr) != SQLITE_OK)
    ADD_FAILURE() << "the writer cannot write: " << sqlite3_errmsg(db_);
  current = this;
  sqlite3_vfs_register(&withoutSleeps, 1);
}

BusyWriter::~BusyWriter() {
  sqlite3_vfs_register(systemVfs, 1);
  current = nullptr;
  sqlite3_close_v2(db_);
}

void BusyWriter::commit() {
  if (!db_ || sqlite3_get_autocommit(db_)) return;
  if (sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
    ADD_FAILURE() << "the writer cannot commit: " << sqlite3_errmsg(db_);
  // An exclusive lock on a database in WAL mode goes only with the
  // connection: the other program closes it.
  if (keeps_ == Keeps::Everyone) {
    sqlite3_close_v2(db_);
    db_ = nullptr;
  }
}

int BusyWriter::sleep(sqlite3_vfs*, int microseconds) {
  if (current) {
    current->waited_ = true;
    current->microseconds_ += microseconds;
    if (current->release_ == Release::AtTheFirstWait) current->commit();
  }
  return microseconds;
}

}  // namespace testing_support
