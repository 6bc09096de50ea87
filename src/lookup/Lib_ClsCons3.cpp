// The lookup service's methods: they show the lookup windows, which is why
// they live here while the class and its state are the core's.
#include "core/Lib_ClsCons3.h"

#include <algorithm>

#include "data_access/DataAccessState.h"
#include "lookup/Lib_FrmCons3.h"
#include "lookup/Lib_FrmCons3Tree.h"
#include "lookup/SentenciaConsulta.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Host.h"

namespace core {

namespace {

// The service carries on past any failing step without a message.
rt::StepRunner carryOn() {
  return rt::StepRunner([](const rt::Error&) { return rt::answer::Ignore; });
}

// The options as a one-column list in the list window, without a
// statement; `marcas`: a check list whose options carry their tick in
// their first character. Returns once the operator closed the window.
void muestraOpciones(lookup::Lib_FrmCons3& f, const QString& Titulo, const QStringList& Opc, bool marcas) {
  rt::StepRunner steps = carryOn();
  steps.run([&] { f.Load(); });
  steps.run([&] {
    f.Caption = Titulo;
    f.CmdNueva.Visible = false;
    f.OrdenarPorLwv = true;
    f.SQL.clear();
    f.gConnString.clear();
    f.CampoDevuelto = Titulo;
    f.CheckBoxes = marcas;
    f.ListView1.Checkboxes = marcas;
    f.CmbSearch(0).Width = f.ListView1.Width();
    f.ListView1.ColumnHeaders.Clear();
    f.ListView1.ColumnHeaders.Add(QString(), Titulo, f.ListView1.Width());
  });
  // A list of a single option lists it too.
  for (const QString& opcion : Opc)
    steps.run([&] {
      if (!marcas) {
        f.ListView1.ListItems.Add(0, QString(), opcion);
        return;
      }
      f.ListView1.ListItems.Add(0, QString(), opcion.mid(1)).Checked = opcion.startsWith(u'1');
    });
  steps.run([&] {
    qsizetype largo = Titulo.size();
    for (const QString& opcion : Opc) largo = std::max(largo, opcion.size());
    const int ancho = static_cast<int>(largo) * 120;
    const int pantalla = ui::Screen().Width;
    f.Width = ancho < pantalla ? ancho : pantalla;
  });
  steps.run([&] { f.Show(ui::vbModal); });
}

}  // namespace

QString Lib_ClsCons3::CheckOpciones(const QString& Titulo, const std::optional<QStringList>& /*CmpsDevueltos*/,
                                    const QStringList& Opc) {
  lookup::Lib_FrmCons3 f;
  muestraOpciones(f, Titulo, Opc, true);
  Valores = f.Valores;
  f.Unload();
  return QString();
}

QString Lib_ClsCons3::MenuOpciones(const QString& Titulo, const QStringList& Opc) {
  lookup::Lib_FrmCons3 f;
  muestraOpciones(f, Titulo, Opc, false);
  const QString elegida = f.ValorDevuelto.toStringOrEmpty();
  f.Unload();
  return elegida;
}

void Lib_ClsCons3::ConsultaSearch(QString SQL, std::optional<QStringList>* CmpsDevueltos, const QString& Clave,
                                  QString* CampoBusqueda, QString* Where, const QString& SentenciaOpcional,
                                  bool TreeView, const QString& ValoresDefault) {
  rt::StepRunner steps = carryOn();
  QString campo = CampoBusqueda ? *CampoBusqueda : QString();
  QString where = Where ? *Where : QString();
  std::optional<QString> sentencia;
  steps.run([&] { sentencia = lookup::ArmaSentenciaConsulta(*this, SQL, campo, where, SentenciaOpcional); });
  if (CampoBusqueda) *CampoBusqueda = campo;
  if (Where) *Where = where;
  if (!sentencia) return;

  if (TreeView) {
    lookup::Lib_FrmCons3Tree arbol;
    steps.run([&] {
      arbol.SQL = *sentencia;
      arbol.CampoDevuelto = CampoDevuelto;
      arbol.CheckBoxes = Checks;
      Valores.reset();
    });
    steps.run([&] { arbol.Show(ui::vbModal); });
    steps.run([&] {
      ValorDevuelto = arbol.ValorDevuelto;
      Valores = arbol.Valores;
      Checks = false;
    });
  } else {
    lookup::Lib_FrmCons3 lista;
    steps.run([&] {
      lista.StkNivel1 = StkNivel1;
      lista.StkNivel2 = StkNivel2;
      lista.StkNivel3 = StkNivel3;
      lista.StkNivel4 = StkNivel4;
      lista.MuestraStock = MuestraStock;
      lista.CfgUsaConsultaLIKE = gCfgUsaConsultaLike;
      lista.OrdenarPorLwv = rt::InStr(*sentencia, QStringLiteral("ORDER BY"), rt::Compare::Text) == 0;
      lista.FiltroInicial = Clave;
      lista.CampoBusqueda = campo;
      if (gConnString.isEmpty()) gConnString = data_access::gDB().gConnString;
      lista.SQL = *sentencia;
      lista.gConnString = gConnString;
      lista.CampoDevuelto = CampoDevuelto;
      lista.CheckBoxes = Checks;
      lista.UsaCantidades = UsaCantidades;
      lista.ValoresDefault = ValoresDefault;
      Valores.reset();
      Cantidades.reset();
      lista.CmpsDevueltos = CmpsDevueltos ? *CmpsDevueltos : std::nullopt;
      lista.Valores = Valores;
      lista.Cantidades = Cantidades;
    });
    steps.run([&] { lista.Show(ui::vbModal); });
    steps.run([&] {
      Checks = false;
      Valores = lista.Valores;
      Cantidades = lista.Cantidades;
      ValorDevuelto = lista.ValorDevuelto;
    });
    steps.run([&] { lista.Unload(); });
  }
  CampoDevuelto.clear();
  if (CmpsDevueltos) CmpsDevueltos->reset();
}

}  // namespace core
