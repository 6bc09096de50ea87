#pragma once
// A prepared sqlite3 statement for the floors of the benchmarks: values
// bound in order, run, reset for the next row.
#include <sqlite3.h>

#include <QByteArray>
#include <QString>

struct Statement {
  sqlite3_stmt* st = nullptr;
  int next = 1;
  Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &st, nullptr); }
  ~Statement() { sqlite3_finalize(st); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  Statement& text(const QString& v) {
    const QByteArray b = v.toUtf8();
    sqlite3_bind_text(st, next++, b.constData(), int(b.size()), SQLITE_TRANSIENT);
    return *this;
  }
  Statement& number(double v) {
    sqlite3_bind_double(st, next++, v);
    return *this;
  }
  Statement& integer(int v) {
    sqlite3_bind_int(st, next++, v);
    return *this;
  }
  // Runs a statement that returns no rows.
  bool run() {
    const int rc = sqlite3_step(st);
    sqlite3_reset(st);
    next = 1;
    return rc == SQLITE_DONE;
  }
};
