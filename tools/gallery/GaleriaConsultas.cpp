#include "GaleriaConsultas.h"

#include "core/CoreState.h"

namespace galeria {

namespace {

core::Lib_ClsCons3& consultas() { return core::gConsultas(); }

// A text between guillemets, so that blanks show.
QString dicho(const QString& texto) { return QStringLiteral("«") + texto + QStringLiteral("»"); }

QString lista(const std::optional<QStringList>& valores) {
  if (!valores) return QStringLiteral("ninguna colección");
  if (valores->isEmpty()) return QStringLiteral("colección vacía");
  QStringList dichos;
  for (const QString& v : *valores) dichos << dicho(v);
  return dichos.join(QStringLiteral(", "));
}

// What a caller of ConsultaSearch reads back.
QString devuelto() {
  const core::Lib_ClsCons3& c = consultas();
  return QStringLiteral("ValorDevuelto: ") + dicho(c.ValorDevuelto.toStringOrEmpty()) +
         QStringLiteral("\r\nValores: ") + lista(c.Valores) + QStringLiteral("\r\nCantidades: ") + lista(c.Cantidades);
}

// A list lookup returning `campo`, with the request variables given.
Ventana lista(const char* titulo, QString sql, QString campo, bool checks = false, bool cantidades = false) {
  return {QString::fromUtf8(titulo), [=] {
            consultas().CampoDevuelto = campo;
            consultas().Checks = checks;
            consultas().UsaCantidades = cantidades;
            QString busqueda;
            consultas().ConsultaSearch(sql, nullptr, QString(), &busqueda);
            consultas().UsaCantidades = false;
            return devuelto() + QStringLiteral("\r\nCampoBusqueda: ") + dicho(busqueda);
          }};
}

Ventana arbol(const char* titulo, QString sql, QString campo, bool checks = false) {
  return {QString::fromUtf8(titulo), [=] {
            consultas().CampoDevuelto = campo;
            consultas().Checks = checks;
            consultas().ConsultaSearch(sql, nullptr, QString(), nullptr, nullptr, QString(), true);
            return devuelto();
          }};
}

}  // namespace

std::vector<Ventana> VentanasConsultas() {
  const QString conStock = QStringLiteral(
      "SELECT DESCRIPCION, IDARTICULO, PUNTOPEDIDO, Stock FROM V_MA_ARTICULOS WHERE SUSPENDIDO = 0 ORDER BY DESCRIPCION");
  const QString conCantidad = QStringLiteral(
      "SELECT DESCRIPCION, IDARTICULO, 0 AS Cantidad FROM V_MA_ARTICULOS WHERE SUSPENDIDO = 0 ORDER BY DESCRIPCION");
  return {
      {QStringLiteral("Artículos"),
       [] {
         consultas().CampoDevuelto = QStringLiteral("IDARTICULO");
         std::optional<QStringList> columnas = QStringList{QStringLiteral("DESCRIPCION"), QStringLiteral("IDARTICULO")};
         consultas().ConsultaSearch(QStringLiteral("V_MA_ARTICULOS"), &columnas);
         return devuelto();
       }},
      lista("Artículos con su stock", conStock, QStringLiteral("IDARTICULO")),
      lista("Artículos, varios con cantidades", conCantidad, QStringLiteral("IDARTICULO"), true, true),
      lista("Proveedores", QStringLiteral("VT_PROVEEDORES"), QStringLiteral("CODIGO")),
      lista("Depósitos", QStringLiteral("V_TA_DEPOSITO"), QStringLiteral("IdDeposito")),
      lista("Cuentas", QStringLiteral("MA_CUENTAS"), QStringLiteral("CODIGO")),
      arbol("Familias (árbol)", QStringLiteral("V_TA_FAMILIAS"), QStringLiteral("IDFAMILIA")),
      arbol("Familias, varias (árbol)", QStringLiteral("V_TA_FAMILIAS"), QStringLiteral("IDFAMILIA"), true),
      arbol("Plan de cuentas (árbol)", QStringLiteral("SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS ORDER BY CODIGO"),
            QStringLiteral("CODIGO")),
      arbol("Centros de costo, varios (árbol)",
            QStringLiteral("SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO ORDER BY CODIGO"), QStringLiteral("CODIGO"), true),
      arbol("Posiciones (árbol)",
            QStringLiteral("SELECT IDPOSICION, DESCRIPCION FROM MA_POSICIONES ORDER BY IDPOSICION"),
            QStringLiteral("IDPOSICION")),
      {QStringLiteral("Opciones (CheckOpciones)"),
       [] {
         consultas().CheckOpciones(QStringLiteral("Tablas a importar"), std::nullopt,
                                   {QStringLiteral("1Clientes (TXCLI.DBF)"),
                                    QStringLiteral("1Detalle de Facturacion (TXFAC.DBF)"),
                                    QStringLiteral("0Movimientos de stock")});
         return QStringLiteral("Valores: ") + lista(consultas().Valores);
       }},
      {QStringLiteral("Menú (MenuOpciones)"),
       [] {
         return QStringLiteral("Elegida: ") +
                dicho(consultas().MenuOpciones(QStringLiteral("Elija una acción"),
                                               {QStringLiteral("Importar clientes"),
                                                QStringLiteral("Importar facturación"),
                                                QStringLiteral("Borrar movimientos")}));
       }},
  };
}

}  // namespace galeria
