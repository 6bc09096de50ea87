#pragma once
// Writes dBase and FoxPro tables (and their memo files) for tests and demo
// data: define the fields, add records as values, write the file.
//
//   DbfWriter w;                                   // Visual FoxPro, code page 1252
//   w.field("CODIGO", 'N', 6).field("RAZON", 'C', 30);
//   w.add({7, "Pérez"});
//   w.write(folder.file("TXCLI.DBF"));             // and TXCLI.FPT when it has memos
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/ado/dbf/CodePage.h"
#include "platform/ado/dbf/DbfFormat.h"
#include "platform/runtime/Variant.h"

namespace testing_support {

class DbfWriter {
 public:
  explicit DbfWriter(uint8_t version = ado::dbf::version::VisualFoxPro);

  // The code page of the text and its mark in the header (0 when FoxPro
  // has none for it).
  DbfWriter& codePage(int codePage);
  // The header's language-driver byte alone (text stays in the code page).
  DbfWriter& languageDriver(uint8_t mark);
  DbfWriter& memoBlockSize(int bytes);

  // A field; length 0 takes the type's usual width (D, T, Y, B 8; I 4;
  // L 1; M, G, P 4 in Visual FoxPro tables and 10 in the others). `flags`
  // are the Visual FoxPro field flags (ado::dbf::fieldflag).
  DbfWriter& field(const QString& name, char type, int length = 0, int decimals = 0, uint8_t flags = 0);

  // A record, one value per field. Null goes to _NullFlags for a nullable
  // field and is left blank otherwise. A String given for an N, F, D or L
  // field is written as it stands, so tests can store any bytes there.
  DbfWriter& add(const std::vector<rt::Variant>& values);
  DbfWriter& addDeleted(const std::vector<rt::Variant>& values);

  QByteArray tableBytes() const;
  QByteArray memoBytes() const;  // empty when the table has no memo fields
  bool hasMemo() const;
  // The memo file's name beside `tablePath` (same base, .FPT or .DBT in the
  // case of the table's extension).
  QString memoPathFor(const QString& tablePath) const;
  // Writes the table and, when it has memo fields, its memo file.
  void write(const QString& tablePath) const;

 private:
  struct Field {
    QString name;
    char type;
    int length, decimals;
    uint8_t flags;
    int offset = 0, nullBit = -1, varLengthBit = -1;
  };
  void append(const std::vector<rt::Variant>& values, bool deleted);
  QByteArray encodeText(const QString& text, bool binary) const;
  void putValue(char* at, const Field& f, const rt::Variant& v, char* record);
  uint32_t putMemo(const QByteArray& data, const Field& f);
  int nullFlagsOffset() const { return fieldsEnd_; }
  int nullFlagsLength() const { return (flagBits_ + 7) / 8; }
  int recordLength() const { return fieldsEnd_ + nullFlagsLength(); }

  uint8_t version_;
  ado::dbf::TextCodec codec_;
  uint8_t languageDriver_;
  int blockSize_;
  std::vector<Field> fields_;
  int fieldsEnd_ = 1;  // the deletion mark comes first
  int flagBits_ = 0;   // bits of _NullFlags
  long long records_ = 0;
  QByteArray recordBytes_;
  QByteArray memo_;
};

// Writes a byte that marks record `record` (from 1) of the table at
// `tablePath` neither live nor deleted, as a damaged copy of it holds.
void DamageDeletionMark(const QString& tablePath, int record);

}  // namespace testing_support
