#include "Libros.h"

namespace testing_support {

QString InsertaLibro(const Libro& l, const QString& tabla) {
  const QString L = l.letra;
  return QStringLiteral("INSERT INTO %1 (CODIGO, TALONARIO, Letras, UNEGOCIO, SISTEMA, Modificanumeracion, Externo, "
                        "%2_SUC_DEFAULT, %2_ULTIMO_NRO, %2_NRO_DESDE, %2_NRO_HASTA, Vence%2) "
                        "VALUES ('%3', %4, '%5', '%6', '%7', %8, %9, %10, %11, %12, %13, %14)")
      .arg(tabla, L, l.codigo)
      .arg(l.talonario)
      .arg(l.letras, l.unegocio, l.sistema)
      .arg(l.modifica ? 1 : 0)
      .arg(l.externo ? 1 : 0)
      .arg(l.sucursal)
      .arg(l.ultimo ? QString::number(*l.ultimo) : QStringLiteral("NULL"))
      .arg(l.desde)
      .arg(l.hasta)
      .arg(l.vence.isEmpty() ? QStringLiteral("NULL") : "'" + l.vence + "'");
}

}  // namespace testing_support
