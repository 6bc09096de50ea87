#include "lots/DialogoConEditor.h"

#include <algorithm>
#include <utility>

#include "core/FormStyle.h"
#include "data_access/DataAccessState.h"
#include "lots/Cantidades.h"
#include "numbering/Valores.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/Host.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/MessageBox.h"

namespace lots {

namespace {

constexpr int kAnchoFormulario = 8400, kAltoFormulario = 5400;

// What no cell may hold, whatever its column: the characters that
// separate the items of a list and a lot from its serial.
std::optional<QString> RechazoDeSeparadores(const QString& texto) {
  if (!texto.contains(u'|') && !texto.contains(rt::Chr(255)) && !texto.contains(QChar(0))) return std::nullopt;
  return QStringLiteral("El valor no puede contener los caracteres \"|\" ni \"") + rt::Chr(255) + u'"';
}

}  // namespace

QString ListaDeItems(const std::vector<QString>& items) {
  QString lista = QStringLiteral("|");
  for (const QString& item : items) lista += item + u'|';
  return lista;
}

DialogoConEditor::DialogoConEditor(QString nombre, Diferencias diferencias)
    : ui::Form(std::move(nombre)), diferencias_(std::move(diferencias)) {
  BorderStyle = 3;
  Move(0, 0, kAnchoFormulario, kAltoFormulario);

  ImageList1.ListImages.Add(0, QStringLiteral("Llenar"), QStringLiteral(":/lots/pictures/llenar.png"));
  ImageList1.ListImages.Add(0, QStringLiteral("Blanquear"), QStringLiteral(":/lots/pictures/blanquear.png"));
  Toolbar1.ImageList = &ImageList1;
  // Across the client area, as a toolbar aligned to the top lies.
  Toolbar1.Move(0, 0, ScaleWidth(), 420);
  Toolbar1.Buttons.Add(0, QString(), QString(), 1).ToolTipText =
      QStringLiteral("Llenar las demas celdas con el valor de las seleccionadas");
  Toolbar1.Buttons.Add(0, QString(), QString(), 2).ToolTipText =
      QStringLiteral("Blanquear las Celdas a partir de la celda seleccionada");
  if (diferencias_.botonProponer) {
    ImageList1.ListImages.Add(0, QStringLiteral("Proponer"), QStringLiteral(":/lots/pictures/proponer.png"));
    Toolbar1.Buttons.Add(0, QString(), QString(), 3).ToolTipText = QStringLiteral("Proponer Automaticamente");
  }

  lblArticulo.Caption = QStringLiteral("Artículo-Descripción");
  lblArticulo.Move(120, 500, 8040, 255);
  MSFlexGrid1.Move(120, 800, 8040, 3660);
  MSFlexGrid1.ZOrder(1);
  TxtEdit.Visible = false;
  TxtEdit.ZOrder();
  CmdAceptar.Move(5520, 4560, 1215, 375);
  CmdCancelar.Move(6945, 4560, 1215, 375);
  CmdCancelar.Caption = QStringLiteral("&Cancelar");

  MSFlexGrid1.TabIndex = 0;
  TxtEdit.TabIndex = 1;
  CmdAceptar.TabIndex = 2;
  CmdCancelar.TabIndex = 3;

  MSFlexGrid1.KeyPress = [this](int& KeyAscii) { MsflexGridEdt(MSFlexGrid1, TxtEdit, KeyAscii); };
  MSFlexGrid1.GotFocus = [this] { MSFlexGrid1_Commit(); };
  MSFlexGrid1.LeaveCell = [this] { MSFlexGrid1_Commit(); };
  TxtEdit.KeyPress = [this](int& KeyAscii) { TxtEdit_KeyPress(KeyAscii); };
  TxtEdit.KeyDown = [this](int& KeyCode, int Shift) { TxtEdit_KeyDown(KeyCode, Shift); };
  Toolbar1.ButtonClick = [this](ui::ToolbarButton& Button) { Toolbar1_ButtonClick(Button); };
  CmdAceptar.Click = [this] { CmdAceptar_Click(); };
  CmdCancelar.Click = [this] { CmdCancelar_Click(); };
}

void DialogoConEditor::MsflexGridEdt(ui::FlexGrid& MsFlexGrid, ui::TextBox& Edt, int KeyAscii) {
  const int columna = MsFlexGrid.Col();
  if (MsFlexGrid.Row() < MsFlexGrid.FixedRows() || columna < MsFlexGrid.FixedCols() ||
      columna < columnas.primeraEditable || columna > columnas.ultimaEditable)
    return;
  Text_Propiedades(Edt, columna);
  if (KeyAscii >= 0 && KeyAscii <= 32) {
    Edt.Text = MsFlexGrid.Text();
    Edt.SelStart = 1000;
  } else {
    int caracter = KeyAscii;
    suite::gControles().FiltraTecla(Edt, caracter);
    Edt.Text = caracter != 0 ? QString(QChar(caracter)) : QString();
    Edt.SelStart = 1;
  }
  MuestraCeldaActual(MsFlexGrid);
  Edt.Move(MsFlexGrid.Left() + MsFlexGrid.CellLeft(), MsFlexGrid.Top() + MsFlexGrid.CellTop(), MsFlexGrid.CellWidth(),
           MsFlexGrid.CellHeight());
  Edt.Visible = true;
  Edt.ZOrder();
  Edt.SetFocus();
}

void DialogoConEditor::Text_Propiedades(ui::TextBox& Texto, int Col) {
  const bool cantidad = Col == columnas.cantidad;
  Texto.DataField = cantidad ? QStringLiteral("Cantidad") : QString();
  Texto.MaxLength = cantidad ? 0 : 25;
  Texto.Tag = QString();
}

void DialogoConEditor::EditKeyCode(ui::FlexGrid& MsFlexGrid, ui::TextBox& Edt, int KeyCode, int /*Shift*/) {
  const std::vector<long>& omitidos = diferencias_.erroresOmitidos;
  rt::StepRunner pasos([&omitidos](const rt::Error& e) {
    if (std::find(omitidos.begin(), omitidos.end(), e.Number()) != omitidos.end()) return rt::answer::Ignore;
    return data_access::gDB().TratamientoErrores(e, std::nullopt, QStringLiteral("EditKeyCode"));
  });
  // The grid takes the focus (which writes the box's text into its cell)
  // and that runs before anything moves.
  const auto alaGrilla = [&] {
    return pasos.run([&] { MsFlexGrid.SetFocus(); }) && pasos.run([] { ui::DoEvents(); });
  };
  bool sigue = true;
  switch (KeyCode) {
    case ui::key::Return:
      sigue = alaGrilla() && pasos.run([&] {
        if (MsFlexGrid.Col() >= columnas.ultimaEditable) SiguienteFila(MsFlexGrid);
        else MsFlexGrid.setCol(MsFlexGrid.Col() + 1);
      });
      break;
    case ui::key::Escape:
      sigue = pasos.run([&] { Edt.Visible = false; }) && pasos.run([&] { MsFlexGrid.SetFocus(); });
      break;
    case ui::key::Up:
      sigue = alaGrilla() && pasos.run([&] {
        if (MsFlexGrid.Row() > MsFlexGrid.FixedRows()) MsFlexGrid.setRow(MsFlexGrid.Row() - 1);
      });
      break;
    case ui::key::Down:
      sigue = alaGrilla() && pasos.run([&] {
        if (MsFlexGrid.Row() < MsFlexGrid.Rows() - 1)
          MsFlexGrid.setCurrentCell(MsFlexGrid.Row() + 1, ColumnaEditable(MsFlexGrid.Col()));
      });
      break;
    default: break;
  }
  if (sigue) pasos.run([&] { MuestraCeldaActual(MsFlexGrid); });
}

int DialogoConEditor::ColumnaEditable(int columna) const {
  return std::clamp(columna, columnas.primeraEditable, columnas.ultimaEditable);
}

// The same column of the next row: whoever types serials under a lot copied
// down goes on down the serials.
void DialogoConEditor::SiguienteFila(ui::FlexGrid& grilla) {
  if (grilla.Row() < grilla.Rows() - 1) {
    grilla.setCurrentCell(grilla.Row() + 1, ColumnaEditable(grilla.Col()));
  } else if (diferencias_.aceptarAlFinal) {
    CmdAceptar.SetFocus();
  } else {
    grilla.setCol(columnas.primeraEditable);
  }
}

void DialogoConEditor::MuestraCeldaActual(ui::FlexGrid& grilla) {
  const int fila = grilla.Row(), columna = grilla.Col();
  if (fila >= grilla.FixedRows()) {
    if (fila < grilla.TopRow()) grilla.setTopRow(fila);
    while (grilla.TopRow() < fila && grilla.Height() < grilla.CellTop() + grilla.CellHeight())
      grilla.setTopRow(grilla.TopRow() + 1);
  }
  if (columna >= grilla.FixedCols()) {
    if (columna < grilla.LeftCol()) grilla.setLeftCol(columna);
    while (grilla.LeftCol() < columna && grilla.Width() < grilla.CellLeft() + grilla.CellWidth())
      grilla.setLeftCol(grilla.LeftCol() + 1);
  }
}

void DialogoConEditor::VaAPrimeraCelda() {
  if (MSFlexGrid1.Rows() > MSFlexGrid1.FixedRows() && columnas.primeraEditable < MSFlexGrid1.Cols())
    MSFlexGrid1.setCurrentCell(MSFlexGrid1.FixedRows(), columnas.primeraEditable);
}

void DialogoConEditor::TxtEdit_KeyPress(int& KeyAscii) { suite::gControles().FiltraTecla(TxtEdit, KeyAscii); }

void DialogoConEditor::TxtEdit_KeyDown(int& KeyCode, int Shift) {
  if (!suite::gControles().TeclaConfirma(KeyCode)) return;
  // Escape drops what was typed, so it needs no check.
  if (KeyCode != ui::key::Escape) {
    CampoValida(TxtEdit);
    if (ErrorEnCampo) return;
  }
  EditKeyCode(MSFlexGrid1, TxtEdit, KeyCode, Shift);
}

void DialogoConEditor::MSFlexGrid1_Commit() {
  if (!TxtEdit.Visible()) return;
  MSFlexGrid1.setText(TxtEdit.Text());
  TxtEdit.Visible = false;
}

bool DialogoConEditor::CierraEdicion() {
  if (!TxtEdit.Visible()) return true;
  CampoValida(TxtEdit);
  if (ErrorEnCampo) {
    if (TxtEdit.canFocus()) TxtEdit.SetFocus();
    return false;
  }
  MSFlexGrid1_Commit();
  return true;
}

void DialogoConEditor::CampoValida(ui::TextBox& Texto) {
  ErrorEnCampo = false;
  const bool hecho = numbering::Trampa(QStringLiteral("CampoValida")).run([&] {
    const QString texto = rt::Trim(Texto.Text());
    const bool cantidad = rt::EqualsText(rt::Trim(Texto.DataField()), QStringLiteral("Cantidad"));
    if (std::optional<QString> rechazo = RechazoDeValor(texto, MSFlexGrid1.Row(), cantidad, false)) Rechaza(*rechazo);
    else if (!cantidad) EntradaValida(texto);
  });
  // A check that could not be made does not let the value pass.
  if (!hecho) ErrorEnCampo = true;
}

void DialogoConEditor::EntradaValida(const QString&) {}

std::optional<QString> DialogoConEditor::RechazoDeValor(const QString& texto, int fila, bool cantidad, bool propia) {
  if (std::optional<QString> rechazo = RechazoDeSeparadores(texto)) return rechazo;
  return cantidad ? RevisaCantidad(texto, fila, propia) : std::nullopt;
}

void DialogoConEditor::Propone(int fila, int columna, const QString& texto) {
  MSFlexGrid1.setTextMatrix(fila, columna, texto);
  propuestas_[{fila, columna}] = texto;
}

void DialogoConEditor::LimpiaGrilla() {
  MSFlexGrid1.Clear();
  propuestas_.clear();
}

void DialogoConEditor::Rechaza(const QString& mensaje) {
  ErrorEnCampo = true;
  ui::MsgBox(mensaje, ui::mb::OkOnly | ui::mb::Critical, QString::fromLatin1(kTituloAviso));
}

bool DialogoConEditor::RevisaCeldas() {
  ui::FlexGrid& g = MSFlexGrid1;
  for (int fila = g.FixedRows(); fila < g.Rows(); ++fila) {
    for (int columna = columnas.primeraEditable; columna <= columnas.ultimaEditable && columna < g.Cols(); ++columna) {
      const QString texto = g.TextMatrix(fila, columna);
      const auto propuesta = propuestas_.find({fila, columna});
      const bool propia = propuesta != propuestas_.end() && propuesta->second == texto;
      const std::optional<QString> rechazo = RechazoDeValor(rt::Trim(texto), fila, columna == columnas.cantidad, propia);
      if (!rechazo) continue;
      g.setCurrentCell(fila, columna);
      MuestraCeldaActual(g);
      Rechaza(*rechazo);
      return false;
    }
  }
  return true;
}

bool DialogoConEditor::SumaAceptada(double& pedida, bool mostrado, const QString& avisoMenor) {
  if (ValidaCantidadCantidadPedida()) return true;
  const rt::Currency suma = SumaFilas(-1);
  QString pregunta;
  if (suma > CantidadPedida()) {
    pregunta = QStringLiteral("La suma de las cantidades Informadas, supera a la solicitada en el Formulario de Carga de Datos");
  } else if (!mostrado) {
    ui::MsgBox(avisoMenor, ui::mb::OkOnly | ui::mb::Information, QString::fromLatin1(kTituloPregunta));
    return false;
  } else {
    pregunta = QStringLiteral("La suma de las cantidades Informadas, Es Menor a la solicitada en el Formulario de Carga de Datos");
  }
  pregunta += QStringLiteral("\r\n¿Desea Ajustar la Cantidad Solicitada en el Formulario?");
  if (ui::MsgBox(pregunta, ui::mb::YesNo | ui::mb::Question, QString::fromLatin1(kTituloPregunta)) != ui::mb::Yes) {
    ui::MsgBox(QStringLiteral("Debe Ajustar la suma de las cantidades a :") + rt::NumberText(pedida),
               ui::mb::OkOnly | ui::mb::Critical, QString::fromLatin1(kTituloAviso));
    return false;
  }
  pedida = suma.toDouble();
  return true;
}

void DialogoConEditor::Toolbar1_ButtonClick(ui::ToolbarButton& Button) {
  if (!CierraEdicion()) return;
  ui::FlexGrid& g = MSFlexGrid1;
  const int fila = g.Row(), columna = g.Col();
  if (Button.Index == 3 && diferencias_.botonProponer) {
    if (columnas.cantidad < 0) return;
    for (int r = g.FixedRows(); r < g.Rows(); ++r) g.setTextMatrix(r, columnas.cantidad, QStringLiteral("0"));
    DistribuyeCantidad();
    g.setCurrentCell(g.Rows() - 1, columnas.cantidad);
    return;
  }
  // Only what the operator may type is copied or cleared: never a code or
  // the stock.
  if (fila < g.FixedRows() || columna < columnas.primeraEditable || columna > columnas.ultimaEditable) return;
  QString valor;
  if (Button.Index == 1) valor = rt::Trim(g.TextMatrix(fila, columna));
  else if (Button.Index == 2) valor = diferencias_.blanqueo;
  else return;
  for (int r = fila + 1; r < g.Rows(); ++r) g.setTextMatrix(r, columna, valor);
}

void DialogoConEditor::CompletaTodoIgual() {
  const int columna = columnas.copia;
  ui::FlexGrid& g = MSFlexGrid1;
  if (columna < 0 || columna >= g.Cols() || g.Rows() <= g.FixedRows()) return;
  const QString valor = rt::Trim(g.TextMatrix(g.FixedRows(), columna));
  for (int r = g.FixedRows(); r < g.Rows(); ++r)
    if (rt::Trim(g.TextMatrix(r, columna)).isEmpty()) g.setTextMatrix(r, columna, valor);
}

rt::Currency DialogoConEditor::SumaFilas(int MenosCual) {
  rt::Currency suma;
  if (columnas.cantidad < 0) return suma;
  rt::StepRunner pasos = numbering::Trampa(QStringLiteral("SumaFilas#"));
  for (int r = MSFlexGrid1.FixedRows(); r < MSFlexGrid1.Rows(); ++r) {
    if (r == MenosCual) continue;
    if (!pasos.run([&] {
          suma += suite::gUtilidades().TextoANumero(MSFlexGrid1.TextMatrix(r, columnas.cantidad));
        }))
      break;
  }
  return suma;
}

bool DialogoConEditor::ValidaCantidadCantidadPedida() {
  bool igual = false;
  rt::StepRunner pasos([](const rt::Error& e) { return data_access::gDB().TratamientoErrores(e, std::nullopt, QString()); });
  pasos.run([&] { igual = SumaFilas(-1) == CantidadPedida(); });
  return igual;
}

void DialogoConEditor::DistribuyeCantidad() {
  if (columnas.cantidad < 0 || columnas.stock < 0) return;
  ui::FlexGrid& g = MSFlexGrid1;
  const rt::Currency pedida = CantidadPedida();
  rt::Currency resto = pedida;
  for (int r = g.FixedRows(); r < g.Rows() && resto != rt::Currency(); ++r) {
    const rt::Currency tiene = CantidadDe(g.TextMatrix(r, columnas.cantidad));
    const rt::Currency stock = std::max(CantidadDe(g.TextMatrix(r, columnas.stock)), rt::Currency());
    if (resto + tiene <= stock) {
      Propone(r, columnas.cantidad, TextoDeCantidad(resto + tiene));
      resto = rt::Currency();
    } else {
      Propone(r, columnas.cantidad, TextoDeCantidad(stock));
      resto = pedida - SumaFilas(-1);
    }
  }
}

void DialogoConEditor::AjustaAnchoColumnas() {
  ui::FlexGrid& g = MSFlexGrid1;
  for (int c = 0; c < g.Cols(); ++c) {
    if (g.ColWidth(c) == 0) continue;
    int largo = 0;
    for (int r = 0; r < g.Rows(); ++r) largo = std::max(largo, rt::Len(g.TextMatrix(r, c)));
    // One X more: the room the cell keeps around its text, without which the
    // longest text shows cut off.
    if (largo > 0) g.setColWidth(c, TextWidth(rt::String(largo + 1, u'X')));
  }
}

void DialogoConEditor::CmdCancelar_Click() {
  TxtEdit.Visible = false;
  Hide();
}

void DialogoConEditor::Form_Load() {
  suite::gUtilidades().PreparaFormulario(*this);
  core::AplicaEstiloFormulario(*this);
}

void DialogoConEditor::propertyChanged(ui::Prop prop) {
  ui::Form::propertyChanged(prop);
  if (prop != ui::Prop::Visible || !Visible() || avisoAlMostrar_.isEmpty()) return;
  const QString aviso = std::exchange(avisoAlMostrar_, QString());
  ui::MsgBox(aviso, ui::mb::OkOnly | ui::mb::Exclamation, QStringLiteral("Atencion!"));
}

void DialogoConEditor::Form_QueryUnload(int& Cancel, int UnloadMode) {
  if (UnloadMode != ui::unload::ControlMenu) return;
  Cancel = 1;
  CmdCancelar_Click();
}

}  // namespace lots
