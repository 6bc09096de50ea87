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

BusyWriter::BusyWriter(const QString& path, Release release) : release_(release) {
  if (!systemVfs) {
    systemVfs = sqlite3_vfs_find(nullptr);
    withoutSleeps = *systemVfs;
    withoutSleeps.zName = "sin_esperas";
    withoutSleeps.xSleep = &BusyWriter::sleep;
  }
  sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, systemVfs->zName);
  if (sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
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
  if (sqlite3_get_autocommit(db_)) return;
  if (sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
    ADD_FAILURE() << "the writer cannot commit: " << sqlite3_errmsg(db_);
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
