#pragma once
// The lookup layout file: fixed records of 1202 bytes (name 100, table 100,
// columns 500, filter 500, CR LF), single-byte Windows-1252 text padded
// with blanks, no header. The writer of the default layouts and the lookup
// service's reader share the record below.
#include <QFile>
#include <QString>

namespace core {

constexpr int kLargoMascaraConsulta = 1202;

// One layout: the lookup's name, the table or view it reads, its columns
// ("|" then each column followed by "|") and its filter (a condition
// without WHERE). Read back, each field keeps its padding blanks.
struct MascaraConsulta {
  QString Nombre;
  QString Tabla;
  QString Campos;
  QString Filtro;
};

// The record's bytes: each field cut or padded with blanks to its width,
// then CR LF.
QByteArray CodificaMascaraConsulta(const MascaraConsulta& mascara);

// Reads the records of a layout file in file order, by record number.
class LectorMascarasConsultas {
 public:
  // A file that cannot be opened reads as holding no record.
  explicit LectorMascarasConsultas(const QString& ruta);
  // The next whole record; false at the end of the file. A partial record
  // at the end (a file cut short) is not a record.
  bool Lee(MascaraConsulta& mascara);

 private:
  QFile file_;
};

// Appends the eleven default layouts to the file named by
// gConsultas().gRutaMascaraConsultas. A file that cannot be written raises
// 75 into the caller.
void CreaMascaraConsultas();

}  // namespace core
