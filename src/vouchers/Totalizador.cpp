// The totals grid of a voucher form: a summary line per visible tab and the
// breakdown of the article units by group.
#include "core/CoreState.h"
#include "core/Formatting.h"
#include "core/Totalizador.h"
#include "data_access/DataAccessState.h"
#include "numbering/ColumnasGrillas.h"
#include "numbering/Valores.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/TabControl.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/LineasCargadas.h"

namespace vouchers {

namespace {

namespace z = numbering::totales;

constexpr ui::Color kResumen = 12648447, kApertura = 12640511, kFinal = 16711680;
constexpr int kTabTareas = 0, kTabArticulos = 1, kTabOtros = 2;

// How the article units are broken down: the grid column of the key and
// where its description comes from.
struct Apertura {
  int columna;
  QString tabla;
  QString campo;
};

Apertura AperturaPedida(bool porRubro, bool porTipo) {
  if (porRubro) return {numbering::articulos::RubroArticulo, QStringLiteral("V_ta_Rubros"), QStringLiteral("IdRubro")};
  if (porTipo) return {numbering::articulos::TipoArticulo, QStringLiteral("V_ta_TipoArticulo"), QStringLiteral("Tipo")};
  return {numbering::articulos::IdArticulo, QStringLiteral("V_MA_ARTICULOS"), QStringLiteral("IdArticulo")};
}

}  // namespace

void ClsCmnCptes::TotalizadorControl(ui::FlexGrid& MSFlexGrid1, ui::FlexGrid& MSFlexGrid2, ui::FlexGrid& MSFlexGrid3,
                                     ui::FlexGrid& MSFlexGrid4, ui::TabControl& SSTab1, bool AbiertoPorRubro,
                                     bool AbiertoPorTipo) {
  suite::Utilidades& util = suite::gUtilidades();
  rt::StepRunner pasos = numbering::Trampa(QStringLiteral("TotalizadorControl"));
  ui::FlexGrid& grilla = MSFlexGrid4;
  const auto ultima = [&] { return grilla.Rows() - 1; };
  const auto escribe = [&](int columna, const QString& texto) { grilla.setTextMatrix(ultima(), columna, texto); };
  // The line written goes in its colour, and a new last row follows.
  const auto cierraLinea = [&](ui::Color color) {
    PintarFila(ultima(), grilla, color);
    grilla.setRows(grilla.Rows() + 1);
  };

  // The line kept is emptied and uncoloured, so nothing of an earlier call
  // stays on it.
  if (!pasos.run([&] {
        grilla.setRows(2);
        for (int c = 0; c < grilla.Cols(); ++c) grilla.setTextMatrix(1, c, QString());
        PintarFila(1, grilla, 0);
      }))
    return;

  bool conTareas = false, conArticulos = false, conOtros = false;
  if (!pasos.run([&] {
        conTareas = SSTab1.TabVisible(kTabTareas);
        conArticulos = SSTab1.TabVisible(kTabArticulos);
        conOtros = SSTab1.TabVisible(kTabOtros);
      }))
    return;

  if (conTareas) {
    double minutos = 0;
    int32_t lineas = 0;
    for (int fila = 1; fila < MSFlexGrid1.Rows(); ++fila) {
      if (!EsLineaCargada(MSFlexGrid1, fila)) continue;
      if (!pasos.run([&] {
            minutos += core::HorasAMinutos(MSFlexGrid1.TextMatrix(fila, numbering::tareas::Cantidad), QStringLiteral("HHHH"),
                                           QStringLiteral("MM"), true);
            ++lineas;
          }))
        return;
    }
    if (!pasos.run([&] {
          int32_t horas = 0, resto = 0;
          escribe(z::Descripcion, SSTab1.TabCaption(kTabTareas));
          escribe(z::CantidadItems, QString::number(lineas));
          escribe(z::Cantidad, core::MinutosAHoras(minutos, horas, resto));
          cierraLinea(kResumen);
        }))
      return;
  }

  if (conArticulos) {
    std::vector<core::ItemTotalizador>& grupos = core::gCore().ListaTotalizador;
    grupos.assign(1, {});
    const Apertura apertura = AperturaPedida(AbiertoPorRubro, AbiertoPorTipo);
    double unidades = 0;
    int32_t lineas = 0;
    for (int fila = 1; fila < MSFlexGrid2.Rows(); ++fila) {
      if (!EsLineaCargada(MSFlexGrid2, fila)) continue;
      if (!pasos.run([&] {
            const QString clave = rt::Trim(MSFlexGrid2.TextMatrix(fila, apertura.columna));
            const double cantidad = util.TextoADoble(MSFlexGrid2.TextMatrix(fila, numbering::articulos::Cantidad));
            const long grupo = core::IndiceTotalizador(clave);
            if (grupo == -1)
              grupos.push_back({clave, rt::NumberText(cantidad)});
            else
              grupos[size_t(grupo)].Acumulado =
                  rt::NumberText(cantidad + util.TextoADoble(grupos[size_t(grupo)].Acumulado));
            unidades += cantidad;
            ++lineas;
          }))
        return;
    }
    if (!pasos.run([&] {
          escribe(z::Descripcion, SSTab1.TabCaption(kTabArticulos));
          escribe(z::CantidadItems, QString::number(lineas));
          escribe(z::Cantidad, rt::NumberText(unidades));
          cierraLinea(kResumen);
        }))
      return;
    if (lineas > 0) {
      for (const core::ItemTotalizador& grupo : grupos) {
        if (!pasos.run([&] {
              const QString clave = rt::Trim(util.QuitaCaracteres(grupo.Clave, rt::Chr(255), QString(QChar(0))));
              const QString descripcion = data_access::gDB()
                                              .DatosTabla(apertura.tabla, clave, QStringLiteral("Descripcion"),
                                                          apertura.campo)
                                              .toStringOrEmpty();
              escribe(z::Descripcion, grupo.Clave + QStringLiteral("-") + descripcion);
              escribe(z::Cantidad, grupo.Acumulado);
              cierraLinea(kApertura);
            }))
          return;
      }
    }
  }

  if (conOtros) {
    if (!pasos.run([&] {
          escribe(z::Descripcion, SSTab1.TabCaption(kTabOtros));
          escribe(z::CantidadItems, QString::number(LineasCargadas(&MSFlexGrid3)));
          cierraLinea(kResumen);
        }))
      return;
  }

  pasos.run([&] { PintarFila(ultima(), grilla, kFinal); });
}

}  // namespace vouchers
