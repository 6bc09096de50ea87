#include "DemoLots.h"

#include <QString>
#include <tuple>

#include "platform/ado/Connection.h"

namespace demo {

namespace {

struct Articulo {
  const char* codigo;
  const char* descripcion;
  const char* unidad;
  int serie;
  int lote;
};

// Lot, serial (either may be empty: NULL) and quantity in deposit 1.
struct Existencia {
  const char* articulo;
  const char* lote;
  const char* serie;
  const char* cantidad;
};

// Position (empty: the deposit's stock without position), lot, unit and
// balance.
struct Saldo {
  const char* posicion;
  const char* lote;
  const char* unidad;
  const char* saldo;
};

QString textoONulo(const char* texto) {
  return *texto ? QStringLiteral("'%1'").arg(QString::fromUtf8(texto)) : QStringLiteral("NULL");
}

}  // namespace

void LlenaLotesYPosiciones(ado::Connection& cn) {
  const auto exec = [&](const QString& sql) { cn.Execute(sql); };
  const QString deposito = QString::fromLatin1(kDepositoLotes);

  const Articulo articulos[] = {
      {articulo::Lotes, "Vino Malbec Reserva 750 ml", "UN", 0, 1},
      {articulo::Series, "Taladro Percutor 650 W", "UN", 1, 0},
      {articulo::LotesYSeries, "Notebook 14 pulgadas 8 GB", "UN", 1, 1},
      {articulo::Talles, "Remera de algodón lisa", "UN", 0, 0},
      {articulo::Posiciones, "Aceite de girasol 900 ml", "UN", 0, 1},
  };
  for (const Articulo& a : articulos)
    exec(QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, USASERIE, USALOTE) "
                        "VALUES ('%1', '%2', '%3', %4, %5)")
             .arg(QString::fromUtf8(a.codigo), QString::fromUtf8(a.descripcion), QString::fromUtf8(a.unidad))
             .arg(a.serie)
             .arg(a.lote));
  // The oil also comes in boxes of 12.
  exec(QStringLiteral("INSERT INTO S_TA_EQUIV (IdArticulo, IDUNIDAD, IDUNIDAD_EQUIV, Coeficiente) VALUES ('%1', "
                      "'UN', 'CAJ', 12)")
           .arg(QString::fromUtf8(articulo::Posiciones)));

  const Existencia existencias[] = {
      {articulo::Lotes, "L2301", "", "24"},
      {articulo::Lotes, "L2302", "", "36"},
      {articulo::Lotes, "L2310", "", "12"},
      {articulo::Series, "", "TP650-0001", "1"},
      {articulo::Series, "", "TP650-0002", "1"},
      {articulo::Series, "", "TP650-0003", "1"},
      {articulo::Series, "", "TP650-0004", "1"},
      {articulo::LotesYSeries, "IMP-2024-03", "NB14-A001", "1"},
      {articulo::LotesYSeries, "IMP-2024-03", "NB14-A002", "1"},
      {articulo::LotesYSeries, "IMP-2024-03", "NB14-A003", "1"},
      {articulo::LotesYSeries, "IMP-2024-05", "NB14-B001", "1"},
      {articulo::LotesYSeries, "IMP-2024-05", "NB14-B002", "1"},
      {articulo::Talles, "S-BLANCO-M", "", "8"},
      {articulo::Talles, "M-AZUL-H", "", "15"},
      {articulo::Talles, "L-NEGRO-H", "", "6"},
      {articulo::Talles, "M-ROJO-M", "", "10"},
      // The oil's lots, as its balances by position below add up.
      {articulo::Posiciones, "L0412", "", "132"},
      {articulo::Posiciones, "L0419", "", "84"},
  };
  for (const Existencia& e : existencias)
    exec(QStringLiteral("INSERT INTO STK_SERIES_Y_LOTES (IDARTICULO, IDDEPOSITO, NROLOTE, NROSERIE, CANTIDAD) "
                        "VALUES ('%1', '%2', %3, %4, %5)")
             .arg(QString::fromUtf8(e.articulo), deposito, textoONulo(e.lote), textoONulo(e.serie),
                  QString::fromUtf8(e.cantidad)));
  for (const Articulo& a : articulos)
    exec(QStringLiteral("INSERT INTO STK_SALDOS_UNIDADES (IDARTICULO, EQUIVALENCIA, IDDEPOSITO, STOCK) "
                        "SELECT IDARTICULO, 'UN', IDDEPOSITO, SUM(CANTIDAD) FROM STK_SERIES_Y_LOTES "
                        "WHERE IDARTICULO = '%1' GROUP BY IDARTICULO, IDDEPOSITO")
             .arg(QString::fromUtf8(a.codigo)));

  // The positions of deposit 1 in the order goods go in (those the lookups'
  // demo rows already hold keep their description).
  const std::tuple<const char*, const char*, int> posiciones[] = {
      {"A01", "Estante 1", 1}, {"A02", "Estante 2", 2}, {"B01", "Góndola bebidas", 3},
      {"B02", "Góndola almacén", 4}, {"B03", "Góndola aceites", 5}};
  for (const auto& [posicion, descripcion, orden] : posiciones) {
    exec(QStringLiteral("INSERT INTO MA_POSICIONES (IDPOSICION, DESCRIPCION, IDDEPOSITO) SELECT '%1', '%2', '%3' "
                        "WHERE NOT EXISTS (SELECT 1 FROM MA_POSICIONES WHERE IDPOSICION = '%1')")
             .arg(QString::fromUtf8(posicion), QString::fromUtf8(descripcion), deposito));
    exec(QStringLiteral("UPDATE MA_POSICIONES SET ordeningreso = %1 WHERE IDPOSICION = '%2'")
             .arg(orden)
             .arg(QString::fromUtf8(posicion)));
  }
  const Saldo saldos[] = {
      {"A01", "L0412", "UN", "48"}, {"A02", "L0412", "UN", "24"}, {"B03", "L0412", "UN", "36"},
      {"B02", "L0419", "UN", "60"}, {"B03", "L0419", "UN", "12"}, {"", "L0412", "UN", "24"},
      {"", "L0419", "UN", "12"},
  };
  for (const Saldo& s : saldos)
    exec(QStringLiteral("INSERT INTO AC_SALDOSLAYOUT (iddeposito, idposicion, idarticulo, nrolote, idunidadbase, "
                        "saldo) VALUES ('%1', %2, '%3', '%4', '%5', %6)")
             .arg(deposito, textoONulo(s.posicion), QString::fromUtf8(articulo::Posiciones), QString::fromUtf8(s.lote),
                  QString::fromUtf8(s.unidad), QString::fromUtf8(s.saldo)));
}

}  // namespace demo
