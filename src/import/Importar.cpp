// The window, the access code and the run driver.
#include "import/Importar.h"

#include <functional>

#include "core/Startup.h"
#include "data_access/BaseOcupada.h"
#include "data_access/DataAccessState.h"
#include "import/Avance.h"
#include "import/ImportSql.h"
#include "platform/runtime/ProgramEnd.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Waits.h"

namespace importacion {

namespace {

const QString kClaveAcceso = QStringLiteral("7148");

// Runs its action when the scope is left, however it is left.
class AlSalir {
 public:
  explicit AlSalir(std::function<void()> accion) : accion_(std::move(accion)) {}
  ~AlSalir() { accion_(); }
  AlSalir(const AlSalir&) = delete;
  AlSalir& operator=(const AlSalir&) = delete;

 private:
  std::function<void()> accion_;
};

}  // namespace

Importar::Importar() : ui::Form("Importar") {
  Caption = QStringLiteral("Importación de Datos - OLMA - KORA NET PLUS");
  BorderStyle = 1;
  Move(0, 0, 9300, 6300);

  lblPathDatos.Caption = "Directorio de Datos";
  lblPathDatos.Move(240, 240, 3000, 255);
  TxtPathDatos.Text = "E:\\migrar";
  TxtPathDatos.Move(240, 510, 8700, 315);

  const char* tablas[] = {"Detalle de Facturacion (TXFAC.DBF)", "Clientes (TXCLI.DBF)", "Clientes (TXCLI.DBF)"};
  int top = 1020;
  for (ui::CheckBox& chk : chkTabla) {
    chk.Caption = tablas[chk.Index()];
    chk.FontBold = true;
    chk.Move(240, top, 4500, 315);
    top += 360;
  }

  const struct {
    const char* etiqueta;
    const char* tag;
    const char* cuenta;
  } cuentas[] = {{"Cuenta Ajuste Clientes:", "CtaAjusteCliente", "511"},
                 {"Cuenta Ajuste Proveedores:", "CtaAjusteProveedor", "511"},
                 {"Cuenta Cheques en Cartera:", "CtaChequesEnCartera", "1110102"},
                 {"Cuenta Ajuste Ch Cartera:", "CtaAjusteCheque", "511"}};
  top = 2220;
  for (int i = 0; i < 4; ++i) {
    lblCuentas(i).Caption = cuentas[i].etiqueta;
    lblCuentas(i).Move(240, top + 45, 2400, 255);
    txtFields(i).Tag = cuentas[i].tag;
    txtFields(i).Text = cuentas[i].cuenta;
    txtFields(i).Move(2760, top, 1695, 315);
    top += 405;
  }

  lblTabla.Move(240, 3960, 8700, 255);
  LblDetalle.Move(240, 4260, 8700, 795);

  cmdImportar.Caption = "Iniciar/Importar";
  cmdImportar.Move(240, 5250, 2520, 435);
  CmdCancelar.Caption = "Cancelar";
  CmdCancelar.Enabled = false;
  CmdCancelar.Move(3330, 5250, 2520, 435);
  CmdVaciar.Caption = "Borrar Movimientos";
  CmdVaciar.Move(6420, 5250, 2520, 435);

  int tab = 0;
  TxtPathDatos.TabIndex = tab++;
  for (ui::CheckBox& chk : chkTabla) chk.TabIndex = tab++;
  for (ui::TextBox& txt : txtFields) txt.TabIndex = tab++;
  cmdImportar.TabIndex = tab++;
  CmdCancelar.TabIndex = tab++;
  CmdVaciar.TabIndex = tab++;

  cmdImportar.Click = [this] { cmdImportar_Click(); };
  CmdCancelar.Click = [this] { CmdCancelar_Click(); };
  CmdVaciar.Click = [this] { CmdVaciar_Click(); };
}

Importar::~Importar() = default;

void Importar::Form_Load() {
  QString cadena;
  core::IniciaSistema(false, QString(), cadena, 3);

  if (!accesoInput_) accesoInput_ = std::make_unique<core::clsInputBox>();
  accesoInput_->setIcono(3);
  accesoInput_->setPassWordChar(QStringLiteral("*"));
  accesoInput_->setTextoDetalle(QStringLiteral("Clave"));
  accesoInput_->setTitulo(QStringLiteral("Acceso"));
  const QString clave = accesoInput_->Abrir();
  if (!rt::EqualsText(rt::Trim(clave), kClaveAcceso)) {
    ui::MsgBox(QStringLiteral("erronea"), ui::mb::OkOnly);
    // The code guards the import: without it the program does not go on.
    rt::EndProgram(rt::exitstatus::NoAccess);
  }
}

void Importar::Form_QueryUnload(int& Cancel, int) {
  if (!importando_) return;
  cancelado_ = true;
  Cancel = 1;
}

void Importar::cmdImportar_Click() {
  cmdImportar.Enabled = false;
  CmdCancelar.Enabled = true;
  TxtPathDatos.Enabled = false;
  CmdVaciar.Enabled = false;
  cancelado_ = false;
  importando_ = true;
  if (CmdCancelar.canFocus()) CmdCancelar.SetFocus();
  AlSalir inactivo([this] {
    importando_ = false;
    TxtPathDatos.Enabled = true;
    cmdImportar.Enabled = true;
    CmdCancelar.Enabled = false;
    CmdVaciar.Enabled = true;
  });

  const bool facturas = chkTabla(0).Value != 0;
  if (!facturas && chkTabla(1).Value == 0) return;
  if (rt::Trim(TxtPathDatos.Text).isEmpty()) {
    ui::MsgBox(QStringLiteral("Escriba en \"Directorio de Datos\" la carpeta donde están las tablas que exportó "
                              "Tavernix (TXFAC.DBF y TXCLI.DBF) y vuelva a importar."),
               ui::mb::OkOnly | ui::mb::Exclamation, QStringLiteral("Atencion!"));
    return;
  }
  // While the run waits for another program writing to the database,
  // Cancelar and the close box end the wait too, and the notice's button
  // cancels the run.
  const ui::WaitEnding esperas(*this, {&CmdCancelar}, [this] { return cancelado_; }, [this] { cancelado_ = true; });
  QString rechazo;
  corrida_ = CorridaExclusiva::Inicia(facturas ? QStringLiteral("TXFAC.DBF") : QStringLiteral("TXCLI.DBF"), rechazo);
  if (!corrida_) {
    if (!rechazo.isEmpty()) ui::MsgBox(rechazo, ui::mb::OkOnly | ui::mb::Exclamation, QStringLiteral("Atencion!"));
    return;
  }
  grabadoAsegurado_ = false;
  // However the run ends, what it wrote is on disk and the database is free.
  AlSalir libera([this] {
    aseguraGrabado();
    corrida_.reset();
  });
  // The marks of the last run go.
  lblTabla.Caption = QString();
  LblDetalle.Caption = QString();

  const QString carpeta = suite::gUtilidades().NormalizaCarpeta(TxtPathDatos.Text);
  if (facturas) {
    QString ruta = carpeta + QStringLiteral("TXFAC.DBF");
    ConectarProveedor(ruta);
    if (!origenAbierto()) return;
    data_access::gDB().EjecutaConsultaSQL(sql::DeshabilitaTriggers());
    {
      // Whatever ends the run, the entry table's triggers work again.
      AlSalir triggers([] { data_access::gDB().EjecutaConsultaSQL(sql::HabilitaTriggers()); });
      ImportaFacturacion(ruta);
    }
    cierraOrigen();
  } else {
    QString ruta = carpeta + QStringLiteral("TXCLI.DBF");
    ConectarProveedor(ruta);
    if (!origenAbierto()) return;
    ImportaClientes(ruta);
    cierraOrigen();
  }
}

void Importar::CmdCancelar_Click() { cancelado_ = true; }

void Importar::CmdVaciar_Click() {
  if (importando_ || borrando_) return;
  const int respuesta = ui::MsgBox(
      QStringLiteral("Se borrarán TODAS las líneas de asientos contables de la empresa (tabla MV_ASIENTOS), no sólo "
                     "las importadas. Esta operación no se puede deshacer.\r\n\r\n¿Desea borrar los movimientos?"),
      ui::mb::YesNo | ui::mb::Question | ui::mb::DefaultButton2, QStringLiteral("Atencion!"));
  if (respuesta != ui::mb::Yes) return;
  borrando_ = true;
  CmdVaciar.Enabled = false;
  cmdImportar.Enabled = false;
  AlSalir listo([this] {
    borrando_ = false;
    CmdVaciar.Enabled = true;
    cmdImportar.Enabled = true;
  });
  // Like a run: never while one imports into the database, nor on one that
  // takes no writes.
  QString rechazo;
  const std::unique_ptr<CorridaExclusiva> borrado = CorridaExclusiva::IniciaBorrado(rechazo);
  if (!borrado) {
    if (!rechazo.isEmpty()) ui::MsgBox(rechazo, ui::mb::OkOnly | ui::mb::Exclamation, QStringLiteral("Atencion!"));
    return;
  }
  // One statement: all the lines go, or none. A failure is told here once,
  // with its cause; a wait the operator ended deletes nothing and needs no
  // word.
  data_access::DB_Dll& db = data_access::gDB();
  db.gCnn.Errors().Clear();
  db.EjecutaConsultaSQL(sql::BorraAsientos(), nullptr, nullptr, false);
  ado::Errors& errores = db.gCnn.Errors();
  if (errores.Count() == 0) return;
  const ado::Error fallo = errores[0];
  errores.Clear();
  if (ado::IsWaitEnded(fallo)) return;
  ui::MsgBox(fallo.NativeError == data_access::kEsperaDeBloqueoAgotada
                 ? data_access::TextoBaseOcupada(
                       db.gCnn.CommandTimeout(),
                       QStringLiteral("Los movimientos no se borraron: ciérrelo y vuelva a borrar los movimientos."))
                 : QStringLiteral("No se pudieron borrar los movimientos: %1\r\n\r\nNo se borró ninguna línea.")
                       .arg(fallo.Description),
             ui::mb::OkOnly | ui::mb::Exclamation, QStringLiteral("Atencion!"));
}

ado::Connection& Importar::conexionOrigen() {
  if (!conexionOrigen_) conexionOrigen_ = std::make_unique<ado::Connection>();
  return *conexionOrigen_;
}

bool Importar::origenAbierto() const {
  return conexionOrigen_ && conexionOrigen_->State() != ado::adStateClosed;
}

QString Importar::cuentaPorTag(const QString& tag) const {
  return txtFields(suite::gControles().IndicePorTag(tag, txtFields)).Text;
}

void Importar::aseguraGrabado() {
  if (!corrida_ || grabadoAsegurado_) return;
  grabadoAsegurado_ = true;
  if (const std::optional<QString> motivo = corrida_->AseguraEnDisco())
    ui::MsgBox(QStringLiteral("La importación grabó sus registros, pero no se pudo asegurar que ya estén en el disco: ") +
                   *motivo +
                   QStringLiteral("\r\n\r\nUn corte de luz podría perder los últimos; si ocurre, vuelva a importar "
                                  "(lo ya grabado no se duplica)."),
               ui::mb::OkOnly | ui::mb::Exclamation, QStringLiteral("Atencion!"));
}

void Importar::muestraCuentas(Avance& avance, ado::Recordset& origen, long leidos, long grabados, long errores) {
  // Before each record the label shows the counts without it; at the end
  // it shows them all. An empty table leaves the label as it was.
  if (leidos > 0) LblDetalle.Caption = avance.Texto(leidos, origen.RecordCount(), grabados, errores);
}

void Importar::cierraOrigen() {
  // A source that never opened has nothing to close.
  if (rsPrueba_ && rsPrueba_->State() != ado::adStateClosed) rsPrueba_->Close();
  if (conexionOrigen_ && conexionOrigen_->State() != ado::adStateClosed) conexionOrigen_->Close();
}

}  // namespace importacion
