#include "lookup/Lib_FrmCons3.h"

#include <algorithm>
#include <cmath>

#include "core/Configuration.h"
#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "lookup/BusquedaLike.h"
#include "lookup/NivelStock.h"
#include "platform/runtime/Currency.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Host.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Operator.h"

namespace lookup {

namespace {

constexpr ui::Color kBuscando = 0xFFFF00, kBlanco = 0xFFFFFF;

// Handlers whose failures are passed over.
template <class Step>
void ignorando(Step&& step) {
  try {
    step();
  } catch (const rt::Error&) {
  }
}

bool contiene(const QString& s, const char* palabra) {
  return rt::InStr(s, QString::fromLatin1(palabra), rt::Compare::Text) > 0;
}

// A quantity cell as the window writes it ("1,0", "0.00") or the operator
// types it: the number it holds with either decimal separator, or else
// its leading number; 0 when there is none.
double cantidad(const QString& texto) {
  if (const std::optional<double> n = rt::ParseNumber(rt::Trim(texto))) return *n;
  return rt::Val(QString(texto).replace(u',', u'.'));
}

}  // namespace

Lib_FrmCons3::Lib_FrmCons3() : ui::Form("Lib_FrmCons3") {
  Caption = "Consulta...";
  BorderStyle = 5;
  KeyPreview = true;
  Move(0, 0, 7260 + nonClientWidth(), 4530 + nonClientHeight());

  // Where the first layout (Form_Resize) finds them; it sets the rest.
  picFields.Move(0, 0, 7260, 3885);
  CmbSearch(0).Move(0, 30, 1440, 315);
  CmbSearch(0).ToolTipText = "F5 realiza nueva busqueda";
  ListView1.Move(0, 375, 7240, 2745);
  HScroll1.Move(0, 3510, 7140, 255);
  Frame1.Move(0, 3945, 7260, 540);
  CmdAceptar.Caption = "&Aceptar";
  CmdAceptar.Default = true;
  CmdAceptar.Move(100, 90, 1695, 375);
  CmdCancelar.Caption = "&Cancelar";
  CmdCancelar.Cancel = true;
  CmdCancelar.Move(2780, 90, 1695, 375);
  CmdNueva.Caption = "&Nueva Busqueda";
  CmdNueva.Move(5415, 90, 1695, 375);

  CmdAceptar.Click = [this] { CmdAceptar_Click(); };
  CmdCancelar.Click = [this] { CmdCancelar_Click(); };
  CmdNueva.Click = [this] { CmdNueva_Click(); };
  CmbSearch.Change = [this](int i) { CmbSearch_Change(i); };
  CmbSearch.Click = [this](int i) { CmbSearch_Change(i); };
  CmbSearch.KeyDown = [this](int i, int& code, int shift) { CmbSearch_KeyDown(i, code, shift); };
  CmbSearch.GotFocus = [this](int i) { CmbSearch_GotFocus(i); };
  CmbSearch.LostFocus = [this](int i) { CmbSearch_LostFocus(i); };
  ListView1.KeyDown = [this](int& code, int shift) { ListView1_KeyDown(code, shift); };
  ListView1.KeyPress = [this](int& ascii) { ListView1_KeyPress(ascii); };
  ListView1.DblClick = [this] { CmdAceptar_Click(); };
  ListView1.ColumnClick = [this](ui::ColumnHeader& h) { ListView1_ColumnClick(h); };
  // Rows are never edited in place.
  ListView1.BeforeLabelEdit = [](int& Cancel) { Cancel = 1; };
  ListView1.AfterLabelEdit = [](int& Cancel, QString&) { Cancel = 1; };
  HScroll1.Change = [this] { HScroll1_Change(); };
}

data_access::DB_Dll& Lib_FrmCons3::servicio() const {
  // The auxiliary service only when the caller connected it.
  if (UsarUDBC && core::gDBAuxiliar().gCnn.State() == ado::adStateOpen) return core::gDBAuxiliar();
  return data_access::gDB();
}

void Lib_FrmCons3::Form_Load() { Carga(); }

void Lib_FrmCons3::Carga() {
  rt::StepRunner steps([this](const rt::Error& e) { return utilidades_.DialogoError(e, QStringLiteral("FORM_LOAD")); });
  if (!steps.run([&] { EsArticulos = contiene(SQL, "articulos"); })) return;
  if (!steps.run([&] {
        Valores = QStringList();
        Cantidades = QStringList();
      }))
    return;
  if (!steps.run([&] {
        ListView1.ListItems.Clear();
        ListView1.FontBold = true;
        ListView1.FontSize = 10;
      }))
    return;
  if (rt::Trim(SQL).isEmpty()) {
    steps.run([&] { utilidades_.PreparaFormulario(*this); });
    return;
  }
  if (!steps.run([&] { SQL += u' '; })) return;
  if (!steps.run([&] {
        const int p = rt::InStr(SQL, QStringLiteral("from"), rt::Compare::Text);
        if (p == 0) {
          NombreTabla.clear();
          return;
        }
        // It ends at a line break too: a line of the width file could not
        // carry one.
        int fin = rt::InStr(p + 5, SQL, QStringLiteral(" "));
        for (const QString& salto : {QStringLiteral("\r"), QStringLiteral("\n")})
          if (const int i = rt::InStr(p + 5, SQL, salto); i > 0 && i < fin) fin = i;
        NombreTabla = rt::Trim(rt::Mid(SQL, p + 4, fin - (p + 4)));
      }))
    return;
  if (!steps.run([&] {
        if (SQLInicial.isEmpty()) SQLInicial = SQL;
        SQLBase = SQL;
      }))
    return;
  data_access::DB_Dll& db = servicio();
  if (!steps.run([&] { db.AbrirRecordset(SQL, rs_, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true); }))
    return;
  if (!steps.run([&] { ListView1.Checkboxes = CheckBoxes; })) return;
  if (!steps.run([&] { Encolumnar(); })) return;
  if (!steps.run([&] { Leer(1, 0); })) return;
  if (!steps.run([&] {
        if (OrdenarPorLwv) ListView1.Sorted = true;
      }))
    return;
  if (!steps.run([&] {
        if (!rt::Trim(FiltroInicial).isEmpty()) CmbSearch(0).Text = FiltroInicial;
      }))
    return;
  if (!steps.run([&] { db.CierraRecordset(rs_); })) return;
  if (!steps.run([&] { LeeAnchoColumnas(); })) return;
  if (!steps.run([&] { CalcularAncho(); })) return;
  steps.run([&] { utilidades_.PreparaFormulario(*this); });
}

void Lib_FrmCons3::Encolumnar() {
  rt::StepRunner steps([](const rt::Error& e) {
    if (e.Number() == rt::err::ObjectAlreadyLoaded) return rt::answer::Ignore;
    ui::MsgBox(e.Description(), ui::mb::OkOnly);
    return rt::answer::Abort;
  });
  if (!steps.run([&] { ListView1.ColumnHeaders.Clear(); })) return;
  // A statement that did not open has no fields; the service said why.
  if (rs_.State() != ado::adStateOpen) return;
  int t = 0;
  if (!steps.run([&] { t = CmbSearch(0).TabIndex(); })) return;
  const bool articulosConPrecios = contiene(SQL, "V_MA_ARTICULOS") || contiene(SQL, "STK_MA_ARTICULOS");
  for (int i = 0; i < rs_.FieldCount(); ++i) {
    ado::Field field = rs_.Fields(i);
    long size = 0;
    if (!steps.run([&] {
          size = field.DefinedSize();
          if (field.Type() == ado::adCurrency || field.Type() == ado::adNumeric) size = 12;
        }))
      return;
    if (i > 0) {
      if (!steps.run([&] { CmbSearch.Load(i); })) return;
      if (!steps.run([&] {
            CmbSearch(i).TabIndex = t + 1;
            t = t + 1;
          }))
        return;
    }
    if (!steps.run([&] {
          CmbSearch(i).Tag = field.Name();
          CmbSearch(i).Visible = true;
        }))
      return;
    if (size >= 60) size = 60;
    QString caption = field.Name();
    if (articulosConPrecios) {
      for (int n = 1; n <= 8; ++n)
        if (rt::EqualsText(caption, QStringLiteral("PRECIO%1").arg(n)))
          caption = core::Cfg(QStringLiteral("NOM_PCLASE%1").arg(n));
    } else if (rt::EqualsText(ValoresDefault, QStringLiteral("@10"))) {
      size += 10;
    }
    if (!steps.run([&] {
          ListView1.ColumnHeaders.Add(QString(), caption, TextWidth(rt::String(static_cast<int>(size), u'X')));
        }))
      return;
  }
}

void Lib_FrmCons3::Leer(long /*Cdesde*/, long /*Cuantas*/) {
  rt::StepRunner steps([this](const rt::Error& e) {
    if (e.Number() == ado::errnum::ItemNotFound) return rt::answer::Ignore;
    return utilidades_.DialogoError(e, QStringLiteral("FORM_LOAD"));
  });
  if (rs_.State() != ado::adStateOpen || rs_.BOF()) return;
  const int campos = rs_.FieldCount();
  // Fields by name, looked up once: -1 for one the result has not.
  const auto indice = [&](const QString& nombre) {
    for (int i = 0; i < campos; ++i)
      if (rt::EqualsText(rs_.Fields(i).Name(), nombre)) return i;
    return -1;
  };
  const int puntoPedido = indice(QStringLiteral("PUNTOPEDIDO"));
  const int stock = indice(QStringLiteral("Stock"));
  const int devuelto = indice(CampoDevuelto);
  const bool colorea = EsArticulos && rt::EqualsText(MuestraStock, QStringLiteral("SI"));
  const auto texto = [&](int i) { return utilidades_.ValorCampo(rs_.Fields(i).Value()).toString(); };

  while (!rs_.EOF()) {
    rt::Variant color = QString();
    if (EsArticulos && puntoPedido >= 0 && stock >= 0) {
      if (!steps.run([&] {
            color = NivelStock(utilidades_.TextoANumero(texto(puntoPedido)), utilidades_.TextoANumero(texto(stock)),
                               StkNivel1, StkNivel2, StkNivel3, StkNivel4);
          }))
        return;
    }
    ui::ListItem* item = nullptr;
    if (!steps.run([&] { item = &ListView1.ListItems.Add(0, QString(), rt::Trim(texto(0))); })) return;
    // A row that could not be added has nothing to fill: on to the next record.
    if (!item) {
      if (!steps.run([&] { rs_.MoveNext(); })) return;
      continue;
    }
    if (CheckBoxes && devuelto >= 0) {
      if (!steps.run([&] {
            // A blank value is no value to tick by: the empty text is found
            // in any list of values.
            const rt::Variant v = rs_.Fields(devuelto).Value();
            if (v.isNull()) return;
            const QString valor = rt::Trim(v.toString());
            if (!valor.isEmpty() && rt::InStr(ValoresDefault, valor, rt::Compare::Text) > 0) item->Checked = true;
          }))
        return;
    }
    const bool pinta = colorea && !rt::Trim(color.toString()).isEmpty();
    for (int j = 1; j < campos; ++j) {
      if (!steps.run([&] { item->setSubItems(j, utilidades_.RellenaCodigo(texto(j))); })) return;
      if (pinta) {
        ignorando([&] {
          const auto valor = static_cast<ui::Color>(color.toLong());
          item->Bold = true;
          item->ForeColor = valor;
          item->ListSubItems(j).ForeColor = valor;
          item->ListSubItems(j).Bold = true;
        });
      }
    }
    if (!steps.run([&] { rs_.MoveNext(); })) return;
  }
}

long Lib_FrmCons3::Busqueda(int Columna, const QString& QueValor) {
  const QString valor = rt::Trim(QueValor);
  for (int i = 1; i <= ListView1.ListItems.Count(); ++i) {
    ui::ListItem& item = ListView1.ListItems(i);
    const QString celda = rt::Trim(Columna < 1 ? item.Text() : item.SubItems(Columna));
    if (rt::EqualsText(rt::Left(celda, rt::Len(valor)), valor)) return i;
  }
  return 0;
}

int16_t Lib_FrmCons3::IndiceColumna(const QString& Columna) const {
  const QString buscada = rt::Trim(Columna);
  for (int k = 1; k <= ListView1.ColumnHeaders.Count(); ++k)
    if (rt::EqualsText(rt::Trim(ListView1.ColumnHeaders(k).Text()), buscada)) return static_cast<int16_t>(k);
  return 0;
}

QString Lib_FrmCons3::valorColumna(ui::ListItem& item, int n) const {
  if (n == 1) return item.Text();
  // A name that matches no column returns nothing, not another column's value.
  if (n < 1) return QString();
  return item.SubItems(n - 1);
}

void Lib_FrmCons3::setValorColumna(ui::ListItem& item, int n, const QString& valor) {
  if (n == 1) item.Text = valor;
  else item.setSubItems(n - 1, valor);
}

void Lib_FrmCons3::CalcularAncho() {
  int total = 0;
  for (int k = 1; k <= ListView1.ColumnHeaders.Count(); ++k) total += ListView1.ColumnHeaders(k).Width();
  ListView1.Width = total + 360;
  picFields.Width = total + 360;
  HScroll1.Width = total;
  HScroll1.Max = picFields.Width() <= 32700 ? static_cast<int>(rt::RoundHalfEven((picFields.Width() + 480) * 0.6))
                                            : 32700;
  const int pantalla = ui::Screen().Width;
  Width = ListView1.Width() + 360 >= pantalla ? pantalla - 480 : ListView1.Width() + 280;
  // Placed once the window has its width, also when the width stays.
  ubicaBusquedas();
}

// Each box 50 narrower than its column, from the column's left edge. A
// window narrower than its columns (they are wider than the screen) shows
// the boxes as far as the list does: one that would run past the list's
// right edge ends at it, unless too little of it is left to type in, and
// one whose column begins past it is hidden until the window is made
// wider. A list without statement (the service's own) has one box, as wide
// as the list.
void Lib_FrmCons3::ubicaBusquedas() {
  if (rt::Trim(SQL).isEmpty()) {
    CmbSearch(0).Width = ListView1.Width();
    return;
  }
  // Room for a letter or two and the box's button.
  constexpr int kCortadaMinima = 600;
  const int derecha = ListView1.Left() + ListView1.Width();
  for (int k = 1; k <= ListView1.ColumnHeaders.Count(); ++k) {
    const ui::ColumnHeader& columna = ListView1.ColumnHeaders(k);
    ui::ComboBox& caja = CmbSearch(k - 1);
    const int entera = columna.Width() - 50;
    const int ancho = std::min(entera, derecha - columna.Left());
    caja.Visible = ancho > 0 && (ancho == entera || ancho >= kCortadaMinima);
    if (caja.Visible()) caja.Move(columna.Left(), caja.Top(), ancho, caja.Height());
  }
}

int Lib_FrmCons3::anchoMinimo() const {
  // The layout below: Frame1 spans the window; "Aceptar" from 100,
  // "Cancelar" centred and "Nueva Busqueda" ending 150 from the right, or,
  // with "Nueva Busqueda" hidden, "Cancelar" there. At least 150 between
  // two buttons; the title with the room its bar's own buttons take.
  constexpr int kEntreBotones = 150, kBotonesDelTitulo = 1200;
  const int aceptar = CmdAceptar.Width(), cancelar = CmdCancelar.Width();
  const int botones = CmdNueva.Visible() ? std::max(2 * (100 + aceptar + kEntreBotones) + cancelar,
                                                    3 * cancelar + 300 + 2 * kEntreBotones)
                                         : aceptar + cancelar + 400;
  return std::max(botones, TextWidth(Caption()) + kBotonesDelTitulo);
}

int Lib_FrmCons3::altoMinimo() const {
  // The list is H - 2 x Frame1 - 1080 high (the layout below): its header
  // and three rows.
  constexpr int kListaMinima = 1200;
  return 2 * Frame1.Height() + 1080 + kListaMinima;
}

void Lib_FrmCons3::HScroll1_Change() {
  ignorando([&] { picFields.Left = -HScroll1.Value(); });
}

void Lib_FrmCons3::Form_Resize() {
  ignorando([&] {
    // A window made smaller than its title, buttons and a few rows need
    // takes that size back; that resize lays it out.
    const int ancho = std::max(Width(), anchoMinimo()), alto = std::max(Height(), altoMinimo());
    if (ancho != Width() || alto != Height()) {
      Move(Left(), Top(), ancho, alto);
      return;
    }
    const int W = Width(), H = Height();
    picFields.Height = H - Frame1.Height() - 480;
    ListView1.Height = picFields.Height() - Frame1.Height() - 600;
    picFields.Width = W - 120;
    ListView1.Width = picFields.Width() - 20;
    Frame1.Top = H - Frame1.Height() - 420;
    HScroll1.Top = picFields.Height() - HScroll1.Height() - 120;
    HScroll1.Width = W - 120;
    Frame1.Left = 0;
    Frame1.Width = W;
    CmdAceptar.Left = Frame1.Left() + 100;
    CmdCancelar.Left = (Frame1.Width() - CmdCancelar.Width()) / 2;
    CmdNueva.Left = Frame1.Width() - (CmdCancelar.Width() + 150);
    // Without "Nueva Busqueda", "Cancelar" takes its place. The window is
    // never narrower than the two buttons side by side, so they keep their
    // width.
    if (!CmdNueva.Visible()) CmdCancelar.Left = CmdNueva.Left();
    ubicaBusquedas();
  });
}

void Lib_FrmCons3::CmbSearch_Change(int Index) {
  ignorando([&] {
    const long n = Busqueda(Index, rt::Trim(CmbSearch(Index).Text()));
    if (n == 0) return;
    ui::ListItem& item = ListView1.ListItems(static_cast<int>(n));
    ListView1.setSelectedItem(&item);
    item.EnsureVisible();
  });
}

void Lib_FrmCons3::CmbSearch_KeyDown(int Index, int& KeyCode, int /*Shift*/) {
  ignorando([&] {
    ui::ComboBox& caja = CmbSearch(Index);
    switch (KeyCode) {
      case ui::key::F5: {
        // A list the caller filled itself has no statement to narrow.
        if (rt::Trim(SQL).isEmpty()) break;
        QString texto = caja.Text();
        if (!CfgUsaConsultaLIKE) {
          texto = utilidades_.Reemplaza(texto, QStringLiteral("*"), QStringLiteral("%"));
          caja.Text = texto;
        }
        SQL = SentenciaBusquedaLista(SQL, SQLBase, SQLCola, caja.Tag(), texto, CfgUsaConsultaLIKE);
        caja.Text = QString();
        SQLBase = SQL;
        Carga();
        break;
      }
      case ui::key::Down: case ui::key::Up: case ui::key::PageDown: case ui::key::PageUp: {
        int tecla = KeyCode;
        ListView1_KeyDown(tecla, 0);
        ListView1.SetFocus();
        break;
      }
      default: break;
    }
  });
}

void Lib_FrmCons3::CmbSearch_GotFocus(int Index) {
  ignorando([&] {
    IndiceBusqueda = static_cast<int16_t>(Index);
    CmbSearch(Index).BackColor = kBuscando;
  });
}

void Lib_FrmCons3::CmbSearch_LostFocus(int Index) {
  ignorando([&] { CmbSearch(Index).BackColor = kBlanco; });
}

void Lib_FrmCons3::ListView1_KeyDown(int& KeyCode, int Shift) {
  switch (KeyCode) {
    case ui::key::Return: CmdAceptar_Click(); return;
    case ui::key::Insert:
      if (UsaCantidades && (Shift == ui::key::ShiftMask || Shift == 0)) cambiaCantidad(KeyCode, Shift);
      return;
    case ui::key::Delete:
      if (UsaCantidades && Shift == 0) cambiaCantidad(KeyCode, Shift);
      return;
    case ui::key::Back:
      // Takes back the last character typed into the search box.
      ignorando([&] {
        ui::ComboBox& caja = CmbSearch(IndiceBusqueda);
        caja.Text = caja.Text().chopped(caja.Text().isEmpty() ? 0 : 1);
        caja.SetFocus();
      });
      return;
    default: return;
  }
}

// What the operator types on the list goes on in the search box last
// used, which then searches: the character typed, not its key's code.
void Lib_FrmCons3::ListView1_KeyPress(int& KeyAscii) {
  if (KeyAscii < 32 || (KeyAscii == ui::key::Space && CheckBoxes)) return;
  const QChar c(KeyAscii);
  KeyAscii = 0;
  ignorando([&] {
    ui::ComboBox& caja = CmbSearch(IndiceBusqueda);
    caja.Text = caja.Text() + c;
    caja.SetFocus();
  });
}

void Lib_FrmCons3::cambiaCantidad(int KeyCode, int Shift) {
  rt::StepRunner steps(
      [this](const rt::Error& e) { return utilidades_.DialogoError(e, QStringLiteral("ListView1_KeyDown")); });
  ui::ListItem* item = nullptr;
  int columna = 0;
  if (!steps.run([&] {
        item = ListView1.SelectedItem();
        if (!item) rt::raise(rt::err::ObjectRequired);
        columna = IndiceColumna(QStringLiteral("Cantidad"));
        if (columna == 0) rt::raise(rt::err::InvalidPropertyValue);
      }))
    return;
  const double actual = cantidad(valorColumna(*item, columna));
  if (KeyCode == ui::key::Insert && Shift == ui::key::ShiftMask) {
    QString respuesta;
    if (!steps.run([&] {
          respuesta = ui::host().InputBox(QStringLiteral("Ingrese la Cantidad del Articulo..."),
                                          QStringLiteral("Carga de Datos"), valorColumna(*item, columna));
        }))
      return;
    if (!steps.run([&] {
          setValorColumna(*item, columna, rt::FormatNumber(cantidad(respuesta), QStringLiteral("########0.00")));
          item->Checked = true;
        }))
      return;
  } else if (KeyCode == ui::key::Insert) {
    steps.run([&] {
      setValorColumna(*item, columna, rt::FormatNumber(actual + 1, QStringLiteral("########0.0")));
      item->Checked = true;
    });
  } else {
    steps.run([&] {
      setValorColumna(*item, columna, rt::FormatNumber(actual - 1, QStringLiteral("########0.0")));
      if (cantidad(valorColumna(*item, columna)) <= 0) {
        item->Checked = false;
        setValorColumna(*item, columna, QStringLiteral("0.00"));
      }
    });
  }
}

void Lib_FrmCons3::ListView1_ColumnClick(ui::ColumnHeader& ColumnHeader) {
  ignorando([&] {
    ListView1.Sorted = true;
    ListView1.SortKey = ColumnHeader.Index() - 1;
    ListView1.SortOrder =
        ListView1.SortOrder() == ui::ListView::lvwAscending ? ui::ListView::lvwDescending : ui::ListView::lvwAscending;
  });
}

void Lib_FrmCons3::Form_KeyDown(int& KeyCode, int /*Shift*/) {
  if (KeyCode != ui::key::F12 || !EsArticulos) return;
  ui::ListItem* item = ListView1.SelectedItem();
  if (!item) return;
  KeyCode = 0;
  ignorando([&] { informaFaltante(*item); });
}

void Lib_FrmCons3::informaFaltante(ui::ListItem& item) {
  const QString codigo = rt::Trim(valorColumna(item, IndiceColumna(QStringLiteral("idarticulo"))));
  const QString descripcion = rt::Trim(valorColumna(item, IndiceColumna(QStringLiteral("Descripcion"))));
  const int respuesta = ui::MsgBox(QStringLiteral("Desea informar el articulo ") + codigo + u' ' + descripcion +
                                       QStringLiteral("\r\ncomo un faltante de stock?"),
                                   ui::mb::Question | ui::mb::YesNo, QStringLiteral("Atención!"));
  if (respuesta != ui::mb::Yes) return;
  data_access::DB_Dll& db = data_access::gDB();
  const auto texto = [](const QString& t) { return data_access::DB_Dll::SQLValue(t); };
  db.EjecutaConsultaSQL(QStringLiteral("INSERT INTO V_MV_FALTANTES (FechaHora,IdArticulo,Descripcion,Usuario) values(") +
                        texto(rt::DateText(rt::Now())) + u',' + texto(utilidades_.RellenaCodigo(codigo, 25)) + u',' +
                        texto(descripcion) + u',' + texto(db.gUsuario) + u')');
}

void Lib_FrmCons3::CmdAceptar_Click() {
  rt::StepRunner steps(
      [this](const rt::Error& e) { return utilidades_.DialogoError(e, QStringLiteral("CmdAceptar_Click")); });
  // Values and quantities are made again together, so that an accept tried
  // again after a failure neither repeats values nor leaves the two apart;
  // the quantities typed go back beside the values, one per returned row.
  Valores = QStringList();
  Cantidades = QStringList();
  int columnaCantidad = 0;
  if (!steps.run([&] {
        if (UsaCantidades) columnaCantidad = IndiceColumna(QStringLiteral("Cantidad"));
      }))
    return;
  const auto agregaCantidad = [&](ui::ListItem& item) {
    if (columnaCantidad > 0)
      Cantidades->append(rt::Currency::fromDouble(cantidad(valorColumna(item, columnaCantidad))).toText(u'.'));
  };
  if (CheckBoxes) {
    if (!steps.run([&] {
          if (rt::Trim(CampoDevuelto).isEmpty()) CampoDevuelto = ListView1.ColumnHeaders(1).Text();
        }))
      return;
    int columna = 0;
    if (!steps.run([&] { columna = IndiceColumna(CampoDevuelto); })) return;
    for (int i = 1; i <= ListView1.ListItems.Count(); ++i) {
      if (!steps.run([&] {
            ui::ListItem& item = ListView1.ListItems(i);
            if (item.Checked()) {
              Valores->append(valorColumna(item, columna));
              agregaCantidad(item);
            }
          }))
        return;
    }
  } else if (ui::ListItem* item = ListView1.SelectedItem()) {
    QString ultimo;
    if (CmpsDevueltos) {
      for (const QString& nombre : *CmpsDevueltos) {
        if (!steps.run([&] {
              ultimo = valorColumna(*item, IndiceColumna(nombre));
              Valores->append(ultimo);
            }))
          return;
      }
    }
    if (!steps.run([&] { agregaCantidad(*item); })) return;
    if (!steps.run([&] {
          ValorDevuelto = rt::Trim(CampoDevuelto).isEmpty() ? ultimo : valorColumna(*item, IndiceColumna(CampoDevuelto));
        }))
      return;
  }
  Hide();
}

void Lib_FrmCons3::CmdCancelar_Click() {
  ignorando([&] {
    ValorDevuelto = QString();
    CmpsDevueltos.reset();
    Valores.reset();
    Cantidades.reset();
    Hide();
  });
}

void Lib_FrmCons3::CmdNueva_Click() {
  ignorando([&] {
    SQL = SQLInicial;
    Carga();
    CmbSearch(0).SetFocus();
  });
}

void Lib_FrmCons3::Form_Unload(int& /*Cancel*/) {
  // A failure is told and the unload goes on.
  rt::StepRunner steps([](const rt::Error& e) {
    ui::MsgBox(e.Description(), ui::mb::Critical | ui::mb::OkOnly, QStringLiteral("Aviso al Operador"));
    return rt::answer::Ignore;
  });
  UsarUDBC = false;
  steps.run([&] { GrabaAnchoColumnas(); });
  steps.run([&] { ListView1.ListItems.Clear(); });
}

}  // namespace lookup
