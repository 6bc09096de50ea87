#pragma once
// The lookup layout file: fixed records of 1202 bytes (name 100, table 100,
// columns 500, filter 500, CR LF), single-byte Windows-1252 text padded
// with blanks, no header.
#include <QString>

namespace core {

constexpr int kLargoMascaraConsulta = 1202;

// Appends the eleven default layouts to the file named by
// gConsultas().gRutaMascaraConsultas. A file that cannot be written raises
// 75 into the caller.
void CreaMascaraConsultas();

}  // namespace core
