#pragma once
// Text of tables in the code page their header names (the language-driver
// byte), decoded to Unicode.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace ado::dbf {

// A table without a mark (byte 0) is read as Windows-1252, the code page
// the restaurant system's Windows machines used.
constexpr int kUnmarkedCodePage = 1252;

// The code page of a language-driver byte; nullopt for an unknown byte.
std::optional<int> codePageOfLanguageDriver(uint8_t id);
// The mark FoxPro writes for a code page; nullopt when none.
std::optional<uint8_t> languageDriverOf(int codePage);

class TextCodec {
 public:
  // Windows numbering: 437, 850 ... (OEM), 874, 932 ... 1250-1258 (ANSI),
  // 10000 ... (Macintosh), 28591-28605 (ISO 8859-1 to 15). nullopt when the
  // system cannot convert that code page.
  static std::optional<TextCodec> forCodePage(int codePage);
  // One character per byte (U+0000..U+00FF): binary fields and fields
  // marked "no code page translation" keep their bytes.
  static TextCodec bytes();

  int codePage() const { return codePage_; }
  QString decode(const char* data, qsizetype size) const;
  // The same into `text`, whose buffer is reused when it is not shared.
  void decodeInto(const char* data, qsizetype size, QString& text) const {
    if (!singleByte_) return decodeMultiByte(data, size, text);
    if (text.size() != size || !text.isDetached()) text.resize(size);
    if (size == 0) return;  // no buffer to fill (and none to allocate)
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < size; ++i) out[i] = table_[static_cast<uint8_t>(data[i])];
  }
  // nullopt when some character has no byte in the code page.
  std::optional<QByteArray> encode(const QString& text) const;

 private:
  TextCodec() = default;
  void decodeMultiByte(const char* data, qsizetype size, QString& text) const;
  int codePage_ = 0;
  // Single-byte code pages decode through a table; the others by name.
  bool singleByte_ = true;
  std::array<char16_t, 256> table_{};
  QByteArray codecName_;
};

}  // namespace ado::dbf
