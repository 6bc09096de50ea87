#include "platform/suite/Utilidades.h"

#include <QRegularExpression>
#include <QVarLengthArray>
#include <cstdint>

#include "platform/runtime/Environment.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"

namespace suite {

namespace {

// [-+] digits [. digits] [e [-+] digits], with at least one digit before the
// exponent; ASCII digits only.
bool isPlainNumber(QStringView t) {
  const auto digit = [&](qsizetype i) { return i < t.size() && t[i] >= u'0' && t[i] <= u'9'; };
  qsizetype i = 0;
  if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) ++i;
  qsizetype digits = 0;
  for (; digit(i); ++i) ++digits;
  if (i < t.size() && t[i] == u'.')
    for (++i; digit(i); ++i) ++digits;
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
    ++i;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) ++i;
    if (!digit(i)) return false;
    while (digit(i)) ++i;
  }
  return i == t.size();
}

// Separator handling shared by both number readers: the text with '.' as
// the only decimal point and no grouping, written into `out`; false when
// the input is not a number.
using NumberText = QVarLengthArray<QChar, 64>;
bool normalisedNumber(const QString& input, NumberText& out) {
  const QStringView t = QStringView(input).trimmed();
  qsizetype dots = 0, commas = 0, lastDot = -1, lastComma = -1;
  for (qsizetype i = 0; i < t.size(); ++i) {
    if (t[i] == u'.') ++dots, lastDot = i;
    else if (t[i] == u',') ++commas, lastComma = i;
  }
  QChar decimal;
  if (dots && commas) decimal = lastDot > lastComma ? u'.' : u',';
  else if (dots == 1) decimal = u'.';
  else if (commas == 1) decimal = u',';
  out.clear();
  for (QChar c : t) {
    if (c == u'.' || c == u',') {
      if (c == decimal) out.append(u'.');
      // otherwise a group separator: dropped
    } else {
      out.append(c);
    }
  }
  return isPlainNumber(QStringView(out.data(), out.size()));
}

constexpr unsigned char kKey[] = {0x4B, 0x6F, 0x72, 0x61, 0x4E, 0x65, 0x74, 0x32};

// The rolling key over the bytes: applied twice it gives them back.
void applyKey(QByteArray& bytes) {
  for (qsizetype i = 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<char>(static_cast<unsigned char>(bytes[i]) ^ kKey[i % sizeof kKey] ^ (i * 7 & 0xFF));
}

// Four check bytes of the plain text (FNV-1a), so that only what Codifica
// wrote is decoded.
QByteArray checkOf(const QByteArray& plain) {
  uint32_t hash = 2166136261u;
  for (char c : plain) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  QByteArray check(4, '\0');
  for (int i = 0; i < 4; ++i) check[i] = static_cast<char>(hash >> (24 - 8 * i));
  return check;
}

}  // namespace

rt::Currency Utilidades::TextoANumero(const QString& text) const {
  if (rt::Trim(text).isEmpty()) return rt::Currency();
  NumberText n;
  auto c = normalisedNumber(text, n) ? rt::Currency::parse(QStringView(n.data(), n.size())) : std::nullopt;
  if (!c) rt::raise(rt::err::TypeMismatch);
  return *c;
}

double Utilidades::TextoADoble(const QString& text) const {
  if (rt::Trim(text).isEmpty()) return 0.0;
  NumberText n;
  bool ok = false;
  const double d = normalisedNumber(text, n) ? QStringView(n.data(), n.size()).toDouble(&ok) : 0.0;
  if (!ok) rt::raise(rt::err::TypeMismatch);
  return d;
}

int32_t Utilidades::TextoAEntero(const QString& text) const {
  return rt::CLng(TextoANumero(text).rounded(0).toDouble());
}

rt::Variant Utilidades::ValorCampo(const rt::Variant& value) const {
  if (value.isNull() || value.isEmpty()) return rt::Variant(QString());
  return value;
}

QString Utilidades::QuitaCaracteres(const QString& text, const QString& c1, const QString& c2,
                                    const QString& c3) const {
  QString out = text;
  for (const QString* c : {&c1, &c2, &c3})
    if (!c->isEmpty()) out.remove(*c);
  return out;
}

QString Utilidades::Reemplaza(const QString& text, const QString& find, const QString& with) const {
  return rt::Replace(text, find, with);
}

namespace {

// Characters that go on a name: a table name found with one of them on
// either side is part of a longer name.
bool isNameCharacter(QChar c) {
  return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

}  // namespace

QString Utilidades::ReemplazaTexto(const QString& sql, const QString& tabla, const QString& reemplazo) const {
  if (tabla.isEmpty()) return sql;
  QString out;
  qsizetype done = 0;
  for (int at = rt::InStr(sql, tabla, rt::Compare::Text); at > 0; at = rt::InStr(at + 1, sql, tabla, rt::Compare::Text)) {
    const qsizetype begin = at - 1, end = begin + tabla.size();
    if (begin < done) continue;
    if ((begin > 0 && isNameCharacter(sql[begin - 1])) || (end < sql.size() && isNameCharacter(sql[end]))) continue;
    out.append(QStringView(sql).mid(done, begin - done)).append(reemplazo);
    done = end;
  }
  return done == 0 ? sql : out.append(QStringView(sql).mid(done));
}

QString Utilidades::QuitaComillas(const QString& text) const {
  QString out = text;
  return out.remove(u'\'').remove(u'"');
}

QString Utilidades::NormalizaCodigo(const QString& codigo) const { return RellenaCodigo(codigo, 25); }

QString Utilidades::NormalizaCodigo(double cantidad) const { return rt::Currency::fromDouble(cantidad).toSqlText(); }

QString Utilidades::RellenaCodigo(const QString& code, int width) const {
  QString t = rt::Trim(code);
  if (t.isEmpty()) return t;
  for (QChar c : t)
    if (!c.isDigit()) return t;
  return t.size() >= width ? t : QString(width - t.size(), u' ') + t;
}

QString Utilidades::LimitaTexto(const QString& text, int length) const {
  return text.left(std::max(length, 0));
}

int Utilidades::CuentaPalabras(const QString& text) const {
  static const QRegularExpression blanks(QStringLiteral("[ \\t\\r\\n]+"));
  return static_cast<int>(text.split(blanks, Qt::SkipEmptyParts).size());
}

void Utilidades::SeparaRuta(const QString& path, QString& carpeta, QString& archivo, QString& extension,
                            QString& nombre) const {
  QString p = path;
  p.replace(u'\\', u'/');
  qsizetype slash = p.lastIndexOf(u'/');
  carpeta = slash < 0 ? QString() : p.left(slash + 1);
  archivo = p.mid(slash + 1);
  qsizetype dot = archivo.lastIndexOf(u'.');
  extension = dot < 0 ? QString() : archivo.mid(dot + 1);
  nombre = dot < 0 ? archivo : archivo.left(dot);
}

QString Utilidades::NormalizaCarpeta(const QString& folder) const {
  QString f = rt::Trim(folder);
  f.replace(u'\\', u'/');
  if (!f.isEmpty() && !f.endsWith(u'/')) f += u'/';
  return f;
}

bool Utilidades::EstaEnLista(const QString& text, const QStringList& values) const {
  for (const QString& v : values)
    if (rt::EqualsText(text, v)) return true;
  return false;
}

QString Utilidades::Codifica(const QString& text) const {
  const QByteArray plain = text.toUtf8();
  QByteArray bytes = plain + checkOf(plain);
  applyKey(bytes);
  return QString::fromLatin1(bytes.toHex().toUpper());
}

QString Utilidades::Decodifica(const QString& text) const {
  static const QRegularExpression hex(QStringLiteral("^([0-9A-F]{2}){4,}$"));
  if (!hex.match(text).hasMatch()) return text;
  QByteArray bytes = QByteArray::fromHex(text.toLatin1());
  applyKey(bytes);
  const QByteArray plain = bytes.left(bytes.size() - 4);
  if (bytes.right(4) != checkOf(plain)) return text;
  return QString::fromUtf8(plain);
}

int Utilidades::DialogoError(const rt::Error& error, const QString& rutina) const {
  QString prompt = QStringLiteral("Error %1: %2").arg(error.Number()).arg(rt::Trim(error.Description()));
  if (!rt::Trim(rutina).isEmpty()) prompt += QStringLiteral("\r\nRutina: ") + rutina;
  QString title = error.Source().isEmpty() ? rt::ExecutableName() : error.Source();
  return ui::MsgBox(prompt, ui::mb::AbortRetryIgnore | ui::mb::Critical, title);
}

void Utilidades::PreparaFormulario(ui::Form& form) const { gInfoSistema().AplicaAspecto(form); }

}  // namespace suite
