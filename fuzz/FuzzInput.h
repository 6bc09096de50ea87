#pragma once
// One fuzz input: a table file, perhaps its memo file, and a choice of code
// page. Layout: byte 0 options (bit 0 memo present, bits 1-2 code page:
// header, 850, 1252, 932), bytes 1-4 the table's length (little-endian),
// then the table, then the memo.
#include <QByteArray>
#include <cstdint>
#include <optional>

namespace fuzz {

struct FuzzInput {
  QByteArray table, memo;
  bool hasMemo = false;
  std::optional<int> codePage;
};

inline FuzzInput split(const uint8_t* data, size_t size) {
  FuzzInput in;
  if (size < 5) return in;
  const uint8_t options = data[0];
  in.hasMemo = options & 1;
  constexpr int kPages[] = {0, 850, 1252, 932};
  if (const int page = kPages[(options >> 1) & 3]) in.codePage = page;
  const size_t length = data[1] | size_t(data[2]) << 8 | size_t(data[3]) << 16 | size_t(data[4]) << 24;
  const size_t tableLength = length < size - 5 ? length : size - 5;
  in.table = QByteArray(reinterpret_cast<const char*>(data + 5), qsizetype(tableLength));
  in.memo = QByteArray(reinterpret_cast<const char*>(data + 5 + tableLength), qsizetype(size - 5 - tableLength));
  return in;
}

inline QByteArray join(const QByteArray& table, const QByteArray& memo) {
  QByteArray out(5, '\0');
  out[0] = char(memo.isEmpty() ? 0 : 1);
  for (int i = 0; i < 4; ++i) out[1 + i] = char(uint32_t(table.size()) >> (8 * i));
  return out + table + memo;
}

}  // namespace fuzz
