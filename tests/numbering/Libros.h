#pragma once
// Voucher books of the tests: one row of V_TA_CPTE (or TA_Comprobantes)
// with the columns of one letter filled and the rest left Null.
#include <QString>
#include <optional>

namespace testing_support {

struct Libro {
  QString codigo = "FC";
  int talonario = 1;
  QString letras = "A";
  QString letra = "A";  // whose columns are filled
  int sucursal = 1;
  std::optional<int> ultimo = 1;
  int desde = 1;
  int hasta = 100;
  QString vence = QString();  // ISO date, "" for none
  QString unegocio = "   1";
  QString sistema = "VENTAS";
  bool modifica = false;
  bool externo = false;
};

// The INSERT of the book into `tabla`.
QString InsertaLibro(const Libro& libro, const QString& tabla = QStringLiteral("V_TA_CPTE"));

}  // namespace testing_support
