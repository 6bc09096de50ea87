#include "platform/ado/dbf/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <utility>

namespace ado::dbf {

namespace {

// Language-driver bytes of FoxPro and dBase, in byte order.
constexpr std::pair<uint8_t, int> kLanguageDrivers[] = {
    {0x01, 437},   {0x02, 850},   {0x03, 1252},  {0x04, 10000}, {0x08, 865},   {0x09, 437},  {0x0A, 850},
    {0x0B, 437},   {0x0D, 437},   {0x0E, 850},   {0x0F, 437},   {0x10, 850},   {0x11, 437},  {0x12, 850},
    {0x13, 932},   {0x14, 850},   {0x15, 437},   {0x16, 850},   {0x17, 865},   {0x18, 437},  {0x19, 437},
    {0x1A, 850},   {0x1B, 437},   {0x1C, 863},   {0x1D, 850},   {0x1F, 852},   {0x22, 852},  {0x23, 852},
    {0x24, 860},   {0x25, 850},   {0x26, 866},   {0x37, 850},   {0x40, 852},   {0x4D, 936},  {0x4E, 949},
    {0x4F, 950},   {0x50, 874},   {0x57, 1252},  {0x58, 1252},  {0x59, 1252},  {0x64, 852},  {0x65, 866},
    {0x66, 865},   {0x67, 861},   {0x68, 895},   {0x69, 620},   {0x6A, 737},   {0x6B, 857},  {0x6C, 863},
    {0x78, 950},   {0x79, 949},   {0x7A, 936},   {0x7B, 932},   {0x7C, 874},   {0x7D, 1255}, {0x7E, 1256},
    {0x86, 737},   {0x87, 852},   {0x88, 857},   {0x96, 10007}, {0x97, 10029}, {0x98, 10006}, {0xC8, 1250},
    {0xC9, 1251},  {0xCA, 1254},  {0xCB, 1253},  {0xCC, 1257},
};

bool isMultiByte(int codePage) { return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950; }

QByteArray codecNameOf(int codePage) {
  switch (codePage) {
    case 10000: return "macintosh";
    case 10006: return "x-mac-greek";
    case 10007: return "x-mac-cyrillic";
    case 10029: return "x-mac-centraleurroman";
    default: break;
  }
  if (codePage >= 28591 && codePage <= 28605) return "ISO-8859-" + QByteArray::number(codePage - 28590);
  if (codePage == 874 || codePage >= 900) return "windows-" + QByteArray::number(codePage);
  return "IBM" + QByteArray::number(codePage);
}

}  // namespace

std::optional<int> codePageOfLanguageDriver(uint8_t id) {
  if (id == 0) return kUnmarkedCodePage;
  for (auto [mark, codePage] : kLanguageDrivers)
    if (mark == id) return codePage;
  return std::nullopt;
}

std::optional<uint8_t> languageDriverOf(int codePage) {
  for (auto [mark, page] : kLanguageDrivers)
    if (page == codePage) return mark;
  return std::nullopt;
}

std::optional<TextCodec> TextCodec::forCodePage(int codePage) {
  TextCodec codec;
  codec.codePage_ = codePage;
  codec.codecName_ = codecNameOf(codePage);
  QStringDecoder decoder(codec.codecName_.constData());
  if (!decoder.isValid()) return std::nullopt;
  if (isMultiByte(codePage)) {
    codec.singleByte_ = false;
    return codec;
  }
  // The lower half is ASCII in every one of these code pages (some system
  // tables swap control characters there; FoxPro does not).
  for (int b = 0; b < 0x80; ++b) codec.table_[b] = static_cast<char16_t>(b);
  for (int b = 0x80; b < 0x100; ++b) {
    const char byte = static_cast<char>(b);
    const QString one = decoder.decode(QByteArrayView(&byte, 1));
    decoder.resetState();
    codec.table_[b] = one.size() == 1 ? one.front().unicode() : u'\uFFFD';
  }
  return codec;
}

TextCodec TextCodec::bytes() {
  TextCodec codec;
  for (int b = 0; b < 0x100; ++b) codec.table_[b] = static_cast<char16_t>(b);
  return codec;
}

QString TextCodec::decode(const char* data, qsizetype size) const {
  QString text;
  decodeInto(data, size, text);
  return text;
}

void TextCodec::decodeMultiByte(const char* data, qsizetype size, QString& text) const {
  text = QStringDecoder(codecName_.constData()).decode(QByteArrayView(data, size));
}

std::optional<QByteArray> TextCodec::encode(const QString& text) const {
  if (!singleByte_) {
    QStringEncoder encoder(codecName_.constData());
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) return std::nullopt;
    return bytes;
  }
  QByteArray bytes;
  bytes.reserve(text.size());
  for (QChar c : text) {
    int byte = -1;
    for (int b = 0; b < 0x100 && byte < 0; ++b)
      if (table_[b] == c.unicode()) byte = b;
    if (byte < 0) return std::nullopt;
    bytes.append(static_cast<char>(byte));
  }
  return bytes;
}

}  // namespace ado::dbf
