// Creation of the voucher class and its list-string members, which are the
// numbering layer's.
#include "vouchers/ClsCmnCptes.h"

#include "core/Configuration.h"
#include "numbering/ListasSeriesLotes.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace vouchers {

ClsCmnCptes::ClsCmnCptes() {
  suite::Utilidades& util = suite::gUtilidades();
  gPIVA = util.TextoANumero(core::Cfg(QStringLiteral("PIVA"))).toDouble();
  gPIVARec = util.TextoANumero(core::Cfg(QStringLiteral("PIVARec"))).toDouble();
  gAsientosXStock = rt::EqualsText(core::Cfg(QStringLiteral("AsientosXStock")), QStringLiteral("SI"));
  gLenDesc = rt::CInt(rt::Val(core::Cfg(QStringLiteral("LenDescripcion"))));
  if (gLenDesc == 0) gLenDesc = 100;
}

QString ClsCmnCptes::StrSerieLote(const QString& Serie_Lote) const { return numbering::StrSerieLote(Serie_Lote); }

void ClsCmnCptes::DescomponeSerieLote(const QString& Serie_Lote, std::vector<QString>& arreglo) const {
  numbering::DescomponeSerieLote(Serie_Lote, arreglo);
}

void ClsCmnCptes::DescomponePosicionCantidadLote(const QString& Posicion_Lote, const QString& PIPELotes,
                                                 std::vector<QString>& ArrPosiciones,
                                                 std::vector<QString>& ArrCantidades,
                                                 std::vector<QString>& ArrLote) const {
  numbering::DescomponePosicionCantidadLote(Posicion_Lote, PIPELotes, ArrPosiciones, ArrCantidades, ArrLote);
}

int32_t ClsCmnCptes::Cuenta_Series_Lotes(const QString& PipeSeries, const QString& PIPELotes,
                                         bool SinConsolidar) const {
  return numbering::Cuenta_Series_Lotes(PipeSeries, PIPELotes, SinConsolidar);
}

QString ClsCmnCptes::ExtraeSerieLote(const QString& Serie_Lote, int16_t QuePosicion) const {
  return numbering::ExtraeSerieLote(Serie_Lote, QuePosicion);
}

int32_t ClsCmnCptes::Cantidad_Series_Lotes(const QString& Pipes) const {
  return numbering::Cantidad_Series_Lotes(Pipes);
}

QString ClsCmnCptes::InsertaCHR255(const QString& iPipe) const { return numbering::InsertaCHR255(iPipe); }

}  // namespace vouchers
