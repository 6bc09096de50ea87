#include "DemoConsultas.h"

#include <QString>

#include "LiteralesDemo.h"
#include "platform/ado/Connection.h"

namespace demo {

namespace {

struct Articulo {
  const char* codigo;
  const char* descripcion;
  int puntoPedido;
  int stock;
  bool suspendido;
};

// The stock colours by level: stock without a reorder point, above the
// point, below it, and none or exactly at it.
const Articulo kArticulos[] = {
    {"GAS001", "Coca-Cola 500 ml", 24, 60, false},
    {"GAS002", "Sprite 500 ml", 24, 10, false},
    {"GAS003", "Fanta naranja 500 ml", 0, 30, false},
    {"AGU001", "Agua mineral sin gas 500 ml", 48, 48, false},
    {"AGU002", "Agua con gas 1,5 l", 12, 0, false},
    {"CER001", "Cerveza rubia tirada 1/2 l", 30, 85, false},
    {"MIN001", "Milanesa napolitana con papas", 10, 25, false},
    {"MIN002", "Hamburguesa completa", 20, 5, false},
    {"MIN003", "Papas fritas porción", 0, 0, false},
    {"MIN004", "Empanada 'La Salteña' de carne", 36, 12, false},
    {"POS001", "Flan casero con dulce de leche", 0, 12, false},
    {"POS002", "Tiramisú", 8, 8, false},
    {"POS003", "Helado de dos bochas", 15, 40, false},
    {"VIN001", "Vino de la casa (discontinuado)", 0, 3, true},
};

const char* const kFamilias[][2] = {
    {"01", "Bebidas"},  {"0101", "Gaseosas"}, {"0102", "Aguas"},    {"0103", "Cervezas"},
    {"02", "Comidas"},  {"0201", "Minutas"},  {"020101", "Sándwiches"}, {"0202", "Postres"},
};

const char* const kDepositos[][3] = {
    {"   1", "Depósito central", "   1"}, {"   2", "Cocina", "   1"}, {"   3", "Barra", "   1"}};

const char* const kPosiciones[][3] = {
    {"A", "Cámara de frío", "   1"},   {"A01", "Estante 1", "   1"}, {"A02", "Estante 2", "   1"},
    {"B", "Depósito seco", "   1"},   {"B01", "Góndola bebidas", "   1"}};

const char* const kCentrosDeCosto[][2] = {
    {"1", "Administración"}, {"2", "Salón"},       {"201", "Salón planta baja"}, {"202", "Terraza"},
    {"3", "Cocina"},         {"301", "Cocina caliente"}, {"302", "Pastelería"}};

// Titles (headers of the chart) and the accounts under them; the
// adjustment and check accounts of the import window are made apart.
struct Cuenta {
  const char* codigo;
  const char* descripcion;
  bool titulo;
};
const Cuenta kCuentas[] = {
    {"1", "ACTIVO", true},
    {"11", "Activo corriente", true},
    {"111", "Caja y bancos", true},
    {"11101", "Caja", true},
    {"1110101", "Caja principal", false},
    {"11102", "Bancos", true},
    {"1110201", "Banco Nación cuenta corriente", false},
    {"112", "Créditos por ventas", true},
    {"11201", "Deudores por ventas", true},
    {"2", "PASIVO", true},
    {"21", "Pasivo corriente", true},
    {"211", "Deudas comerciales", true},
    {"21101", "Proveedores", true},
    {"4", "INGRESOS", true},
    {"41", "Ventas", true},
    {"4110101", "Ventas de salón", false},
    {"5", "EGRESOS", true},
    {"51", "Ajustes", true},
};

struct Proveedor {
  const char* codigo;
  const char* razonSocial;
  const char* contacto;
  bool baja;
};
const Proveedor kProveedores[] = {
    {"211010001", "Distribuidora Cuyo S.A.", "Marta Giménez", false},
    {"211010002", "Embotelladora Andina S.R.L.", "Jorge Pereyra", false},
    {"211010003", "Lácteos del Valle", "Sofía Ruiz", false},
    {"211010004", "Carnes O'Higgins", "Raúl Sosa", true},
};

const char* const kConfiguracion[][2] = {
    {"MostrarStockenConsultas", "SI"},
    {"Stk_Nivel1", "32768"},     // green: stock, no reorder point
    {"Stk_Nivel2", "12582912"},  // blue: above the reorder point
    {"Stk_Nivel3", "255"},       // red: below it
    {"Stk_Nivel4", "8421504"},   // grey: none, or exactly at it
    {"UsaConsultaLike", "SI"},
};

}  // namespace

void LlenaConsultas(ado::Connection& cn) {
  const auto exec = [&](const QString& sql) { cn.Execute(sql); };
  for (const auto& [clave, valor] : kConfiguracion)
    exec(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES (%1, %2)")
             .arg(Texto(clave), Texto(valor)));

  for (const Articulo& a : kArticulos) {
    exec(QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, PUNTOPEDIDO, SUSPENDIDO) "
                        "VALUES (%1, %2, 'UN', %3, %4)")
             .arg(Texto(a.codigo), Texto(a.descripcion))
             .arg(a.puntoPedido)
             .arg(a.suspendido ? 1 : 0));
    // The opening balance, in the base unit, of the central deposit.
    if (a.stock != 0)
      exec(QStringLiteral("INSERT INTO STK_SALDOS_UNIDADES (IDARTICULO, EQUIVALENCIA, IDDEPOSITO, STOCK) VALUES "
                          "(%1, 'UN', '   1', %2)")
               .arg(Texto(a.codigo))
               .arg(a.stock));
  }
  for (const auto& [codigo, descripcion] : kFamilias)
    exec(QStringLiteral("INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES (%1, %2)")
             .arg(Texto(codigo), Texto(descripcion)));
  for (const auto& [codigo, descripcion, unidad] : kDepositos)
    exec(QStringLiteral("INSERT INTO V_TA_DEPOSITO (IdDeposito, Descripcion, UnidadNegocio) VALUES (%1, %2, %3)")
             .arg(Texto(codigo), Texto(descripcion), Texto(unidad)));
  for (const auto& [codigo, descripcion, deposito] : kPosiciones)
    exec(QStringLiteral("INSERT INTO MA_POSICIONES (IDPOSICION, DESCRIPCION, IDDEPOSITO) VALUES (%1, %2, %3)")
             .arg(Texto(codigo), Texto(descripcion), Texto(deposito)));
  for (const auto& [codigo, descripcion] : kCentrosDeCosto)
    exec(QStringLiteral("INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION) VALUES (%1, %2)")
             .arg(Texto(codigo), Texto(descripcion)));
  for (const Cuenta& c : kCuentas)
    exec(QStringLiteral("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION, titulo, TipoVista) VALUES (%1, %2, %3, '')")
             .arg(Texto(c.codigo), Texto(c.descripcion))
             .arg(c.titulo ? 1 : 0));
  for (const Proveedor& p : kProveedores) {
    exec(QStringLiteral("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION, titulo, TipoVista, Dada_De_Baja) VALUES (%1, "
                        "%2, 0, 'PR', %3)")
             .arg(Texto(p.codigo), Texto(p.razonSocial))
             .arg(p.baja ? 1 : 0));
    exec(QStringLiteral("INSERT INTO MA_CUENTASADIC (Codigo, Contacto) VALUES (%1, %2)")
             .arg(Texto(p.codigo), Texto(p.contacto)));
  }
}

}  // namespace demo
