#pragma once
// Sequential text files of quoted fields, as the suite's Write # statement
// leaves them and its Input # statement reads them: one line per record,
// every field between double quotes, fields separated by commas, CR LF at
// the end ("TABLA","1440|2000|"), single-byte Windows-1252 text.
//
// Reading is lenient, for files edited by hand or cut short: lines may end
// in LF alone; an unquoted field (a number as Write # leaves it) is its
// text without surrounding blanks; a field whose closing quote is missing
// ends with its line, so a damaged line never takes the next ones along;
// blank lines hold no record. A quote inside a field is written doubled and
// read back single. One rule for both ways: a line ends at LF (a CR before
// it belongs to the line end), so any other CR is data, read and written
// back as it stands: whatever the reader gives, the writer takes.
#include <QString>
#include <QStringList>
#include <vector>

namespace rt {

// The fields of every record of the file. Raises FileNotFound (53) when the
// file does not exist, PathFileAccess (75) when it cannot be read.
std::vector<QStringList> ReadFieldLines(const QString& path);

// Creates or replaces the file with these records. Raises PathFileAccess
// (75) when it cannot be written, InvalidCall (5) for a field holding an LF
// (which no line could carry), before anything is written.
void WriteFieldLines(const QString& path, const std::vector<QStringList>& records);

}  // namespace rt
