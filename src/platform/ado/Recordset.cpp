#include "platform/ado/Recordset.h"

#include <algorithm>

#include "platform/ado/ColumnConversion.h"
#include "platform/ado/Connection.h"
#include "platform/ado/ConnectionLink.h"
#include "platform/ado/RuntimeErrors.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

namespace ado {

namespace {

using Row = std::vector<rt::Variant>;

bool updatableLock(int lockType) {
  return lockType == adLockPessimistic || lockType == adLockOptimistic || lockType == adLockBatchOptimistic;
}

}  // namespace

// Rows are fetched from the provider's cursor as the position needs them. A
// scrollable (or updatable) set keeps every fetched row; a forward-only one
// keeps only the current row, and its RecordCount is unknown.
struct Recordset::Impl {
  std::shared_ptr<ConnectionLink> link;
  std::unique_ptr<provider::Cursor> cursor;
  std::unique_ptr<provider::RowWriter> writer;
  int cursorType = adOpenForwardOnly;
  int lockType = adLockReadOnly;
  QString source;

  bool keepAll = false;
  bool exhausted = false;
  std::vector<Row> rows;  // keepAll: every fetched row; otherwise rows[0] is the current one
  std::vector<rt::Variant> marks;  // the provider's bookmark of each row of `rows` (Empty: none)
  Row spare;
  // The bookmark of the row the last move reached and could not read, until
  // the next move; Empty otherwise.
  rt::Variant unread;
  long pos = 0;  // index of the current row among all rows of the set
  bool bof = true, eof = true;

  enum EditMode { None = 0, Editing = 1, Adding = 2 };
  int editMode = None;
  Row edit;
  std::vector<bool> touched;
  struct Position {
    long pos;
    bool bof, eof;
  } beforeAdd{0, true, true};

  bool isOpen() const { return cursor && link->session; }
  const std::vector<provider::ColumnInfo>& columns() const { return cursor->columns(); }
  Errors& errors() const { return link->connection->Errors(); }

  size_t currentIndex() const { return keepAll ? static_cast<size_t>(pos) : 0; }
  Row& current() { return rows[currentIndex()]; }
  const Row& current() const { return rows[currentIndex()]; }
  bool hasCurrent() const { return editMode == Adding || (!bof && !eof); }

  // Reads one more row: appended (keepAll) or made the current one.
  bool fetch() {
    if (exhausted) return false;
    Row& target = keepAll ? rows.emplace_back() : spare;
    bool got = false;
    const LockWaitOfCall wait;
    try {
      got = cursor->next(target);
    } catch (const provider::Failure& failure) {
      if (keepAll) rows.pop_back();
      exhausted = !cursor->continuesAfterFailure();
      unread = cursor->bookmark();
      raiseFailure(failure, errors());
    }
    if (!got) {
      if (keepAll) rows.pop_back();
      exhausted = true;
      return false;
    }
    if (keepAll) {
      marks.push_back(cursor->bookmark());
    } else {
      if (rows.empty()) {
        rows.emplace_back();
        marks.emplace_back();
      }
      std::swap(rows[0], target);
      marks[0] = cursor->bookmark();
    }
    return true;
  }
  // keepAll: makes sure row `index` has been read.
  bool fetchThrough(long index) {
    while (static_cast<long>(rows.size()) <= index)
      if (!fetch()) return false;
    return true;
  }
  void fetchAll() {
    while (fetch()) {
    }
  }

  void start(std::unique_ptr<provider::Cursor> rowsOf) {
    cursor = std::move(rowsOf);
    writer.reset();
    rows.clear();
    marks.clear();
    unread = rt::Variant();
    exhausted = false;
    editMode = None;
    // Before the first row is read the set stands ahead of it, so a first
    // row that cannot be read leaves the rows after it to MoveNext.
    pos = 0;
    bof = true;
    eof = false;
    if (updatableLock(lockType)) fetchAll();  // never write to a table while still reading it
    bool any = keepAll ? fetchThrough(0) : fetch();
    bof = eof = !any;
  }

  void close() {
    cursor.reset();
    writer.reset();
    rows.clear();
    marks.clear();
    unread = rt::Variant();
    spare.clear();
    edit.clear();
    editMode = None;
  }

  // The open recordset's state; raises 3704 when it is closed (also when its
  // connection was closed since).
  Impl& live() {
    if (!isOpen()) {
      if (cursor) close();
      raise(errnum::ClosedObject, kRecordsetSource);
    }
    return *this;
  }

  // Saves a pending edit, as ADO does before a move.
  void savePending();
  // The open set about to move: its pending edit saved, the row it could
  // not read left behind.
  Impl& moving() {
    Impl& d = live();
    d.savePending();
    d.unread = rt::Variant();
    return d;
  }
  void ensureWriter();
};

Recordset::Recordset() : d_(std::make_unique<Impl>()) {}
Recordset::~Recordset() = default;
// A moved-from recordset stays usable (closed, or holding what the target
// held before).
Recordset::Recordset(Recordset&& other) noexcept : d_(std::make_unique<Impl>()) { std::swap(d_, other.d_); }
Recordset& Recordset::operator=(Recordset&& other) noexcept {
  std::swap(d_, other.d_);
  return *this;
}

void Recordset::Open(const QString& source, Connection& connection, int cursorType, int lockType, long /*options*/) {
  if (State() == adStateOpen) raise(errnum::AlreadyOpen, kRecordsetSource);
  provider::Session* session = connection.session();
  if (!session) raise(errnum::ConnectionUnusable, kRecordsetSource);
  std::unique_ptr<provider::Cursor> rows = Guarded(connection.Errors(), [&] { return session->open(source); });
  d_->close();
  d_->source = source;
  d_->lockType = lockType == adLockUnspecified ? adLockReadOnly : lockType;
  d_->cursorType = cursorType == adOpenUnspecified ? adOpenForwardOnly : cursorType;
  if (!rows) return;  // the statement returns no rows: the recordset stays closed
  attach(connection, std::move(rows), d_->cursorType, source);
}

void Recordset::attach(Connection& connection, std::unique_ptr<provider::Cursor> rows, int cursorType,
                       const QString& source) {
  Impl& d = *d_;
  d.link = connection.link();
  d.source = source;
  // Client-side cursors are always static.
  d.cursorType = connection.CursorLocation() == adUseClient ? adOpenStatic : cursorType;
  d.keepAll = d.cursorType != adOpenForwardOnly || updatableLock(d.lockType);
  d.start(std::move(rows));
}

void Recordset::Close() {
  Impl& d = d_->live();
  if (d.editMode != Impl::None) raise(errnum::NotAllowedInContext, kRecordsetSource);
  d.close();
}

int Recordset::State() const { return d_->isOpen() ? adStateOpen : adStateClosed; }

bool Recordset::BOF() const {
  const Impl& d = d_->live();
  return d.editMode != Impl::Adding && d.bof;
}

bool Recordset::EOF() const {
  const Impl& d = d_->live();
  return d.editMode != Impl::Adding && d.eof;
}

long Recordset::RecordCount() const {
  Impl& d = d_->live();
  if (!d.keepAll) return d.cursor->knownCount() >= 0 ? static_cast<long>(d.cursor->knownCount()) : -1;
  // Counting reads ahead without moving: a row it cannot read is not the
  // one the set stands on.
  const rt::Variant unread = d.unread;
  try {
    d.fetchAll();
  } catch (const rt::Error&) {
    d.unread = unread;
    throw;
  }
  return static_cast<long>(d.rows.size());
}

void Recordset::Impl::ensureWriter() {
  if (writer) return;
  writer = Guarded(errors(), [&] { return link->session->writerFor(source, columns()); });
}

// Updatable sets keep every row (see start), so the new row is appended.
void Recordset::Impl::savePending() {
  if (editMode == None) return;
  if (editMode == Editing && std::find(touched.begin(), touched.end(), true) == touched.end()) {
    editMode = None;
    return;
  }
  ensureWriter();
  // On failure the edit stays pending.
  Row stored = Guarded(errors(), [&] {
    return editMode == Adding ? writer->insert(columns(), edit, touched)
                              : writer->update(columns(), current(), edit, touched);
  });
  if (editMode == Adding) {
    rows.push_back(std::move(stored));
    marks.emplace_back();
    pos = static_cast<long>(rows.size()) - 1;
    bof = eof = false;
  } else {
    current() = std::move(stored);
  }
  editMode = None;
}

void Recordset::MoveFirst() {
  Impl& d = d_->moving();
  if (d.keepAll) {
    if (!d.fetchThrough(0)) raise(errnum::BofOrEof, kRecordsetSource);
    d.pos = 0;
    d.bof = d.eof = false;
    return;
  }
  if (d.pos == 0 && !d.bof && !d.eof) return;
  // A forward-only cursor starts again by running its statement again.
  std::unique_ptr<provider::Cursor> rows = Guarded(d.errors(), [&] { return d.link->session->open(d.source); });
  if (!rows) raise(errnum::BofOrEof, kRecordsetSource);
  d.start(std::move(rows));
  if (d.eof) raise(errnum::BofOrEof, kRecordsetSource);
}

void Recordset::MoveNext() {
  Impl& d = d_->moving();
  if (d.eof) raise(errnum::BofOrEof, kRecordsetSource);
  long target = d.bof ? 0 : d.pos + 1;
  d.eof = !(d.keepAll ? d.fetchThrough(target) : d.fetch());
  d.bof = false;
  d.pos = target;
}

void Recordset::MovePrevious() {
  Impl& d = d_->moving();
  if (!d.keepAll) raise(errnum::NotSupported, kRecordsetSource);
  if (d.bof) raise(errnum::BofOrEof, kRecordsetSource);
  if (d.eof) d.fetchAll();
  long target = d.eof ? static_cast<long>(d.rows.size()) - 1 : d.pos - 1;
  d.eof = false;
  if (target < 0) {
    d.pos = 0;
    d.bof = true;
  } else {
    d.pos = target;
  }
}

void Recordset::MoveLast() {
  Impl& d = d_->moving();
  if (!d.keepAll) raise(errnum::NotSupported, kRecordsetSource);
  d.fetchAll();
  if (d.rows.empty()) raise(errnum::BofOrEof, kRecordsetSource);
  d.pos = static_cast<long>(d.rows.size()) - 1;
  d.bof = d.eof = false;
}

rt::Variant Recordset::Bookmark() const {
  const Impl& d = d_->live();
  if (!d.unread.isEmpty()) return d.unread;
  if (d.editMode == Impl::Adding || !d.hasCurrent()) raise(errnum::BofOrEof, kRecordsetSource);
  const rt::Variant& mark = d.marks[d.currentIndex()];
  if (mark.isEmpty()) raise(errnum::NotSupported, kRecordsetSource);
  return mark;
}

int Recordset::CursorType() const { return d_->cursorType; }
int Recordset::LockType() const { return d_->lockType; }
QString Recordset::Source() const { return d_->source; }

int Recordset::FieldCount() const { return static_cast<int>(d_->live().columns().size()); }

Field Recordset::Fields(int index) {
  if (index < 0 || index >= FieldCount()) raise(errnum::ItemNotFound, kRecordsetSource);
  return Field(this, index);
}

Field Recordset::Fields(const QString& name) {
  const auto& columns = d_->live().columns();
  for (size_t i = 0; i < columns.size(); ++i)
    if (rt::EqualsText(columns[i].name, name)) return Field(this, static_cast<int>(i));
  raise(errnum::ItemNotFound, kRecordsetSource);
}

const provider::ColumnInfo& Recordset::column(int index) const {
  return d_->live().columns()[static_cast<size_t>(index)];
}

rt::Variant Recordset::value(int index) const {
  const Impl& d = d_->live();
  if (d.editMode != Impl::None) return d.edit[static_cast<size_t>(index)];
  if (!d.hasCurrent()) raise(errnum::BofOrEof, kFieldSource);
  return d.current()[static_cast<size_t>(index)];
}

void Recordset::assign(int index, const rt::Variant& value) {
  Impl& d = d_->live();
  if (!updatableLock(d.lockType)) raise(errnum::NotSupported, kFieldSource);
  if (d.editMode == Impl::None) {
    if (!d.hasCurrent()) raise(errnum::BofOrEof, kFieldSource);
    d.edit = d.current();
    d.touched.assign(d.edit.size(), false);
    d.editMode = Impl::Editing;
  }
  rt::Variant converted = ConvertForColumn(d.columns()[static_cast<size_t>(index)], value);
  d.edit[static_cast<size_t>(index)] = std::move(converted);
  d.touched[static_cast<size_t>(index)] = true;
}

void Recordset::AddNew() {
  Impl& d = d_->live();
  if (!updatableLock(d.lockType)) raise(errnum::NotSupported, kRecordsetSource);
  d.savePending();
  d.ensureWriter();
  d.beforeAdd = {d.pos, d.bof, d.eof};
  d.edit.assign(d.columns().size(), rt::Variant::null());
  d.touched.assign(d.edit.size(), false);
  d.editMode = Impl::Adding;
}

void Recordset::Update() { d_->live().savePending(); }

void Recordset::CancelUpdate() {
  Impl& d = d_->live();
  if (d.editMode == Impl::Adding) {
    d.pos = d.beforeAdd.pos;
    d.bof = d.beforeAdd.bof;
    d.eof = d.beforeAdd.eof;
  }
  d.editMode = Impl::None;
  d.edit.clear();
}

int Recordset::EditMode() const { return d_->live().editMode; }

}  // namespace ado
