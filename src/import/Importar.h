#pragma once
// The start-up window and the window of an import run: it starts the
// application, asks for the access code, opens the chosen exported table
// through the provider of its file kind and runs one import per click (the
// invoice detail or the customers), with progress, cancellation and the
// button that empties the accounting-entry lines.
#include <QString>
#include <memory>

#include "core/forms/clsInputBox.h"
#include "import/CorridaExclusiva.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/ui/ControlArray.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Form.h"

namespace importacion {

class Avance;

class Importar : public ui::Form {
 public:
  Importar();
  ~Importar() override;

  ui::Label lblPathDatos{*this, "lblPathDatos"};
  ui::TextBox TxtPathDatos{*this, "TxtPathDatos"};
  ui::ControlArray<ui::CheckBox> chkTabla{*this, "chkTabla", {0, 1, 2}};
  ui::ControlArray<ui::Label> lblCuentas{*this, "lblCuentas", {0, 1, 2, 3}};
  ui::ControlArray<ui::TextBox> txtFields{*this, "txtFields", {0, 1, 2, 3}};
  ui::Label lblTabla{*this, "lblTabla"};
  ui::Label LblDetalle{*this, "LblDetalle"};
  ui::CommandButton cmdImportar{*this, "cmdImportar"};
  ui::CommandButton CmdCancelar{*this, "CmdCancelar"};
  ui::CommandButton CmdVaciar{*this, "CmdVaciar"};

  // Start-up, then the access code: a wrong one ends the program.
  void Form_Load() override;
  // Closing the window during a run cancels the run instead.
  void Form_QueryUnload(int& Cancel, int UnloadMode) override;
  // A run starts only on a database that takes writes and that no other run
  // is importing into (CorridaExclusiva).
  void cmdImportar_Click();
  void CmdCancelar_Click();
  // Asks first; then takes the database as a run does (CorridaExclusiva):
  // refused while a run or another deletion writes into it, or when it
  // takes no writes; a failure deletes nothing and is told once.
  void CmdVaciar_Click();

  // Opens the source connection on the folder or file of `Tabla` (a full
  // path), chosen by its extension, and for a table of a folder makes sure
  // the table opens. A failure is shown in one box and leaves the source
  // closed (the run ends there); it is not returned.
  void ConectarProveedor(QString& Tabla);

  // The invoice detail TXFAC of the open source into vouchers and entries;
  // `Tabla`, the source file's path, names it where a record is rejected.
  void ImportaFacturacion(const QString& Tabla);
  // Makes sure the fiscal years 0 and 1 exist.
  void ValidaEjercicio();
  // The customers TXCLI of the open source into accounts; `Tabla`, the
  // source file's path: its file name names it where a record is rejected
  // and is part of what identifies its customers across runs.
  void ImportaClientes(const QString& Tabla);

 private:
  ado::Connection& conexionOrigen();
  // ConectarProveedor opened the source and its table; when it did not, it
  // told the operator why, and the run ends there.
  bool origenAbierto() const;
  // The text of the account box carrying `tag`.
  QString cuentaPorTag(const QString& tag) const;
  void cierraOrigen();
  // What the run wrote is on disk; called before an end text appears, and
  // once more when the run ends without one. Tells the operator when it
  // could not be made sure.
  void aseguraGrabado();
  // The counts of the run as the progress label shows them at its end.
  void muestraCuentas(Avance& avance, ado::Recordset& origen, long leidos, long grabados, long errores);

  bool cancelado_ = false;
  bool importando_ = false;
  bool borrando_ = false;
  std::unique_ptr<CorridaExclusiva> corrida_;
  bool grabadoAsegurado_ = false;
  std::unique_ptr<ado::Connection> conexionOrigen_;
  std::unique_ptr<ado::Recordset> rsPrueba_;
  std::unique_ptr<core::clsInputBox> accesoInput_;
};

}  // namespace importacion
