#include "DemoComprobantes.h"

#include "FilasDemo.h"
#include "platform/ado/Connection.h"

namespace demo {

namespace {

struct Articulo {
  const char* codigo;
  const char* descripcion;
  const char* unidad;
  const char* rubro;
  const char* tipo;
  const char* barras;
  const char* dun;        // the box's barcode
  const char* barras1;    // a pack's barcode
  const char* codigoProveedor;
  bool pesable;
};

const char* const kProveedor = "211010001";

const Articulo kArticulos[] = {
    {"ACEITE-OLIVA", "Aceite de oliva extra virgen 1 l", "UN", "   2", "   1", "7791234000017", "17791234000014",
     nullptr, "OLI-1000", false},
    {"AGUA-500", "Agua mineral sin gas 500 ml", "UN", "   1", "   1", "7791234000024", nullptr, "7791234000031",
     nullptr, false},
    {"HARINA-000", "Harina de trigo 000 1 kg", "UN", "   2", "   2", "7791234000048", nullptr, nullptr, "MOL-0001",
     false},
    {"20451", "Queso cremoso por kilo", "KG", "   2", "   2", nullptr, nullptr, nullptr, nullptr, true},
    {"DETERGENTE", "Detergente concentrado 750 ml", "UN", "   3", "   1", "7791234000055", nullptr, nullptr, nullptr,
     false},
    {"SERVILLETA", "Servilletas de papel x 100", "PAQ", "   3", "   2", nullptr, nullptr, nullptr, nullptr, false},
};


}  // namespace

void LlenaComprobantes(ado::Connection& cn) {
  const char* const tipos[][3] = {
      {"FC", "Factura", "VENTAS"}, {"FCC", "Factura de compra", "COMPRAS"}, {"AJP", "Ajuste de stock", "STOCK"}};
  for (const auto& [codigo, descripcion, sistema] : tipos)
    SiFalta(cn, "V_TA_CPTE", QStringLiteral("CODIGO = %1").arg(Texto(codigo)),
            QStringLiteral("INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, DESCRIPCION, SISTEMA) VALUES (%1, 1, %2, %3)")
                .arg(Texto(codigo), Texto(descripcion), Texto(sistema)));

  const char* const rubros[][2] = {{"   1", "Bebidas"}, {"   2", "Almacén"}, {"   3", "Limpieza y descartables"}};
  for (const auto& [codigo, descripcion] : rubros)
    SiFalta(cn, "V_ta_Rubros", QStringLiteral("IdRubro = %1").arg(Texto(codigo)),
            QStringLiteral("INSERT INTO V_ta_Rubros (IdRubro, Descripcion) VALUES (%1, %2)")
                .arg(Texto(codigo), Texto(descripcion)));
  const char* const tiposArticulo[][2] = {{"   1", "Reventa"}, {"   2", "Insumo de cocina"}};
  for (const auto& [codigo, descripcion] : tiposArticulo)
    SiFalta(cn, "V_ta_TipoArticulo", QStringLiteral("IdTipo = %1").arg(Texto(codigo)),
            QStringLiteral("INSERT INTO V_ta_TipoArticulo (IdTipo, Descripcion) VALUES (%1, %2)")
                .arg(Texto(codigo), Texto(descripcion)));

  for (const Articulo& a : kArticulos) {
    const QString codigo = Codigo(a.codigo);
    SiFalta(cn, "V_MA_ARTICULOS", QStringLiteral("IDARTICULO = %1").arg(codigo),
            QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO) VALUES (%1)").arg(codigo));
    cn.Execute(QStringLiteral("UPDATE V_MA_ARTICULOS SET DESCRIPCION = %1, IDUNIDAD = %2, IdRubro = %3, IdTipo = %4, "
                              "codigobarra = %5, CODIGOBARRADUN = %6, UD_TTE = %7, CODIGOBARRA1 = %8, UMCB1 = %9, "
                              "CodigoArtProveedor = %10, CUENTAPROVEEDOR = %11, pesable = %12 WHERE IDARTICULO = %13")
                   .arg(Texto(a.descripcion), Texto(a.unidad), Texto(a.rubro), Texto(a.tipo), Codigo(a.barras),
                        Codigo(a.dun), a.dun ? Texto("CAJ") : QStringLiteral("NULL"), Codigo(a.barras1),
                        a.barras1 ? Texto("PAQ") : QStringLiteral("NULL"))
                   .arg(Texto(a.codigoProveedor), a.codigoProveedor ? Texto(kProveedor) : QStringLiteral("NULL"),
                        a.pesable ? QStringLiteral("1") : QStringLiteral("0"), codigo));
  }

  // The article column is titled as the firm names its goods.
  SiFalta(cn, "TA_CONFIGURACION", "CLAVE = 'NombreArticulos'",
          "INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('NombreArticulos', 'ARTÍCULO')");

  // The supplier's own numbers in its purchase price list.
  const char* const lista[][3] = {{"DETERGENTE", "PRV-7788", "UN"}, {"SERVILLETA", "PRV-5512", "CAJ"}};
  for (const auto& [articulo, numero, unidad] : lista)
    SiFalta(cn, "V_MA_PRECIOS", QStringLiteral("IDLISTA = '   1' AND IDARTICULO = %1").arg(Texto(articulo)),
            QStringLiteral("INSERT INTO V_MA_PRECIOS (IDLISTA, TIPOLISTA, IDARTICULO, IDARTICULOPROVEEDOR, idunidad) "
                           "VALUES ('   1', 'C', %1, %2, %3)")
                .arg(Texto(articulo), Texto(numero), Texto(unidad)));
}

std::vector<ReferenciaDemo> ReferenciasDemo() {
  return {
      {QStringLiteral("ACEITE-OLIVA"), QStringLiteral("código del artículo"), {}, {}},
      {QStringLiteral("7791234000024"), QStringLiteral("código de barras"), {}, {}},
      {QStringLiteral("17791234000014"), QStringLiteral("DUN de la caja"), {}, {}},
      {QStringLiteral("7791234000031"), QStringLiteral("código de barras alternativo"), {}, {}},
      {QStringLiteral("3*HARINA-000"), QStringLiteral("cantidad y código"), {}, {}},
      {QStringLiteral("20451"), QStringLiteral("código de dígitos"), {}, {}},
      {QStringLiteral("2020451015006"), QStringLiteral("etiqueta de balanza (1,5 kg)"), {}, {}},
      {QStringLiteral("PRV-7788"), QStringLiteral("número del proveedor en su lista"), QString::fromUtf8(kProveedor),
       QStringLiteral("1")},
      {QStringLiteral("MOL-0001"), QStringLiteral("código del proveedor"), QString::fromUtf8(kProveedor), {}},
  };
}

}  // namespace demo
