// How many lines a voucher holds, and whether they fit its printed form.
#include "data_access/DataAccessState.h"
#include "numbering/ColumnasGrillas.h"
#include "numbering/Valores.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/StepRunner.h"
#include "platform/suite/Library.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/LineasCargadas.h"
#include "vouchers/SentenciasComprobantes.h"

namespace vouchers {

namespace {

using data_access::gDB;
using numbering::Trampa;

// The caller's output, or a local one when the caller gave none.
template <class T>
T& Salida(T* deLaLlamada, T& propia) {
  return deLaLlamada ? *deLaLlamada : propia;
}

}  // namespace

int32_t ClsCmnCptes::CuentaItems(ui::FlexGrid* MSFlexGrid1, ui::FlexGrid* MSFlexGrid2, ui::FlexGrid* MSFlexGrid3,
                                 int32_t* CantTareas, int32_t* CantArticulos, int32_t* CantOtrosConceptos,
                                 int32_t* TotUnidades) {
  int32_t tareas = 0, articulos = 0, otros = 0, unidades = 0;
  int32_t& cantTareas = Salida(CantTareas, tareas);
  int32_t& cantArticulos = Salida(CantArticulos, articulos);
  int32_t& cantOtros = Salida(CantOtrosConceptos, otros);
  int32_t& totUnidades = Salida(TotUnidades, unidades);
  cantTareas = cantArticulos = cantOtros = totUnidades = 0;

  rt::StepRunner pasos = Trampa(QStringLiteral("CuentaItems&"));
  if (!pasos.run([&] { cantTareas = LineasCargadas(MSFlexGrid1); })) return 0;
  if (MSFlexGrid2) {
    for (int fila = 1; fila < MSFlexGrid2->Rows(); ++fila) {
      if (!EsLineaCargada(*MSFlexGrid2, fila)) continue;
      ++cantArticulos;
      // A quantity that is no number, passed over, leaves the line counted without units.
      const bool seguir = pasos.run([&] {
        const rt::Currency cantidad =
            suite::gUtilidades().TextoANumero(rt::Trim(MSFlexGrid2->TextMatrix(fila, numbering::articulos::Cantidad)));
        const rt::Currency suma = rt::Currency::fromInt(totUnidades) + cantidad;
        totUnidades = rt::CLng(suma.rounded(0).toDouble());
      });
      if (!seguir) return 0;
    }
  }
  if (!pasos.run([&] { cantOtros = LineasCargadas(MSFlexGrid3); })) return 0;
  return cantTareas + cantArticulos + cantOtros;
}

bool ClsCmnCptes::ValidaCantidadLineasCpte(const QString& TC, const QString& Letra, ui::FlexGrid* MSFlexGrid1,
                                           ui::FlexGrid* MSFlexGrid2, ui::FlexGrid* MSFlexGrid3,
                                           int16_t* CantLineas, int16_t* CantLineasUsadas, int32_t Agragarle,
                                           int16_t LineasAnteriores) {
  int16_t lineas = 0, usadas = 0;
  int16_t& capacidad = Salida(CantLineas, lineas);
  int16_t& cantUsadas = Salida(CantLineasUsadas, usadas);

  rt::StepRunner pasos = Trampa(QStringLiteral("ValidaCantidadLineasCpte"));
  if (LineasAnteriores != -1) {
    ado::Recordset rs;
    const bool leida = pasos.run([&] {
      gDB().AbrirRecordset(sentencia::CapacidadDeLineas(TC, Letra), rs);
      capacidad = rs.BOF() ? 0
                           : rt::CInt(suite::gUtilidades()
                                          .TextoANumero(suite::gUtilidades()
                                                            .ValorCampo(rs[QStringLiteral("CantLineas")].Value())
                                                            .toString())
                                          .toDouble());
    });
    gDB().CierraRecordset(rs);
    if (!leida) return false;
  }
  if (capacidad == 0) return true;

  bool cabe = false;
  const bool contadas = pasos.run([&] {
    cantUsadas = 0;
    for (const ui::FlexGrid* grilla : {MSFlexGrid1, MSFlexGrid2, MSFlexGrid3})
      cantUsadas = rt::CInt(double(cantUsadas) + LineasCargadas(grilla));
    cabe = int64_t(cantUsadas) + Agragarle <= capacidad;
  });
  return contadas && cabe;
}

}  // namespace vouchers
