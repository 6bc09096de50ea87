#include "lookup/Lib_FrmCons3Tree.h"

#include "data_access/DataAccessState.h"
#include "lookup/BusquedaLike.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/Host.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/MessageBox.h"

namespace lookup {

namespace {

const QString kRaiz = QStringLiteral("A");

rt::StepRunner conDialogo(const QString& rutina) {
  return rt::StepRunner([rutina](const rt::Error& e) { return suite::gUtilidades().DialogoError(e, rutina); });
}

QString texto(ado::Recordset& rs, int campo) {
  return suite::gUtilidades().ValorCampo(rs.Fields(campo).Value()).toString();
}

// The row of `tabla` whose `campo` is `codigo`: that column's value.
std::optional<rt::Variant> busca(const QString& tabla, const QString& codigo, const QString& campo) {
  data_access::DB_Dll& db = data_access::gDB();
  ado::Recordset rs;
  std::optional<rt::Variant> valor;
  if (db.ExisteEnTabla(tabla, codigo, campo, &rs, 8, QString(), true)) valor = rs.Fields(campo).Value();
  db.CierraRecordset(rs);
  return valor;
}

// Down to six levels below `nodo`, depth first.
void copiaMarca(ui::Node& nodo, bool marcado, int nivel) {
  if (nivel > 6) return;
  for (ui::Node* hijo = nodo.Child(); hijo; hijo = hijo->Next()) {
    hijo->Checked = marcado;
    copiaMarca(*hijo, marcado, nivel + 1);
  }
}

}  // namespace

QString SentenciaFamilias() {
  return QStringLiteral("SELECT     TOP 100 PERCENT IdFamilia, Descripcion, ") +
         QStringLiteral("(SELECT     TOP 1 idfamilia FROM v_ta_familias a  ") +
         QStringLiteral(" Where a.IdFamilia < b.IdFamilia And (Len(LTrim(RTrim(a.IdFamilia))) < "
                        "Len(LTrim(RTrim(b.IdFamilia)))) ") +
         QStringLiteral(" ORDER BY idfamilia DESC) AS [relative] FROM dbo.V_TA_FAMILIAS b ORDER BY IdFamilia");
}

Lib_FrmCons3Tree::Lib_FrmCons3Tree() : ui::Form("Lib_FrmCons3Tree") {
  Caption = "Consulta...";
  Move(0, 0, 5655, 6420);

  picFields.Move(60, 60, 5415, 5040);
  lblFieldName.FontName = "Tahoma";
  lblFieldName.Caption = "Buscar:";
  lblFieldName.Move(60, 90, 720, 255);
  CmbSearch(0).ToolTipText = "F5 realiza nueva busqueda";
  CmbSearch(0).Move(840, 45, 4515, 315);
  TreeV.Move(60, 420, 5295, 4560);
  TreeV.LineStyle = ui::TreeView::tvwRootLines;
  TreeV.Style = ui::TreeView::tvwTreelinesPlusMinusPictureText;
  Frame1.Move(60, 5100, 5415, 735);
  const struct {
    ui::CommandButton& boton;
    const char* caption;
  } botones[] = {{CmdAceptar, "&Aceptar"}, {CmdCancelar, "&Cancelar"}, {CmdNueva, "&Nueva Busqueda"}};
  int left = 90;
  for (const auto& b : botones) {
    b.boton.Caption = b.caption;
    b.boton.Move(left, 240, 1695, 375);
    left += 1695 + 90;
  }
  CmdAceptar.Default = true;
  CmdCancelar.Cancel = true;

  CmdAceptar.Click = [this] { CmdAceptar_Click(); };
  CmdCancelar.Click = [this] { CmdCancelar_Click(); };
  CmdNueva.Click = [this] { CmdNueva_Click(); };
  CmbSearch.Change = [this](int i) { CmbSearch_Change(i); };
  CmbSearch.Click = [this](int i) { CmbSearch_Change(i); };
  CmbSearch.KeyDown = [this](int i, int& code, int shift) { CmbSearch_KeyDown(i, code, shift); };
  TreeV.NodeCheck = [this](ui::Node& n) { TreeV_NodeCheck(n); };
  TreeV.DblClick = [this] { CmdAceptar_Click(); };
}

bool Lib_FrmCons3Tree::esFamilias() const { return rt::InStr(SQL, QStringLiteral("v_ta_familias"), rt::Compare::Text) > 0; }

void Lib_FrmCons3Tree::Form_Load() {
  rt::StepRunner steps = conDialogo(QStringLiteral("FORM_LOAD"));
  if (!steps.run([&] { Valores = QStringList(); })) return;
  if (!steps.run([&] {
        TreeV.Nodes.Clear();
        claves_.clear();
        TreeV.Checkboxes = CheckBoxes;
      }))
    return;
  steps.run([&] {
    if (esFamilias()) ArmarTreeVFamilias();
    else ArmarTreeVAutomatico();
  });
}

void Lib_FrmCons3Tree::empiezaArbol() {
  TreeV.Nodes.Clear();
  claves_.clear();
  TreeV.LineStyle = ui::TreeView::tvwRootLines;
  TreeV.Style = ui::TreeView::tvwTreelinesPlusMinusPictureText;
  TreeV.Nodes.Add(QString(), 0, kRaiz, QStringLiteral("Consulta...")).Expanded = true;
  claves_.insert(kRaiz.toCaseFolded());
}

void Lib_FrmCons3Tree::ArmarTreeVFamilias() {
  llena(QStringLiteral("ArmarTreeVFamilias"), SentenciaFamilias(), [](ado::Recordset& rs, const QString&) {
    const rt::Variant pariente = rs.Fields(2).Value();
    return pariente.isNull() ? kRaiz : kRaiz + pariente.toString();
  });
}

void Lib_FrmCons3Tree::ArmarTreeVAutomatico() {
  llena(QStringLiteral("ArmarTreeVAutomatico"), SQL, [this](ado::Recordset&, const QString& codigo) {
    // The longest key already in the tree that begins the new one; the
    // root begins every key.
    const QString clave = (kRaiz + codigo).toCaseFolded();
    for (qsizetype largo = clave.size() - 1; largo > 1; --largo)
      if (claves_.contains(clave.left(largo))) return clave.left(largo);
    return kRaiz;
  });
}

void Lib_FrmCons3Tree::llena(const QString& rutina, const QString& sentencia, const PadreDe& padreDe) {
  rt::StepRunner steps = conDialogo(rutina);
  data_access::DB_Dll& db = data_access::gDB();
  ado::Recordset rs;
  if (!steps.run([&] { empiezaArbol(); })) return;
  if (!steps.run([&] { SQL = sentencia; })) return;
  if (!steps.run([&] { db.AbrirRecordset(SQL, rs, &db.gCnn); })) return;
  if (rs.State() != ado::adStateOpen) return;
  while (!rs.EOF()) {
    QString codigo, descripcion, padre;
    if (!steps.run([&] {
          codigo = texto(rs, 0);
          descripcion = texto(rs, 1);
          padre = padreDe(rs, codigo);
        }))
      return;
    // Ignore skips the row.
    if (!steps.run([&] {
          const QString clave = kRaiz + codigo;
          TreeV.Nodes.Add(padre, ui::TreeView::tvwChild, clave, codigo + QStringLiteral(" - ") + descripcion);
          claves_.insert(clave.toCaseFolded());
        }))
      return;
    if (!steps.run([&] { rs.MoveNext(); })) return;
  }
  db.CierraRecordset(rs);
}

void Lib_FrmCons3Tree::CmbSearch_Change(int Index) {
  try {
    const QString buscado = CmbSearch(Index).Text();
    const auto empieza = [&](const QString& parte) {
      return rt::EqualsText(rt::Left(parte, rt::Len(buscado)), buscado);
    };
    for (int i = 1; i <= TreeV.Nodes.Count(); ++i) {
      ui::Node& nodo = TreeV.Nodes(i);
      const QString text = nodo.Text();
      const qsizetype guion = text.indexOf(u'-');
      const QString codigo = guion < 0 ? QString() : rt::Trim(text.left(guion));
      const QString descripcion = guion < 0 ? text : rt::Trim(text.mid(guion + 1));
      if (empieza(codigo) || empieza(descripcion)) {
        TreeV.setSelectedItem(&nodo);
        nodo.EnsureVisible();
        return;
      }
    }
  } catch (const rt::Error&) {
  }
}

void Lib_FrmCons3Tree::CmbSearch_KeyDown(int Index, int& KeyCode, int /*Shift*/) {
  try {
    switch (KeyCode) {
      case ui::key::Down: case ui::key::Up: case ui::key::PageDown: case ui::key::PageUp:
        TreeV.SetFocus();
        break;
      case ui::key::F5: {
        ui::ComboBox& caja = CmbSearch(Index);
        caja.Tag = QStringLiteral("Descripcion");
        SQL = SentenciaBusquedaArbol(SQL, SentenciaBase, ClausulaOrden, caja.Text());
        caja.Text = QString();
        SentenciaBase = SQL;
        Form_Load();
        break;
      }
      default: break;
    }
  } catch (const rt::Error&) {
  }
}

void Lib_FrmCons3Tree::TreeV_NodeCheck(ui::Node& Node) { copiaMarca(Node, Node.Checked(), 1); }

void Lib_FrmCons3Tree::CmdAceptar_Click() {
  rt::StepRunner steps = conDialogo(QStringLiteral("CmdAceptar_Click"));
  const QString campo = rt::UCase(CampoDevuelto);
  if (!CheckBoxes) {
    ui::Node* nodo = TreeV.SelectedItem();
    // Nothing chosen returns nothing.
    if (!nodo) {
      ValorDevuelto = QString();
      Hide();
      return;
    }
    const QString codigo = nodo->Key().mid(1);
    if (!steps.run([&] {
          std::optional<rt::Variant> valor;
          if (campo == QLatin1String("IDFAMILIA")) {
            valor = busca(QStringLiteral("@admin_V_TA_FAMILIAS"), codigo, QStringLiteral("IDFAMILIA"));
          } else if (campo == QLatin1String("IDPOSICION")) {
            valor = busca(QStringLiteral("MA_POSICIONES"), codigo, QStringLiteral("IDPOSICION"));
          } else if (campo == QLatin1String("CODIGO")) {
            valor = busca(QStringLiteral("TA_CCOSTO"), codigo, QStringLiteral("CODIGO"));
            if (!valor) valor = busca(QStringLiteral("MA_CUENTAS"), codigo, QStringLiteral("CODIGO"));
          } else {
            return;
          }
          ValorDevuelto = valor ? *valor : rt::Variant(QString());
        }))
      return;
  } else {
    for (int i = 1; i <= TreeV.Nodes.Count(); ++i) {
      if (!steps.run([&] {
            ui::Node& nodo = TreeV.Nodes(i);
            if (!nodo.Checked()) return;
            const QString codigo = nodo.Key().mid(1);
            if (!Valores) Valores = QStringList();
            if (campo == QLatin1String("IDFAMILIA") || campo == QLatin1String("CODIGO")) {
              Valores->append(rt::Trim(codigo));
            } else if (campo == QLatin1String("IDPOSICION")) {
              if (auto valor = busca(QStringLiteral("MA_POSICIONES"), codigo, QStringLiteral("IDPOSICION")))
                Valores->append(valor->toStringOrEmpty());
            }
          }))
        return;
    }
  }
  Hide();
}

void Lib_FrmCons3Tree::CmdCancelar_Click() {
  ValorDevuelto = QString();
  CmpsDevueltos.reset();
  Valores.reset();
  Hide();
}

void Lib_FrmCons3Tree::CmdNueva_Click() {
  if (esFamilias()) ArmarTreeVFamilias();
  else ArmarTreeVAutomatico();
}

void Lib_FrmCons3Tree::Form_Unload(int& /*Cancel*/) {
  try {
    TreeV.Nodes.Clear();
    claves_.clear();
  } catch (const rt::Error& e) {
    ui::MsgBox(e.Description(), ui::mb::Critical | ui::mb::OkOnly, QStringLiteral("Aviso al Operador"));
  }
}

}  // namespace lookup
