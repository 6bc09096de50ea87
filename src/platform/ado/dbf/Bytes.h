#pragma once
// Integers inside file bytes and exact reads at a position.
#include <QIODevice>
#include <cstdint>
#include <cstring>

namespace ado::dbf {

inline uint32_t le16(const char* p) {
  return uint32_t(uint8_t(p[0])) | uint32_t(uint8_t(p[1])) << 8;
}
inline uint32_t le32(const char* p) { return le16(p) | le16(p + 2) << 16; }
inline int64_t le64(const char* p) {
  return static_cast<int64_t>(uint64_t(le32(p)) | uint64_t(le32(p + 4)) << 32);
}
inline uint32_t be16(const char* p) { return uint32_t(uint8_t(p[0])) << 8 | uint32_t(uint8_t(p[1])); }
inline uint32_t be32(const char* p) { return be16(p) << 16 | be16(p + 2); }

// Reads exactly `size` bytes at `position`; false when the device has fewer.
inline bool readAt(QIODevice& device, qint64 position, char* into, qint64 size) {
  if (!device.seek(position)) return false;
  qint64 done = 0;
  while (done < size) {
    const qint64 n = device.read(into + done, size - done);
    if (n <= 0) return false;
    done += n;
  }
  return true;
}

}  // namespace ado::dbf
