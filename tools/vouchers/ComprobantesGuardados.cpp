#include "ComprobantesGuardados.h"

#include <QStringList>
#include <algorithm>
#include <utility>

#include "FilasDemo.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"

namespace demo {

namespace {

// Columns and their SQL literals.
using Fila = std::vector<std::pair<const char*, QString>>;

void Inserta(ado::Connection& cn, const QString& tabla, const Fila& fila) {
  QStringList columnas, valores;
  for (const auto& [columna, valor] : fila) {
    columnas << QString::fromUtf8(columna);
    valores << valor;
  }
  cn.Execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                 .arg(tabla, columnas.join(QStringLiteral(", ")), valores.join(QStringLiteral(", "))));
}

bool Existe(ado::Connection& cn, const QString& consulta) { return !cn.Execute(consulta).EOF(); }

// The row with the columns of `mas` added or replaced.
Fila Con(Fila fila, const Fila& mas) {
  for (const auto& columna : mas) {
    auto it =
        std::find_if(fila.begin(), fila.end(), [&](const auto& c) { return qstrcmp(c.first, columna.first) == 0; });
    if (it != fila.end())
      it->second = columna.second;
    else
      fila.push_back(columna);
  }
  return fila;
}

const char* const kCliente = "112010001";
const char* const kProveedor = "211010001";

// The stored voucher's own rows: its header, then lines of each table.
struct Guardado {
  ComprobanteGuardado clave;
  Fila cabecera;
  std::vector<Fila> tareas, articulos, observaciones;
};

std::vector<Guardado> Guardados() {
  const Fila cliente = {{"Fecha", "'2024-03-15'"},
                        {"Cuenta", Texto(kCliente)},
                        {"Nombre", Texto("Bodegón Los Álamos")},
                        {"CondicionIva", "'   3'"},
                        {"Cotizacion", "1"}};
  const auto linea = [](const char* articulo, const char* descripcion, const char* unidad, const char* cantidad,
                        const char* importe, const char* total, const Fila& mas = {}) {
    return Con({{"IdArticulo", Codigo(articulo)},
                {"Descripcion", Texto(descripcion)},
                {"IdUnidad", Texto(unidad)},
                {"Cantidad", cantidad},
                {"Importe", importe},
                {"Importe_S_IVA", importe},
                {"Total", total},
                {"TotalFinal", total},
                {"AlicIVA", "21"}},
               mas);
  };
  const Fila delRemito = {{"TCORIGEN", "'RM'"}, {"COMPROBANTEORIGEN", "'001000000001R'"}};
  return {
      {{"FC", "001000000001B", "0", false, {}, "Factura B 0010-00000001: tareas, lotes, serie, pesable, madera"},
       cliente,
       {{{"IdTarea", "'   1'"},
         {"Descripcion", Texto("Armado de cámara de frío")},
         {"Horas", "150"},
         {"ValorHora", "4500"},
         {"valorHora_S_Iva", "3719.01"},
         {"Total", "11250"},
         {"IdTecnico", "'   2'"}},
        {{"IdTarea", "'   2'"},
         {"Descripcion", Texto("Limpieza de campana")},
         {"Horas", "105"},
         {"ValorHora", "4500"},
         {"valorHora_S_Iva", "3719.01"},
         {"Total", "7875"}}},
       {// Stored without VAT from a list that includes it: loaded at its final total.
        linea("ACEITE-OLIVA", "Aceite de oliva extra virgen 1 l", "UN", "2", "5200", "10400",
              {{"TotalFinal", "12584"}, {"IdLista", "'   2'"}}),
        linea("VINO-MALBEC", "Vino Malbec reserva 750 ml", "UN", "6", "4800", "28800",
              {{"Nro_Lote", "'|L2301|L2302|'"}, {"Nro_Serie", "'|4|2|'"}}),
        linea("TALADRO", "Taladro percutor 650 W", "UN", "1", "89000", "89000", {{"Nro_Serie", "'|SN-88121|'"}}),
        linea("20451", "Queso cremoso por kilo", "KG", "1.5", "8900", "13350"),
        linea("TIRANTE-PINO", "Tirante de pino 2 x 4", "M3", "3", "95000", "285000",
              {{"ESPESOR", "2"}, {"Ancho", "4"}, {"Ud_Pr", "'M3'"}, {"Importe_Ud", "95000"}})},
       {{{"TIPO_OBS", "'OC'"},
         {"Observacion", Texto("Flete a domicilio")},
         {"Importe", "1815"},
         {"Importe_S_IVA", "1500"}},
        {{"TIPO_OBS", "'OB'"}, {"Observacion", Texto("Entregar por la mañana")}}}},
      {{"RM", "001000000001R", "0", false, {}, "Remito 0010-00000001: entregado en parte"},
       cliente,
       {},
       {linea("AGUA-500", "Agua mineral sin gas 500 ml", "UN", "24", "650", "15600"),
        linea("HARINA-000", "Harina de trigo 000 1 kg", "UN", "10", "900", "9000")},
       {}},
      {{"FC", "001000000002B", "0", false, {}, "Factura B 0010-00000002: entrega parte del remito"},
       cliente,
       {},
       {linea("AGUA-500", "Agua mineral sin gas 500 ml", "UN", "10", "650", "6500", delRemito),
        linea("HARINA-000", "Harina de trigo 000 1 kg", "UN", "10", "900", "9000", delRemito)},
       {}},
      {{"NP", "001000000001X", "0", false, {}, "Nota de pedido 0010-00000001: por pallets"},
       cliente,
       {},
       {linea("DETERGENTE", "Detergente concentrado 750 ml", "UN", "12", "2100", "25200", {{"PALLETS", "2"}}),
        linea("SERVILLETA", "Servilletas de papel x 100", "PAQ", "5", "1200", "6000", {{"PALLETS", "1"}})},
       {}},
      {{"FCC", "000200004711A", {}, true, kProveedor, "Factura de compra A 0002-00004711: Distribuidora del Sur"},
       {{"SUCURSAL", "'0002'"},
        {"NUMERO", "'00004711'"},
        {"LETRA", "'A'"},
        {"NOMBRE", Texto("Distribuidora del Sur")},
        {"FECHA", "'2024-03-12'"},
        {"CondicionIva", "'   1'"},
        {"Cotizacion", "1"}},
       {{{"IdTarea", "'   3'"},
         {"Descripcion", Texto("Flete de mercadería")},
         {"Horas", "60"},
         {"ValorHora", "1500"},
         {"valorHora_S_Iva", "1239.67"},
         {"Total", "1500"}}},
       {linea("DETERGENTE", "Detergente concentrado 750 ml", "UN", "24", "1900", "45600",
              {{"Precio_Lista", "2000"}, {"CodigoArtProveedor", "'PRV-7788'"}, {"IdLista", "'   1'"}}),
        linea("SERVILLETA", "Servilletas de papel x 100", "CAJ", "10", "1100", "11000",
              {{"IdUnidadBase", "'PAQ'"},
               {"CantidadUD", "100"},
               {"Equiv_UDBase", "10"},
               {"Precio_Lista", "1150"},
               {"CodigoArtProveedor", "'PRV-5512'"}})},
       {{{"TIPO_OBS", "'OC'"},
         {"Observacion", Texto("Seguro de carga")},
         {"Importe", "363"},
         {"Importe_S_IVA", "300"}}}},
  };
}

// The articles the stored lines name beyond the demo's own: lots, a serial,
// a timber article sold by measures.
void Articulos(ado::Connection& cn) {
  const struct {
    const char* codigo;
    const char* descripcion;
    const char* unidad;
    const char* rubro;
    const char* marcas;  // flag columns set to 1
  } articulos[] = {
      {"VINO-MALBEC", "Vino Malbec reserva 750 ml", "UN", "   1",
       "USALOTE = 1, Perecedero = 1, Presentacion = 'Caja x 6'"},
      {"TALADRO", "Taladro percutor 650 W", "UN", "   3", "USASERIE = 1"},
      {"TIRANTE-PINO", "Tirante de pino 2 x 4", "M3", "   2", "PIDEMEDIDAS = 1"},
  };
  for (const auto& a : articulos) {
    if (Existe(cn, QStringLiteral("SELECT 1 FROM V_MA_ARTICULOS WHERE IDARTICULO = %1").arg(Codigo(a.codigo))))
      continue;
    Inserta(cn, "V_MA_ARTICULOS",
            {{"IDARTICULO", Codigo(a.codigo)},
             {"DESCRIPCION", Texto(a.descripcion)},
             {"IDUNIDAD", Texto(a.unidad)},
             {"IdRubro", Texto(a.rubro)},
             {"IdTipo", "'   1'"}});
    cn.Execute(QStringLiteral("UPDATE V_MA_ARTICULOS SET %1 WHERE IDARTICULO = %2")
                   .arg(QString::fromUtf8(a.marcas), Codigo(a.codigo)));
  }
  // The retail list quotes with VAT; the supplier's list is a purchase one.
  const char* const listas[][4] = {{"   1", "Lista del proveedor", "C", "0"}, {"   2", "Minorista", "V", "1"}};
  for (const auto& [lista, descripcion, tipo, conIva] : listas)
    if (!Existe(cn, QStringLiteral("SELECT 1 FROM V_TA_LISTASPRECIOS WHERE IDLISTA = %1").arg(Texto(lista))))
      Inserta(cn, "V_TA_LISTASPRECIOS",
              {{"IDLISTA", Texto(lista)},
               {"DESCRIPCION", Texto(descripcion)},
               {"TIPOLISTA", Texto(tipo)},
               {"CONIVA", QString::fromUtf8(conIva)}});
  const char* const precios[][3] = {{"ACEITE-OLIVA", "UN", "6292"}, {"VINO-MALBEC", "UN", "4800"}};
  for (const auto& [articulo, unidad, precio] : precios)
    if (!Existe(cn, QStringLiteral("SELECT 1 FROM V_MA_PRECIOS WHERE IDLISTA = '   2' AND IDARTICULO = %1")
                        .arg(Codigo(articulo))))
      Inserta(cn, "V_MA_PRECIOS",
              {{"IDLISTA", "'   2'"},
               {"TIPOLISTA", "'V'"},
               {"IDARTICULO", Codigo(articulo)},
               {"idunidad", Texto(unidad)},
               {"PRECIO", QString::fromUtf8(precio)}});
}

}  // namespace

std::vector<ComprobanteGuardado> ComprobantesGuardados() {
  std::vector<ComprobanteGuardado> claves;
  for (const Guardado& g : Guardados()) claves.push_back(g.clave);
  return claves;
}

void GuardaComprobantesDemo(ado::Connection& cn) {
  const char* const tipos[][2] = {{"RM", "Remito"}, {"NP", "Nota de pedido"}};
  for (const auto& [codigo, descripcion] : tipos)
    if (!Existe(cn, QStringLiteral("SELECT 1 FROM V_TA_CPTE WHERE CODIGO = %1").arg(Texto(codigo))))
      Inserta(cn, "V_TA_CPTE",
              {{"CODIGO", Texto(codigo)},
               {"TALONARIO", "1"},
               {"DESCRIPCION", Texto(descripcion)},
               {"SISTEMA", "'VENTAS'"}});
  Articulos(cn);

  for (const Guardado& g : Guardados()) {
    const ComprobanteGuardado& c = g.clave;
    const QString prefijo = c.compras ? QStringLiteral("C_") : QStringLiteral("V_");
    Fila clave = {{"TC", QStringLiteral("'%1'").arg(c.TC)}, {"IDCOMPROBANTE", QStringLiteral("'%1'").arg(c.numero)}};
    clave.emplace_back(
        c.compras ? std::pair<const char*, QString>{"CUENTA", QStringLiteral("'%1'").arg(c.proveedor)}
                  : std::pair<const char*, QString>{"IdComplemento", QStringLiteral("'%1'").arg(c.complemento)});
    QStringList condicion;
    for (const auto& [columna, valor] : clave) condicion << QString::fromUtf8(columna) + QStringLiteral(" = ") + valor;
    if (Existe(
            cn,
            QStringLiteral("SELECT 1 FROM %1MV_CPTE WHERE %2").arg(prefijo, condicion.join(QStringLiteral(" AND ")))))
      continue;
    const auto guarda = [&](const char* tabla, const Fila& fila) {
      Inserta(cn, prefijo + QString::fromUtf8(tabla), Con(clave, fila));
    };
    guarda("MV_CPTE", g.cabecera);
    for (const Fila& f : g.tareas) guarda("MV_CPTETAREAS", f);
    for (const Fila& f : g.articulos) guarda("MV_CPTEINSUMOS", f);
    for (const Fila& f : g.observaciones) guarda("MV_CPTE_Observ", f);
  }
}

}  // namespace demo
