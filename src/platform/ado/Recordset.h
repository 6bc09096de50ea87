#pragma once
// A row set with ADO's behaviour: states, BOF/EOF, moves, fields by name
// without regard to case (the first of two equal names wins), and, on an
// updatable cursor, AddNew/Update/CancelUpdate writing to the base table.
#include <QString>
#include <cstdio>
#include <memory>
#include <vector>

#include "platform/ado/Constants.h"
#include "platform/ado/Field.h"
#include "platform/ado/provider/Provider.h"

// ADO's EOF member would collide with the C library's EOF macro (-1), which
// nothing here uses: <cstdio> is read first so that it cannot come back.
#undef EOF

namespace ado {

class Connection;

class Recordset {
 public:
  Recordset();
  ~Recordset();
  Recordset(Recordset&&) noexcept;
  Recordset& operator=(Recordset&&) noexcept;
  Recordset(const Recordset&) = delete;
  Recordset& operator=(const Recordset&) = delete;

  // Opens the rows of `source` on `connection`. Raises 3705 when already
  // open, 3709 when the connection is closed, and the provider's errors
  // (also left in the connection's Errors collection).
  void Open(const QString& source, Connection& connection, int cursorType = adOpenForwardOnly,
            int lockType = adLockReadOnly, long options = -1);
  // Raises 3219 while an edit is pending, 3704 when closed.
  void Close();
  int State() const;

  bool BOF() const;
  bool EOF() const;
  // Rows of the set; -1 when a forward-only cursor cannot tell.
  long RecordCount() const;
  void MoveFirst();
  void MoveNext();
  void MovePrevious();
  void MoveLast();

  // Where the current row stands in its source, as the provider numbers its
  // rows (a DBF table's record number, deleted records counted). After a
  // move that reached a row it could not read, that row's, until the next
  // move. Raises 3021 with no current row, 3251 when the provider has no
  // bookmarks.
  rt::Variant Bookmark() const;

  int CursorType() const;
  int LockType() const;
  QString Source() const;

  // Fields of the current row.
  int FieldCount() const;
  Field Fields(int index);
  // Raises 3265 for an unknown name.
  Field Fields(const QString& name);
  Field operator[](const QString& name) { return Fields(name); }

  void AddNew();
  void Update();
  void CancelUpdate();
  // 0 none, 1 editing the current row, 2 adding a new one.
  int EditMode() const;

 private:
  friend class Field;
  friend class Connection;
  struct Impl;
  std::unique_ptr<Impl> d_;
  // Used by Connection::Execute and OpenSchema.
  void attach(Connection& connection, std::unique_ptr<provider::Cursor> rows, int cursorType, const QString& source);
  // Used by Field.
  const provider::ColumnInfo& column(int index) const;
  rt::Variant value(int index) const;
  void assign(int index, const rt::Variant& value);
};

}  // namespace ado
