#pragma once
// Text functions with the program's semantics: positions are 1-based and
// count characters; "text compare" ignores case through Unicode folding; the
// Trim family removes blanks (spaces) only, tabs and line breaks stay.
#include <QString>
#include <QStringList>

namespace rt {

enum class Compare { Binary, Text };

QString Trim(const QString& s);
QString LTrim(const QString& s);
QString RTrim(const QString& s);

QString Left(const QString& s, int length);
QString Right(const QString& s, int length);
// Mid(s, start) and Mid(s, start, length), start 1-based; start < 1 or a
// negative length raises 5.
QString Mid(const QString& s, int start);
QString Mid(const QString& s, int start, int length);
inline int Len(const QString& s) { return static_cast<int>(s.size()); }

// 1-based position of `find` in `s` at or after `start`, 0 when absent.
int InStr(int start, const QString& s, const QString& find, Compare compare = Compare::Binary);
inline int InStr(const QString& s, const QString& find, Compare compare = Compare::Binary) {
  return InStr(1, s, find, compare);
}
// Last occurrence, 1-based, 0 when absent.
int InStrRev(const QString& s, const QString& find, Compare compare = Compare::Binary);

QString Replace(const QString& s, const QString& find, const QString& with,
                Compare compare = Compare::Binary);

// Letter for letter ("ß" stays "ß"): the length never changes.
QString UCase(const QString& s);
QString LCase(const QString& s);
// The first letter of every word upper case, the others lower case; words
// are separated by blanks, tabs, line breaks and Chr(0). Length kept.
QString ProperCase(const QString& s);
QString Space(int count);
QString String(int count, QChar c);

// Character of a single-byte code as the suite's Windows code page reads it
// (Chr(255) is "ÿ", Chr(13) a carriage return).
QChar Chr(int code);
// Single-byte code of a character in that code page; '?' when it has none.
int Asc(QChar c);
// Texts of single-byte files in that code page: a byte per character, '?'
// for a character the code page has not.
QByteArray ToWindows1252(QStringView text);
QString FromWindows1252(QByteArrayView bytes);

// A quoted run of `text` whose opening quote stands before `at`: the text
// up to the closing `quote`, a doubled one standing for itself. `at` moves
// past the closing quote, or to the end when it is missing; `closed` tells
// which.
QString ReadQuoted(QStringView text, qsizetype& at, QChar quote, bool* closed = nullptr);

// Equality and ordering under text compare: case folded, accents kept.
bool EqualsText(const QString& a, const QString& b);
int StrComp(const QString& a, const QString& b, Compare compare = Compare::Binary);
// True when `s` equals one of `items` under text compare.
bool OneOfText(const QString& s, std::initializer_list<const char*> items);

}  // namespace rt
