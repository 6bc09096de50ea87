#include "support/BrokenLink.h"

#include <sqlite3.h>

#include <atomic>
#include <cstdint>

namespace testing_support {

namespace {

sqlite3_vfs* real = nullptr;
std::atomic<uint64_t> opened{0};  // files opened so far; each gets its number
std::atomic<uint64_t> brokenUpTo{0};

// Our file, with the real one right behind it.
struct File {
  sqlite3_file base;
  uint64_t number;
  sqlite3_file* real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

File* of(sqlite3_file* f) { return reinterpret_cast<File*>(f); }
bool broken(sqlite3_file* f) { return of(f)->number <= brokenUpTo; }

int xClose(sqlite3_file* f) { return of(f)->real()->pMethods->xClose(of(f)->real()); }
int xRead(sqlite3_file* f, void* buffer, int amount, sqlite3_int64 offset) {
  if (broken(f)) return SQLITE_IOERR_READ;
  return of(f)->real()->pMethods->xRead(of(f)->real(), buffer, amount, offset);
}
int xWrite(sqlite3_file* f, const void* buffer, int amount, sqlite3_int64 offset) {
  if (broken(f)) return SQLITE_IOERR_WRITE;
  return of(f)->real()->pMethods->xWrite(of(f)->real(), buffer, amount, offset);
}
int xTruncate(sqlite3_file* f, sqlite3_int64 size) {
  if (broken(f)) return SQLITE_IOERR_TRUNCATE;
  return of(f)->real()->pMethods->xTruncate(of(f)->real(), size);
}
int xSync(sqlite3_file* f, int flags) {
  if (broken(f)) return SQLITE_IOERR_FSYNC;
  return of(f)->real()->pMethods->xSync(of(f)->real(), flags);
}
int xFileSize(sqlite3_file* f, sqlite3_int64* size) {
  if (broken(f)) return SQLITE_IOERR_FSTAT;
  return of(f)->real()->pMethods->xFileSize(of(f)->real(), size);
}
int xLock(sqlite3_file* f, int level) {
  if (broken(f)) return SQLITE_IOERR_LOCK;
  return of(f)->real()->pMethods->xLock(of(f)->real(), level);
}
int xUnlock(sqlite3_file* f, int level) { return of(f)->real()->pMethods->xUnlock(of(f)->real(), level); }
int xCheckReservedLock(sqlite3_file* f, int* out) {
  if (broken(f)) return SQLITE_IOERR_CHECKRESERVEDLOCK;
  return of(f)->real()->pMethods->xCheckReservedLock(of(f)->real(), out);
}
int xFileControl(sqlite3_file* f, int op, void* arg) {
  return of(f)->real()->pMethods->xFileControl(of(f)->real(), op, arg);
}
int xSectorSize(sqlite3_file* f) { return of(f)->real()->pMethods->xSectorSize(of(f)->real()); }
int xDeviceCharacteristics(sqlite3_file* f) {
  return of(f)->real()->pMethods->xDeviceCharacteristics(of(f)->real());
}
int xShmMap(sqlite3_file* f, int region, int size, int extend, void volatile** out) {
  if (broken(f)) return SQLITE_IOERR_SHMMAP;
  return of(f)->real()->pMethods->xShmMap(of(f)->real(), region, size, extend, out);
}
int xShmLock(sqlite3_file* f, int offset, int n, int flags) {
  // Unlocking always works, so that a connection can still be closed.
  if (broken(f) && (flags & SQLITE_SHM_LOCK)) return SQLITE_IOERR_SHMLOCK;
  return of(f)->real()->pMethods->xShmLock(of(f)->real(), offset, n, flags);
}
void xShmBarrier(sqlite3_file* f) { of(f)->real()->pMethods->xShmBarrier(of(f)->real()); }
int xShmUnmap(sqlite3_file* f, int deleteFlag) { return of(f)->real()->pMethods->xShmUnmap(of(f)->real(), deleteFlag); }
// No memory-mapped reads: every read goes through xRead.
int xFetch(sqlite3_file*, sqlite3_int64, int, void** out) {
  *out = nullptr;
  return SQLITE_OK;
}
int xUnfetch(sqlite3_file*, sqlite3_int64, void*) { return SQLITE_OK; }

const sqlite3_io_methods kMethods = {3,
                                     xClose,
                                     xRead,
                                     xWrite,
                                     xTruncate,
                                     xSync,
                                     xFileSize,
                                     xLock,
                                     xUnlock,
                                     xCheckReservedLock,
                                     xFileControl,
                                     xSectorSize,
                                     xDeviceCharacteristics,
                                     xShmMap,
                                     xShmLock,
                                     xShmBarrier,
                                     xShmUnmap,
                                     xFetch,
                                     xUnfetch};

int xOpen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* f, int flags, int* outFlags) {
  File* file = of(f);
  file->base.pMethods = nullptr;
  const int rc = real->xOpen(real, name, file->real(), flags, outFlags);
  if (file->real()->pMethods) {
    file->number = ++opened;
    file->base.pMethods = &kMethods;
  }
  return rc;
}
int xDelete(sqlite3_vfs*, const char* name, int syncDir) { return real->xDelete(real, name, syncDir); }
int xAccess(sqlite3_vfs*, const char* name, int flags, int* out) { return real->xAccess(real, name, flags, out); }
int xFullPathname(sqlite3_vfs*, const char* name, int n, char* out) { return real->xFullPathname(real, name, n, out); }
void* xDlOpen(sqlite3_vfs*, const char* name) { return real->xDlOpen(real, name); }
void xDlError(sqlite3_vfs*, int n, char* out) { real->xDlError(real, n, out); }
void (*xDlSym(sqlite3_vfs*, void* handle, const char* symbol))(void) { return real->xDlSym(real, handle, symbol); }
void xDlClose(sqlite3_vfs*, void* handle) { real->xDlClose(real, handle); }
int xRandomness(sqlite3_vfs*, int n, char* out) { return real->xRandomness(real, n, out); }
int xSleep(sqlite3_vfs*, int micro) { return real->xSleep(real, micro); }
int xCurrentTime(sqlite3_vfs*, double* out) { return real->xCurrentTime(real, out); }
int xGetLastError(sqlite3_vfs*, int n, char* out) { return real->xGetLastError(real, n, out); }
int xCurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* out) { return real->xCurrentTimeInt64(real, out); }

sqlite3_vfs vfs;

void install() {
  static const bool installed = [] {
    real = sqlite3_vfs_find(nullptr);
    vfs = sqlite3_vfs{2,           static_cast<int>(sizeof(File)) + real->szOsFile,
                      real->mxPathname, nullptr,
                      "vinculo_roto",   nullptr,
                      xOpen,            xDelete,
                      xAccess,          xFullPathname,
                      xDlOpen,          xDlError,
                      xDlSym,           xDlClose,
                      xRandomness,      xSleep,
                      xCurrentTime,     xGetLastError,
                      xCurrentTimeInt64, nullptr,
                      nullptr,          nullptr};
    return sqlite3_vfs_register(&vfs, 1) == SQLITE_OK;
  }();
  (void)installed;
}

}  // namespace

BrokenLink::BrokenLink() { install(); }

BrokenLink::~BrokenLink() { brokenUpTo = 0; }

void BrokenLink::breakOpenFiles() { brokenUpTo = opened.load(); }

}  // namespace testing_support
