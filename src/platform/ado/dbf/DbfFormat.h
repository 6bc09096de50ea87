#pragma once
// Byte layout of dBase, FoxPro and Visual FoxPro tables and their memo
// files: what the reader checks and what the fixture writer produces.
#include <cstdint>

namespace ado::dbf {

namespace version {
constexpr uint8_t Dbase3 = 0x03;            // dBase III / FoxBASE+, no memo
constexpr uint8_t VisualFoxPro = 0x30;
constexpr uint8_t VisualFoxProAutoinc = 0x31;
constexpr uint8_t VisualFoxProVarchar = 0x32;
constexpr uint8_t Dbase3Memo = 0x83;        // memo in a .DBT of 512-byte blocks
constexpr uint8_t Dbase4Memo = 0x8B;        // memo in a .DBT with its own block size
constexpr uint8_t FoxPro2Memo = 0xF5;       // memo in a .FPT
}  // namespace version

// Visual FoxPro tables carry field flags, _NullFlags and the 263-byte
// database backlink after the field list.
constexpr bool isVisualFoxPro(uint8_t v) {
  return v == version::VisualFoxPro || v == version::VisualFoxProAutoinc || v == version::VisualFoxProVarchar;
}
constexpr bool isKnownVersion(uint8_t v) {
  return isVisualFoxPro(v) || v == version::Dbase3 || v == version::Dbase3Memo || v == version::Dbase4Memo ||
         v == version::FoxPro2Memo;
}

enum class MemoFormat { Fpt, Dbt };
// The memo file a table of this version uses first (a dBase III table
// without the memo mark may still come with either).
constexpr MemoFormat memoFormatOf(uint8_t v) {
  return v == version::Dbase3Memo || v == version::Dbase4Memo ? MemoFormat::Dbt : MemoFormat::Fpt;
}

constexpr int kHeaderPrefix = 32;       // fixed part before the field descriptors
constexpr int kDescriptorSize = 32;
constexpr int kBacklinkSize = 263;
constexpr uint8_t kFieldListEnd = 0x0D;
constexpr char kLiveMark = ' ';
constexpr char kDeletedMark = '*';
constexpr uint8_t kEndOfFile = 0x1A;

// Offsets inside the fixed header part.
namespace header {
constexpr int Version = 0, RecordCount = 4, HeaderLength = 8, RecordLength = 10, TableFlags = 28,
              LanguageDriver = 29;
}
// Offsets inside a field descriptor.
namespace descriptor {
constexpr int Name = 0, NameSize = 11, Type = 11, Displacement = 12, Length = 16, Decimals = 17,
              Flags = 18;
}
constexpr uint8_t kTableHasMemo = 0x02;

// Field flags of Visual FoxPro descriptors.
namespace fieldflag {
constexpr uint8_t System = 0x01;    // hidden, such as _NullFlags
constexpr uint8_t Nullable = 0x02;
constexpr uint8_t Binary = 0x04;    // no code page translation
}  // namespace fieldflag

constexpr char kNullFlagsType = '0';

// Memo files: a 512-byte header, then blocks addressed by number.
namespace memo {
constexpr int HeaderSize = 512;
constexpr int FptBlockSizeAt = 6;     // big-endian 16 bits
constexpr int FptBlockHeader = 8;     // big-endian type and length
constexpr int DbtBlockSizeAt = 20;    // dBase IV, little-endian 16 bits
constexpr int DbtBlockSize = 512;     // dBase III
constexpr uint8_t Dbase4BlockMark[4] = {0xFF, 0xFF, 0x08, 0x00};
constexpr int Dbase4BlockHeader = 8;  // the mark and the length, which counts them
}  // namespace memo

}  // namespace ado::dbf
