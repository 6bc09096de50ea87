#include "platform/ado/dbf/TableLayout.h"

#include <QByteArray>

#include "platform/ado/Constants.h"
#include "platform/ado/dbf/Bytes.h"
#include "platform/ado/dbf/DbfFailure.h"
#include "platform/ado/dbf/DbfFormat.h"

namespace ado::dbf {

namespace {

QString hex(uint8_t b) { return QStringLiteral("0x") + QString::number(b, 16).toUpper().rightJustified(2, u'0'); }

QString typeText(char type) {
  const auto b = uint8_t(type);
  return b > 0x20 && b < 0x7F ? QString(QChar::fromLatin1(type)) : hex(b);
}

// The widths a field of each type may have; false for an unknown type.
bool lengthFits(char type, int length) {
  switch (type) {
    case 'C': case 'N': case 'F': case 'V': case 'Q': case kNullFlagsType: return length >= 1;
    case 'D': case 'Y': case 'T': case 'B': return length == 8;
    case 'I': return length == 4;
    case 'L': return length == 1;
    case 'M': case 'G': case 'P': case 'W': return length == 4 || length == 10;
    default: return false;
  }
}

bool knownType(char type) {
  return QByteArrayView("CNFVQDYTBILMGPW").contains(type) || type == kNullFlagsType;
}

TextCodec codecFor(uint8_t languageDriver, std::optional<int> codePage, const QString& name) {
  if (!codePage) {
    codePage = codePageOfLanguageDriver(languageDriver);
    if (!codePage)
      fail(errnum::E_FAIL, QStringLiteral("La tabla %1 indica un idioma desconocido (marca %2); "
                                          "indique su página de códigos con CodePage= en la cadena de conexión.")
                               .arg(name, hex(languageDriver)));
  }
  auto codec = TextCodec::forCodePage(*codePage);
  if (!codec)
    fail(errnum::E_FAIL,
         QStringLiteral("La tabla %1 usa la página de códigos %2, que este sistema no puede convertir.")
             .arg(name)
             .arg(*codePage));
  return *codec;
}

// Field `number` (from 1) of the descriptor list.
FieldLayout readDescriptor(const char* d, int number, const TextCodec& text, const QString& name) {
  FieldLayout f;
  f.name = text.decode(d + descriptor::Name, qstrnlen(d + descriptor::Name, descriptor::NameSize)).trimmed();
  f.type = d[descriptor::Type];
  f.length = uint8_t(d[descriptor::Length]);
  f.decimals = uint8_t(d[descriptor::Decimals]);
  const QString shown = f.name.isEmpty() ? QString::number(number) : f.name;
  if (!knownType(f.type))
    damagedFile(name, QStringLiteral("el campo %1 es de un tipo desconocido (%2)").arg(shown, typeText(f.type)));
  if (f.name.isEmpty()) damagedFile(name, QStringLiteral("el campo %1 no tiene nombre").arg(shown));
  if (!lengthFits(f.type, f.length))
    damagedFile(name, QStringLiteral("el campo %1 de tipo %2 no puede medir %3 bytes")
                          .arg(shown, typeText(f.type))
                          .arg(f.length));
  return f;
}

// Bits of _NullFlags in field order: for a V or Q field its length bit, then
// for a nullable field its Null bit.
void assignNullFlagBits(std::vector<FieldLayout>& fields, const std::vector<uint8_t>& flags, int nullFlagsLength,
                        const QString& name) {
  int next = 0;
  for (size_t i = 0; i < fields.size(); ++i) {
    FieldLayout& f = fields[i];
    if (f.type == 'V' || f.type == 'Q') f.varLengthBit = next++;
    if (flags[i] & fieldflag::Nullable) f.nullBit = next++;
  }
  if (next > 0 && nullFlagsLength == 0)
    damagedFile(name, QStringLiteral("tiene campos anulables o de longitud variable pero no el campo _NullFlags"));
  if (next > nullFlagsLength * 8)
    damagedFile(name, QStringLiteral("el campo _NullFlags no alcanza para sus %1 marcas").arg(next));
}

}  // namespace

bool isMemoType(char type) { return type == 'M' || type == 'G' || type == 'P' || type == 'W'; }
bool isBinaryType(char type) { return type == 'Q' || type == 'G' || type == 'P' || type == 'W'; }

bool TableLayout::hasMemoFields() const {
  for (const FieldLayout& f : fields)
    if (isMemoType(f.type)) return true;
  return false;
}

TableLayout readLayout(QIODevice& file, const QString& name, std::optional<int> codePage) {
  const qint64 fileSize = file.size();
  char prefix[kHeaderPrefix];
  if (!readAt(file, 0, prefix, kHeaderPrefix))
    damagedFile(name, QStringLiteral("el encabezado está incompleto (%1 bytes)").arg(fileSize));

  TableLayout t;
  t.version = uint8_t(prefix[header::Version]);
  if (!isKnownVersion(t.version))
    damagedFile(name, QStringLiteral("no es una tabla dBase o FoxPro conocida (tipo %1)").arg(hex(t.version)));
  t.recordCount = le32(prefix + header::RecordCount);
  t.headerLength = int(le16(prefix + header::HeaderLength));
  t.recordLength = int(le16(prefix + header::RecordLength));
  if (t.headerLength < kHeaderPrefix + 1)
    damagedFile(name, QStringLiteral("la longitud del encabezado (%1) es imposible").arg(t.headerLength));
  if (t.headerLength > fileSize)
    damagedFile(name, QStringLiteral("el encabezado dice medir %1 bytes y el archivo tiene %2")
                          .arg(t.headerLength)
                          .arg(fileSize));
  QByteArray head(t.headerLength, Qt::Uninitialized);
  if (!readAt(file, 0, head.data(), t.headerLength))
    damagedFile(name, QStringLiteral("no se pudo leer el encabezado"));
  t.text = codecFor(uint8_t(prefix[header::LanguageDriver]), codePage, name);

  const bool foxPro = isVisualFoxPro(t.version);
  std::vector<uint8_t> flags;
  int offset = 1;
  int at = kHeaderPrefix;
  for (; at < t.headerLength && uint8_t(head[at]) != kFieldListEnd; at += kDescriptorSize) {
    if (at + kDescriptorSize > t.headerLength)
      damagedFile(name, QStringLiteral("la lista de campos no termina dentro del encabezado"));
    const char* d = head.constData() + at;
    FieldLayout f = readDescriptor(d, (at - kHeaderPrefix) / kDescriptorSize + 1, t.text, name);
    const uint8_t flag = foxPro ? uint8_t(d[descriptor::Flags]) : 0;
    f.offset = offset;
    offset += f.length;
    if (f.type == kNullFlagsType) {
      if (t.nullFlagsOffset >= 0) damagedFile(name, QStringLiteral("tiene dos campos _NullFlags"));
      t.nullFlagsOffset = f.offset;
      t.nullFlagsLength = f.length;
      continue;
    }
    if (flag & fieldflag::System) continue;
    f.binary = (flag & fieldflag::Binary) || isBinaryType(f.type);
    t.fields.push_back(std::move(f));
    flags.push_back(flag);
  }
  if (at >= t.headerLength)
    damagedFile(name, QStringLiteral("la lista de campos no termina dentro del encabezado"));
  if (t.fields.empty()) damagedFile(name, QStringLiteral("la tabla no tiene campos"));
  if (offset != t.recordLength)
    damagedFile(name, QStringLiteral("el encabezado dice que cada registro mide %1 bytes y sus campos suman %2")
                          .arg(t.recordLength)
                          .arg(offset));
  assignNullFlagBits(t.fields, flags, t.nullFlagsLength, name);

  const qint64 room = (fileSize - t.headerLength) / t.recordLength;
  if (t.recordCount > room)
    damagedFile(name, QStringLiteral("el encabezado indica %1 registros y el archivo sólo contiene %2 completos")
                          .arg(t.recordCount)
                          .arg(room));
  return t;
}

}  // namespace ado::dbf
