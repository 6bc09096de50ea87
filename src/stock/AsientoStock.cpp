// The accounting entry of a stock movement: the movement valued at cost,
// one line on the counter account of its motive for the whole amount and
// one per stock account of its articles on the other side.
#include <QHash>
#include <algorithm>
#include <optional>

#include "core/Configuration.h"
#include "core/CoreState.h"
#include "core/FieldList.h"
#include "data_access/DataAccessState.h"
#include "import/EntryChecks.h"
#include "numbering/Asientos.h"
#include "numbering/ColumnasGrillas.h"
#include "numbering/ProximoNumero.h"
#include "numbering/Valores.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"
#include "stock/Literales.h"
#include "stock/Sentencias.h"
#include "vouchers/ClsCmnCptes.h"

namespace vouchers {

using data_access::DB_Dll;
using data_access::gDB;

namespace {

namespace a = numbering::articulos;

const QString kAviso = QStringLiteral("Aviso al Operador");

using stock::Numero;
using stock::Texto;

void Informa(const QString& mensaje) { ui::MsgBox(mensaje, ui::mb::Information, kAviso); }

// An article or an account with its amount.
struct Importe {
  QString Codigo;
  rt::Currency Monto;
};

struct Linea {
  QString Cuenta;
  int16_t Secuencia = 0;
  QString Lado;  // "D" or "H"
  rt::Currency Monto;
};

// What the kind of the entry decides.
struct Regla {
  int ColumnaCosto = a::Costo;
  QString ClaveMotivo;  // the configured motive; "" keeps the caller's
  bool EsDebito = true;
};

// The types whose stock movements book no entry of this kind: the sales and
// purchase vouchers book their own.
bool SinAsientoDeStock(const QString& TC, int16_t TipoMov) {
  const suite::Utilidades& util = suite::gUtilidades();
  return (TipoMov != 99 && util.EstaEnLista(TC, {"FC", "TK", "FKFC", "FP", "NC", "NCP", "ND"})) ||
         util.EstaEnLista(TC, {"FCC", "FPC", "NCC", "NCCP", "NDC"});
}

// The rule of the kind; nullopt when the kind books no entry for the type.
std::optional<Regla> ReglaDelTipo(ClsCmnCptes& cpte, const QString& TC, int16_t TipoMov, bool grillaDif) {
  const suite::Utilidades& util = suite::gUtilidades();
  const auto configurada = [&](int columna, const char* clave, bool debitoComun) {
    return Regla{columna, grillaDif ? QString() : QString::fromLatin1(clave), grillaDif ? !debitoComun : debitoComun};
  };
  switch (TipoMov) {
    case 1: return configurada(a::Costo, "MotivoStockRemito", true);
    case 2: return configurada(a::Costo, "MotivoStockComodato", true);
    case 3: return configurada(a::Costo, "MotivoStockTransferencias", true);
    case 4: return configurada(a::Costo, "MotivoStockTransferencias", false);
    case 5: return configurada(a::PrecioSinIVA, "MotivoStockRecepcionOC", false);
    case 99:
      if (util.EstaEnLista(TC, {"FC", "TK", "TKFC", "FP", "ND"})) return Regla{a::Costo, QString(), true};
      if (util.EstaEnLista(TC, {"NC", "NCFP"})) return Regla{a::Costo, QString(), false};
      return std::nullopt;
    default: break;
  }
  if (rt::EqualsText(TC, QStringLiteral("RMC"))) return configurada(a::PrecioSinIVA, "MotivoStockRecepcionOC", false);
  if (util.EstaEnLista(TC, {"IR", "AJP", "SI"})) return Regla{a::Costo, QString(), false};
  if (util.EstaEnLista(TC, {"VS", "AJN"})) return Regla{a::Costo, QString(), true};
  // Kept as the suite has it: only a type without direction puts the counter
  // line on the debit side.
  return Regla{a::Costo, QString(), cpte.ObtieneSignoComprobante(TC, false) == 0};
}

// The articles of an entry with their amounts, one per code (without
// regard to case), in the order first met.
class ImportesPorArticulo {
 public:
  void suma(const QString& codigo, rt::Currency monto) {
    const QString clave = codigo.toCaseFolded();
    if (const auto it = indice_.constFind(clave); it != indice_.constEnd()) {
      lista_[*it].Monto += monto;
      return;
    }
    indice_.insert(clave, lista_.size());
    lista_.push_back({codigo, monto});
  }
  void agrega(const QString& codigo, rt::Currency monto) { lista_.push_back({codigo, monto}); }
  void limpia() {
    lista_.clear();
    indice_.clear();
  }
  const std::vector<Importe>& lista() const { return lista_; }

 private:
  std::vector<Importe> lista_;
  QHash<QString, size_t> indice_;
};

}  // namespace

int32_t ClsCmnCptes::NumeraAsiento(NumeracionAsiento Numeracion, int Mes, int Periodo, const QString& TipoReg) {
  std::vector<AsientoStock>& series = gAsientosStock;
  auto serie = std::find_if(series.begin(), series.end(), [&](const AsientoStock& s) {
    return s.Mes == Mes && s.Periodo == Periodo && s.TipoReg == TipoReg;
  });
  if (Numeracion == NumeracionAsiento::Actual && serie != series.end() && std::next(serie) == series.end())
    return serie->Numero;
  int32_t numero = importacion::ObtieneNroAsiento(Mes, Periodo, TipoReg);
  if (numero == 0) return 0;
  if (serie != series.end()) {
    numero = std::max(numero, serie->Numero + 1);
    series.erase(serie);
  }
  series.push_back({numero, Mes, Periodo, TipoReg});
  return numero;
}

bool ClsCmnCptes::AsientoYaCargado(const QString& TC, const QString& Suc, const QString& Nro, const QString& Letra) {
  if (!gAsientosXStock || SinAsientoDeStock(TC, 0)) return false;
  QString asiento;
  bool existe = false;
  rt::StepRunner pasos([](const rt::Error& e) { return gDB().TratamientoErrores(e); });
  if (!pasos.run([&] { existe = numbering::ExisteAsiento(TC, Suc, Nro, Letra, asiento, QString(), true); }))
    return true;
  if (existe) Informa(QStringLiteral("El comprobante ya ha Sido Cargado. Asiento ") + asiento);
  return existe;
}

QString ClsCmnCptes::GeneraAsientoStock(ui::FlexGrid& Grid, QString& eMotivoStock, QString& TC, QString& Suc,
                                        QString& Nro, QString& Letra, const QString& Fecha, bool& EsDebito,
                                        int16_t TipoMov, int32_t SoloRegistro, int16_t* Secuencia) {
  int16_t secuencia = Secuencia ? *Secuencia : 1;
  const NumeracionAsiento numeracion = SoloRegistro > 1 ? NumeracionAsiento::Actual : NumeracionAsiento::Siguiente;
  QString resultado =
      ArmaAsientoStock(Grid, eMotivoStock, TC, Suc, Nro, Letra, Fecha, EsDebito, TipoMov, SoloRegistro, numeracion,
                       secuencia);
  if (Secuencia) *Secuencia = secuencia;
  return resultado;
}

QString ClsCmnCptes::ArmaAsientoStock(ui::FlexGrid& Grid, QString& eMotivoStock, QString& TC, QString& Suc,
                                      QString& Nro, QString& Letra, const QString& Fecha, bool& EsDebito,
                                      int16_t TipoMov, int32_t SoloRegistro, NumeracionAsiento Numeracion,
                                      int16_t& Secuencia, const CantidadesEscritas* Escritas) {
  if (!gAsientosXStock) return QString();
  suite::Utilidades& util = suite::gUtilidades();
  eMotivoStock = util.Reemplaza(eMotivoStock, QStringLiteral("'"), QString());
  if (SinAsientoDeStock(TC, TipoMov)) return QString();

  rt::StepRunner pasos([](const rt::Error& e) { return gDB().TratamientoErrores(e); });
  const core::CoreState& estado = core::gCore();

  // The kind: cost column, motive, counter side; a cost-of-goods entry is a
  // CMV voucher of its own, which names the sales voucher as its origin.
  Regla regla;
  QString tcOrigen, cpteOrigen;
  bool sinAsiento = false;
  if (!pasos.run([&] {
        const std::optional<Regla> r =
            ReglaDelTipo(*this, TC, TipoMov, rt::EqualsText(Grid.Name(), QStringLiteral("MSFlexGridDif")));
        sinAsiento = !r;
        if (sinAsiento) return;
        regla = *r;
        EsDebito = regla.EsDebito;
        if (!regla.ClaveMotivo.isEmpty()) eMotivoStock = core::Cfg(regla.ClaveMotivo);
      }))
    return QString();
  if (sinAsiento) return QString();
  if (TipoMov == 99 && !pasos.run([&] {
        tcOrigen = Texto(util.RellenaCodigo(rt::Trim(TC), 4));
        cpteOrigen = Texto(Suc + Nro + Letra);
        TC = QStringLiteral("CMV");
        bool modifica = false;
        numbering::Obtener_Nro_Comprobante(TC, Suc, Nro, Letra, modifica, true, QString());
      }))
    return QString();

  // The counter account: the motive's, or the cost of goods of the sales
  // motive.
  QString cuentaContra, detalle;
  bool hayMotivo = false;
  ado::Recordset rs;
  if (!pasos.run([&] {
        const QString motivo = Texto(util.RellenaCodigo(eMotivoStock, 4));
        gDB().AbrirRecordset(TipoMov == 99 ? stock::sentencia::MotivoVenta(motivo) : stock::sentencia::MotivoStock(motivo),
                             rs);
        hayMotivo = !rs.BOF();
        if (!hayMotivo) return;
        cuentaContra = rt::Trim(numbering::TextoCampo(
            rs[TipoMov == 99 ? QStringLiteral("COSTO_MERCADERIA") : QStringLiteral("cuentacontable")].Value()));
        detalle = numbering::TextoCampo(rs["Descripcion"].Value());
      }))
    return QString();
  gDB().CierraRecordset(rs);
  if (!hayMotivo) return QString();
  if (cuentaContra.isEmpty()) {
    if (TipoMov == 99)
      Informa(QStringLiteral("No se puede generar el asiento de Costo de mercaderia!.. no esta configurada la cuenta"));
    return QString();
  }

  // The entry: refused for a voucher that has one; numbered within the
  // register type of the voucher type's journal.
  int mes = 0;
  const QString periodo = QString::number(estado.gPeriodo);
  if (!pasos.run([&] { mes = numbering::DiaDe(rt::Variant(Fecha)).month(); })) return QString();
  if (SoloRegistro == 0 && !Escritas && AsientoYaCargado(TC, Suc, Nro, Letra)) return QString();
  QString tipoReg;
  if (!pasos.run([&] { tipoReg = numbering::ObtieneTipoRegCont(TC); })) return QString();
  if (tipoReg.isEmpty()) {
    Informa(QStringLiteral("No se ha informado El Tipo de Registro que generará el Asiento, corrija esto desde "
                           "configuración y vuelva a intentarlo"));
    return QString();
  }
  int32_t numero = 0;
  if (!pasos.run([&] { numero = NumeraAsiento(Numeracion, mes, estado.gPeriodo, tipoReg); }))
    return QString();
  if (numero == 0) return QString();  // the numbering was left at its error dialog

  // The articles and their amounts: quantity by cost, summed per article.
  // The writer's lines are valued by what their rows wrote: a line none of
  // whose rows was written adds nothing.
  ImportesPorArticulo porArticulo;
  const auto valora = [&](int fila, bool suma) {
    rt::Currency cantidad;
    if (!Escritas) {
      cantidad = util.TextoANumero(Grid.TextMatrix(fila, a::Cantidad));
    } else if (const auto escrita = Escritas->constFind(fila); escrita != Escritas->constEnd()) {
      cantidad = *escrita;
    } else {
      return;
    }
    const rt::Currency monto = cantidad * util.TextoANumero(Grid.TextMatrix(fila, regla.ColumnaCosto));
    const QString codigo = util.RellenaCodigo(Grid.TextMatrix(fila, a::IdArticulo), 25);
    if (suma) porArticulo.suma(codigo, monto);
    else porArticulo.agrega(codigo, monto);
  };
  if (!pasos.run([&] {
        porArticulo.limpia();
        if (SoloRegistro > 0) {
          valora(SoloRegistro, false);
          return;
        }
        for (int fila = 1; fila < Grid.Rows(); ++fila)
          if (!rt::Trim(Grid.TextMatrix(fila, a::IdArticulo)).isEmpty()) valora(fila, true);
      }))
    return QString();
  const std::vector<Importe>& articulos = porArticulo.lista();
  if (articulos.empty()) return QString();

  // The stock accounts of the articles, each with the amounts of its
  // articles. An article without an account is valued on none.
  std::vector<Importe> cuentas;
  if (!pasos.run([&] {
        cuentas.clear();
        std::vector<QString> codigos;
        for (const Importe& i : articulos) codigos.push_back(i.Codigo);
        gDB().AbrirRecordset(stock::sentencia::CuentasDeArticulos(core::ArmaCondicionSQL(
                                 QStringLiteral(" idarticulo "), QStringLiteral("="), codigos, QStringLiteral(" OR "),
                                 QStringLiteral("'"), false, false)),
                             rs);
        for (; !rs.EOF(); rs.MoveNext()) {
          const QString cuenta = rt::Trim(numbering::TextoCampo(rs.Fields(0).Value()));
          if (!cuenta.isEmpty()) cuentas.push_back({cuenta, rt::Currency()});
        }
        if (cuentas.empty()) return;
        for (const Importe& articulo : articulos) {
          gDB().AbrirRecordset(stock::sentencia::CuentaDeArticulo(Texto(articulo.Codigo)), rs);
          if (rs.BOF()) continue;
          const QString cuenta = rt::Trim(numbering::TextoCampo(rs["cuentacontableC"].Value()));
          for (Importe& c : cuentas)
            if (rt::EqualsText(c.Codigo, cuenta)) c.Monto += articulo.Monto;
        }
      }))
    return QString();
  gDB().CierraRecordset(rs);

  // The lines: the counter line for the whole amount, then one per account
  // on the other side. An amount below zero goes on the opposite side as
  // a positive one, the counter total too, so the entry always balances.
  const QString lado = EsDebito ? QStringLiteral("D") : QStringLiteral("H");
  const QString otroLado = EsDebito ? QStringLiteral("H") : QStringLiteral("D");
  std::vector<Linea> lineas;
  rt::Currency total;
  for (const Importe& c : cuentas) total += c.Monto;
  lineas.push_back(total < rt::Currency() ? Linea{cuentaContra, Secuencia, otroLado, -total}
                                          : Linea{cuentaContra, Secuencia, lado, total});
  int16_t ultima = Secuencia;
  for (const Importe& c : cuentas) {
    ++ultima;
    lineas.push_back(c.Monto < rt::Currency() ? Linea{c.Codigo, ultima, lado, -c.Monto}
                                              : Linea{c.Codigo, ultima, otroLado, c.Monto});
  }
  const rt::Currency cabecera = lineas.front().Monto;

  QString sentencias;
  const QString tcClave = util.RellenaCodigo(TC, 4);
  for (const Linea& linea : lineas) {
    if (linea.Monto <= rt::Currency()) continue;
    if (!pasos.run([&] {
          core::ListaDeCampos campos;
          const auto campo = [&](const char* nombre, const QString& valor) {
            campos.push_back({QString::fromLatin1(nombre), valor});
          };
          campo("Cuenta", Texto(linea.Cuenta));
          campo("Secuencia", Texto(QString::number(linea.Secuencia)));
          campo("Mes_Operativo", Texto(QString::number(mes)));
          campo("[NUMERO ASIENTO]", Texto(QString::number(numero)));
          campo("Fecha", Texto(Fecha));
          campo("FechaSubDiario", Texto(Fecha));
          campo("Detalle", Texto(detalle));
          campo("TC", Texto(TC));
          campo("SUCURSAL", Texto(Suc));
          campo("NUMERO", Texto(Nro));
          campo("LETRA", Texto(Letra));
          campo("PERIODO", Texto(periodo));
          campo("Tipo_Reg", Texto(tipoReg));
          campo("[DEBE-HABER]", Texto(linea.Lado));
          campo("FechaHora_Grabacion", DB_Dll::SQLValue(rt::Variant(rt::Now()), QStringLiteral("'")));
          campo("USUARIO_LOGEADO", Texto(estado.gUsuarioLogeado));
          campo("Importe", Numero(linea.Monto));
          campo("Moneda", QStringLiteral("'   1'"));
          campo("Cotizacion", QStringLiteral("1"));
          campo("CABImporte", Numero(cabecera));
          campo("CABCuenta", Texto(cuentaContra));
          campo("CABNombre", Texto(eMotivoStock));
          campo("Unegocio", rt::EqualsText(estado.gUNegocio, QStringLiteral("Null")) ? estado.gUNegocio
                                                                                      : Texto(estado.gUNegocio));
          campo("IdCajas", rt::Trim(estado.gCaja).isEmpty() ? QStringLiteral("NULL")
                                                            : Texto(util.RellenaCodigo(rt::Trim(estado.gCaja), 4)));
          if (TipoMov == 99) {
            campo("TC_ORIGEN", tcOrigen);
            campo("CPTE_ORIGEN", cpteOrigen);
          }
          // A row alone adds to its entry's line of the account and side,
          // never to another entry's: the voucher may hold earlier ones.
          const stock::sentencia::LineaDeEntrada propia{numero, mes, estado.gPeriodo, tipoReg, linea.Cuenta, linea.Lado};
          bool suma = false;
          if (SoloRegistro > 0) {
            gDB().AbrirRecordset(stock::sentencia::LineaDeAsiento(tcClave, Suc, Nro, Letra, propia), rs);
            suma = !rs.BOF();
            gDB().CierraRecordset(rs);
          }
          QString sentencia = QStringLiteral("INSERT INTO MV_ASIENTOS ");
          if (suma)
            sentencia = stock::sentencia::SumaALineaDeAsiento(Numero(linea.Monto), tcClave, Suc, Nro, Letra, propia);
          else
            core::ArmaInsert(sentencia, campos, true);
          sentencias += QStringLiteral("\r\n") + sentencia;
        }))
      return QString();
  }
  Secuencia = static_cast<int16_t>(ultima + 1);
  return sentencias;
}

}  // namespace vouchers
