#pragma once
// What start-up sets of the lookup class: the connection its searches open,
// and the layout file that gives each table's columns and filter.
#include <QString>

namespace core {

class Lib_ClsCons3 {
 public:
  QString gConnString;
  bool gUsarMascarasConsultas = false;
  QString gRutaMascaraConsultas;
};

}  // namespace core
