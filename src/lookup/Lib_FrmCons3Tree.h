#pragma once
// The tree lookup window: the rows of a statement as a tree of codes,
// either the families of V_TA_FAMILIAS (whose parents the database works
// out) or an automatic tree in which a code hangs from the longest code
// already shown that begins it. The operator picks a node, or ticks
// several, and the window hides itself with the chosen code looked up
// again in its table (ValorDevuelto) or the ticked codes (Valores).
//
// Every node's key is "A" and its code; the root is "A", "Consulta...".
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "platform/ado/Recordset.h"
#include "platform/runtime/Variant.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlArray.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Form.h"
#include "platform/ui/TreeView.h"

namespace lookup {

// The statement of the family tree: each family with its parent, the
// greatest family code below its own that is shorter (Null for none).
QString SentenciaFamilias();

class Lib_FrmCons3Tree : public ui::Form {
 public:
  Lib_FrmCons3Tree();

  // ---- Public variables, in the suite's order. Those the tree does not
  // read carry the list window's names for callers that set both alike.
  QString SQL;
  // "IDFAMILIA", "IDPOSICION" or "CODIGO" (any case): which code returns.
  QString CampoDevuelto;
  std::optional<QStringList> CmpsDevueltos;
  bool CheckBoxes = false;
  QString gConnString;  // not read
  rt::Variant ValorDevuelto;
  QString FiltroInicial;   // not read
  QString CampoBusqueda;   // not read
  bool OrdenarPorLwv = false;  // not read
  std::optional<QStringList> Valores;
  std::optional<QStringList> Cantidades;  // not read
  bool UsaCantidades = false;             // not read

  // ---- Controls.
  ui::PictureBox picFields{*this, "picFields"};
  ui::Label lblFieldName{picFields, "lblFieldName"};
  ui::ControlArray<ui::ComboBox> CmbSearch{picFields, "CmbSearch", {0}};
  ui::TreeView TreeV{picFields, "TreeV"};
  ui::Frame Frame1{*this, "Frame1"};
  ui::CommandButton CmdAceptar{Frame1, "CmdAceptar"};
  ui::CommandButton CmdCancelar{Frame1, "CmdCancelar"};
  ui::CommandButton CmdNueva{Frame1, "CmdNueva"};

  // Builds the family tree.
  void ArmarTreeVFamilias();

  // ---- Event procedures.
  void Form_Load() override;
  void Form_Unload(int& Cancel) override;
  void CmdAceptar_Click();
  void CmdCancelar_Click();
  void CmdNueva_Click();
  void CmbSearch_Change(int Index);
  void CmbSearch_KeyDown(int Index, int& KeyCode, int Shift);
  void TreeV_NodeCheck(ui::Node& Node);

 private:
  void ArmarTreeVAutomatico();
  // The tree cleared, with its root alone.
  void empiezaArbol();
  // The tree of the rows of `sentencia` (code, description), each under the
  // node whose key `padreDe` gives; failures go to the dialog under `rutina`.
  using PadreDe = std::function<QString(ado::Recordset& rs, const QString& codigo)>;
  void llena(const QString& rutina, const QString& sentencia, const PadreDe& padreDe);
  bool esFamilias() const;

  QString SentenciaBase;
  QString ClausulaOrden;
  // Nodes by their key, case folded: an automatic tree finds a code's
  // parent by looking up its beginnings, longest first.
  QSet<QString> claves_;
};

}  // namespace lookup
