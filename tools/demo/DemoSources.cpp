#include "DemoSources.h"

#include <QDir>

#include "platform/runtime/Dates.h"
#include "support/TavernixTables.h"

namespace demo {

namespace {

constexpr int kClientes = 150;
constexpr int kComprobantes = 420;

const char* const kApellidos[] = {"Pérez", "Muñoz", "Núñez", "Ibáñez", "Gómez", "Fernández", "Martínez", "Suárez",
                                  "Domínguez", "Castaño", "Acuña", "Zúñiga", "Bermúdez", "Peña", "Ordóñez", "Ríos"};
const char* const kNombres[] = {"José", "María", "Ángel", "Sofía", "Martín", "Lucía", "Ramón", "Inés", "Tomás",
                                "Begoña", "Julián", "Mónica"};
const char* const kRubros[] = {"Parrilla", "Panadería", "Almacén", "Café", "Rotisería", "Pizzería"};
const char* const kCalles[] = {"San Martín", "Belgrano", "Av. España", "Güemes", "Sarmiento", "Peñaloza"};
// Postal code and town, or a province by name when the code is blank.
const char* const kLugares[][3] = {{"5500", "Mendoza", ""},       {"5501", "Godoy Cruz", ""},
                                   {"5000", "Córdoba", ""},       {"1425", "Palermo", ""},
                                   {"", "San Rafael", "MENDOZA"}, {"", "Río Cuarto", "Cordoba"},
                                   {"", "Viedma", "RIO NEGRO"},    {"", "Cafayate", "Salta"},
                                   {"9999", "Ñorquincó", ""},      {"", "", ""}};
const char* const kTiposIva[] = {"1", "2", "6", "4", "1", "9"};

testing_support::TxcliRecord cliente(int i) {
  testing_support::TxcliRecord c;
  c.Codigo = int32_t(i);
  const QString apellido = QString::fromUtf8(kApellidos[i % std::size(kApellidos)]);
  c.Nombre = QString::fromUtf8(kNombres[i % std::size(kNombres)]) + u' ' + apellido;
  // Some customers are firms, some only have a contact name.
  if (i % 3 == 0) c.Razon = QString::fromUtf8(kRubros[i % std::size(kRubros)]) + QStringLiteral(" Don ") + apellido;
  if (i % 3 == 1) c.Razon = apellido + QStringLiteral(" e Hijos S.R.L.");
  c.Calle = QString::fromUtf8(kCalles[i % std::size(kCalles)]);
  c.Altura = QString::number(100 + i * 37 % 3000);
  if (i % 4 == 0) c.PisoDto = QStringLiteral("%1º %2").arg(i % 9 + 1).arg(QChar(u'A' + i % 4));
  const auto& lugar = kLugares[i % std::size(kLugares)];
  c.CodPostal = QString::fromUtf8(lugar[0]);
  c.Localidad = QString::fromUtf8(lugar[1]);
  c.Provincia = QString::fromUtf8(lugar[2]);
  c.Telefono = QStringLiteral("0261-4%1").arg(200000 + i * 7919 % 800000);
  c.Cuit = i % 5 == 0 ? QString() : QStringLiteral("20-%1-%2").arg(20000000 + i * 104729 % 30000000).arg(i % 10);
  c.TipoIva = QString::fromUtf8(kTiposIva[i % std::size(kTiposIva)]);
  c.Zona = QStringLiteral("Z%1").arg(i % 4 + 1);
  if (i % 7 == 0) c.Texto1 = QStringLiteral("Pide factura a nombre de la señora %1.").arg(apellido);
  return c;
}

testing_support::TxfacRecord comprobante(int i) {
  // Mostly invoices and tickets, a few credit notes.
  static const char kTipos[] = "AABBKKAKBAMBKAL";
  testing_support::TxfacRecord f;
  f.CodCpb = QString(QLatin1Char(kTipos[i % (sizeof(kTipos) - 1)]));
  // Customer 0 is the counter.
  f.CodCli = int32_t(i % 11 == 0 ? 0 : 1 + i * 13 % (kClientes - 1));
  f.Fecha = rt::MakeDate(2005, 1, 3).addDays(i * 360 / kComprobantes);
  f.Prefijo = QStringLiteral("%1").arg(i % 3 + 1, 4, 10, QChar(u'0'));
  f.Numero = int32_t(1000 + i);
  const int64_t neto = 1500 + i * 7919 % 250000;  // cents
  const bool reducida = i % 6 == 0;
  const int64_t iva = neto * (reducida ? 105 : 210) / 1000;
  f.Total = rt::Currency::fromRaw((neto + iva) * 100);
  f.Iva1 = rt::Currency::fromRaw(iva * 100);
  f.Iva2 = rt::Currency();
  f.Tasa1 = reducida ? rt::Currency::fromRaw(105000) : rt::Currency::fromInt(21);
  f.Tasa2 = rt::Currency();
  f.Cuit = QStringLiteral("20-%1-%2").arg(20000000 + i * 104729 % 30000000).arg(i % 10);
  f.CodEmp = QString::number(i % 6 + 1);
  return f;
}

}  // namespace

void EscribeTablasTavernix(const QString& folder) {
  QDir().mkpath(folder);
  std::vector<testing_support::TxcliRecord> clientes;
  for (int i = 0; i < kClientes; ++i) clientes.push_back(cliente(i));
  testing_support::writeTxcliTable(QDir(folder).filePath(QStringLiteral("TXCLI.DBF")), clientes);
  std::vector<testing_support::TxfacRecord> comprobantes;
  for (int i = 0; i < kComprobantes; ++i) comprobantes.push_back(comprobante(i));
  testing_support::writeTxfacTable(QDir(folder).filePath(QStringLiteral("TXFAC.DBF")), comprobantes);
}

}  // namespace demo
