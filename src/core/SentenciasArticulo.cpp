#include "core/SentenciasArticulo.h"

#include "data_access/LookupSql.h"

namespace core::sentencia {

using data_access::sql::Quoted;

namespace {

const QString kArticulo = QStringLiteral("SELECT *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE ");

// An alternative barcode brings its own unit in place of the article's.
QString PorCodigoAlternativo(const char* unidad, const char* columna, const QString& Codigo) {
  return QStringLiteral("SELECT *,IDUNIDAD AS UDBASE , ISNULL(%1,IDUNIDAD) AS IDUNIDAD FROM V_MA_ARTICULOS WHERE %2 = ")
             .arg(QLatin1String(unidad), QLatin1String(columna)) +
         Quoted(Codigo);
}

}  // namespace

std::vector<QString> ArticuloPorReferencia(const QString& Codigo, bool PorCodigoBarra) {
  const QString porCodigo = kArticulo + QStringLiteral("IDARTICULO = ") + Quoted(Codigo);
  const QString porBarras = kArticulo + QStringLiteral("codigobarra =  ") + Quoted(Codigo);
  return {
      PorCodigoBarra ? QStringLiteral("SELECT *,IDUNIDAD AS UDBASE FROM V_MA_ARTICULOS WHERE codigobarra =  ") +
                           Quoted(Codigo)
                     : porCodigo,
      porBarras,
      PorCodigoAlternativo("UD_TTE", "CODIGOBARRADUN", Codigo),
      PorCodigoAlternativo("UMCB1", "CODIGOBARRA1", Codigo),
      PorCodigoAlternativo("UMCB2", "CODIGOBARRA2", Codigo),
      PorCodigoAlternativo("UMCB3", "CODIGOBARRA3", Codigo),
      PorCodigoAlternativo("UMCB4", "CODIGOBARRA4", Codigo),
      porCodigo,
  };
}

QString ArticuloEnListaDeCompra(const QString& Codigo, const QString& IdLista) {
  return QStringLiteral(
             "SELECT IDARTICULO,IDARTICULOPROVEEDOR,idunidad as UdBase FROM V_MA_PRECIOS WHERE IDARTICULOPROVEEDOR = ") +
         Quoted(Codigo) + QStringLiteral(" and IDLISTA = ") + Quoted(IdLista) +
         QStringLiteral(" AND TIPOLISTA = 'C'");
}

QString ArticuloDeLaLista(const QString& IdArticulo) {
  return kArticulo + QStringLiteral("idarticulo = ") + Quoted(IdArticulo);
}

QString ArticuloPorCodigoDeProveedor(const QString& Codigo, const QString& CuentaProveedor) {
  return kArticulo + QStringLiteral("CodigoArtProveedor = ") + Quoted(Codigo) +
         QStringLiteral(" and CuentaProveedor = ") + Quoted(CuentaProveedor);
}

QString NingunArticulo() { return QStringLiteral("SELECT *,IDUNIDAD AS UDBASE FROM V_MA_ARTICULOS WHERE 1 = 0"); }

}  // namespace core::sentencia
