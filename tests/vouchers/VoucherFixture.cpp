#include "VoucherFixture.h"

namespace testing_support {

void AgregaLinea(ui::FlexGrid& grilla, Linea celdas) {
  grilla.setRows(grilla.Rows() + 1);
  const int fila = grilla.Rows() - 2;
  for (int c = 0; c < grilla.Cols(); ++c) {
    grilla.setTextMatrix(fila, c, grilla.TextMatrix(fila + 1, c));
    grilla.setTextMatrix(fila + 1, c, QString());
  }
  for (const auto& [columna, texto] : celdas) grilla.setTextMatrix(fila, columna, texto);
}

void Lineas(ui::FlexGrid& grilla, int columnas, std::initializer_list<Linea> lineas) {
  grilla.Clear();
  grilla.setCols(columnas);
  grilla.setRows(2);
  for (const Linea& l : lineas) AgregaLinea(grilla, l);
}

void VoucherDatabase::SetUp() {
  CoreDatabase::SetUp();
  connectAs(QStringLiteral("Ana"));
}

void VoucherDatabase::config(const QString& clave, const QString& valor) {
  exec(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('%1', '%2')").arg(clave, valor));
}

QStringList VoucherDatabase::errorLog() const {
  return readFile(folder.file(QStringLiteral("VXERR.LOG"))).split(u'\n', Qt::SkipEmptyParts);
}

}  // namespace testing_support
