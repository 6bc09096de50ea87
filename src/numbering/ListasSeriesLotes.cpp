#include "numbering/ListasSeriesLotes.h"

#include "data_access/DataAccessState.h"
#include "numbering/Valores.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace numbering {

namespace {

const QString kRutinaLectura = QStringLiteral("Cuenta_Series_Y_Lotes%");
constexpr int kLargoMaximo = 32767;

// The text as every reader sees it: trimmed, one opening "|" dropped.
QString Lectura(const QString& lista) {
  if (lista.size() > kLargoMaximo) rt::raise(rt::err::Overflow);
  QString texto = rt::Trim(lista);
  if (texto.startsWith(u'|')) texto.remove(0, 1);
  return texto;
}

// The texts before each "|", untrimmed, and what follows the last one.
struct Partes {
  std::vector<QString> items;
  QString cola;
};

Partes Separa(const QString& texto) {
  Partes partes;
  qsizetype desde = 0;
  for (qsizetype hasta = texto.indexOf(u'|'); hasta >= 0; hasta = texto.indexOf(u'|', desde)) {
    partes.items.push_back(texto.mid(desde, hasta - desde));
    desde = hasta + 1;
  }
  partes.cola = texto.mid(desde);
  return partes;
}

// Malformed input is shown once. Reading it again cannot change it, so
// Retry and Ignore both go on with what can still be read; any other answer
// stops the reading.
bool SigueTrasReportar(const QString& descripcion) {
  int respuesta = data_access::gDB().TratamientoErrores(ErrorPrograma(rt::err::InvalidCall, descripcion),
                                                        std::nullopt, kRutinaLectura);
  return respuesta == rt::answer::Retry || respuesta == rt::answer::Ignore;
}

bool SigueTrasCola(const Partes& partes) {
  return rt::Trim(partes.cola).isEmpty() ||
         SigueTrasReportar(QStringLiteral("Texto después del último \"|\" de la lista: ") + partes.cola);
}

// The items trimmed, with the empty element that closes every array.
std::vector<QString> Arreglo(const std::vector<QString>& items) {
  std::vector<QString> arreglo;
  for (const QString& item : items) arreglo.push_back(rt::Trim(item));
  arreglo.emplace_back();
  return arreglo;
}

std::vector<QString> Vacios(size_t cuantos) { return std::vector<QString>(cuantos, QString()); }

bool EstaSinDistinguir(const std::vector<QString>& lista, const QString& texto) {
  for (const QString& elemento : lista)
    if (rt::EqualsText(elemento, texto)) return true;
  return false;
}

}  // namespace

QString StrSerieLote(const QString& Serie_Lote) {
  QString resultado;
  Trampa(kRutinaLectura).run([&] {
    resultado.clear();
    QString texto = Lectura(Serie_Lote);
    if (!texto.contains(u'|')) return;
    std::vector<QString> vistos{QString()};
    for (const QString& item : Separa(texto).items) {
      QString limpio = rt::Trim(item);
      if (EstaSinDistinguir(vistos, limpio)) continue;
      resultado += u' ' + limpio;
      vistos.push_back(limpio);
    }
  });
  return resultado;
}

std::vector<QString> ItemsDeLista(const QString& lista) { return Separa(Lectura(lista)).items; }

QString ValorDeItem(const QString& item) {
  const QString valor = rt::Trim(item);
  return valor == u'-' ? QString() : valor;
}

int32_t Busca_Lotes_Series(const QString& PipeSeriesLotes, const QString& QueSerieLote) {
  int32_t posicion = 0;
  Trampa(QStringLiteral("Busca_Lotes_Series")).run([&] {
    const QString buscado = rt::Trim(QueSerieLote);
    const std::vector<QString> items = ItemsDeLista(PipeSeriesLotes);
    for (size_t i = 0; i < items.size() && posicion == 0; ++i)
      if (rt::EqualsText(rt::Trim(items[i]), buscado)) posicion = static_cast<int32_t>(i + 1);
  });
  return posicion;
}

void DescomponeSerieLote(const QString& Serie_Lote, std::vector<QString>& arreglo) {
  arreglo = Vacios(1);
  Trampa(kRutinaLectura).run([&] {
    arreglo = Vacios(1);
    QString texto = Lectura(Serie_Lote);
    if (!texto.contains(u'|')) {
      if (!texto.isEmpty()) arreglo = {texto, QString()};
      return;
    }
    Partes partes = Separa(texto);
    arreglo = Arreglo(partes.items);
    SigueTrasCola(partes);
  });
}

void DescomponePosicionCantidadLote(const QString& Posicion_Lote, const QString& PIPELotes,
                                    std::vector<QString>& ArrPosiciones, std::vector<QString>& ArrCantidades,
                                    std::vector<QString>& ArrLote) {
  ArrPosiciones = ArrCantidades = ArrLote = Vacios(1);
  bool sigue = true;
  Trampa(kRutinaLectura).run([&] {
    if (!Posicion_Lote.contains(u'|')) return;
    Partes partes = Separa(Lectura(Posicion_Lote));
    ArrPosiciones = Arreglo(partes.items);
    sigue = SigueTrasCola(partes);
    for (size_t i = 0; i + 1 < ArrPosiciones.size() && sigue; ++i) {
      const QString item = ArrPosiciones[i];
      qsizetype asterisco = item.indexOf(u'*');
      if (asterisco < 0) {
        sigue = SigueTrasReportar(QStringLiteral("La posición \"") + item + QStringLiteral("\" no tiene \"*\" y cantidad"));
      } else {
        ArrCantidades.back() = item.mid(asterisco + 1);
        ArrPosiciones[i] = item.left(asterisco);
      }
      ArrCantidades.emplace_back();
    }
  });
  if (sigue) DescomponeSerieLote(PIPELotes, ArrLote);
}

int32_t Cuenta_Series_Lotes(const QString& PipeSeries, const QString& PIPELotes, bool SinConsolidar) {
  std::vector<QString> series, lotes;
  DescomponeSerieLote(PipeSeries, series);
  DescomponeSerieLote(PIPELotes, lotes);
  // One list alone decides: the other is taken as that many empty items.
  if (!PipeSeries.isEmpty()) lotes = Vacios(series.size());
  else if (!PIPELotes.isEmpty()) series = Vacios(lotes.size());
  if (SinConsolidar) return static_cast<int32_t>(series.size()) - 1;

  std::vector<QString> claves;
  for (size_t i = 0; i < series.size() && i < lotes.size(); ++i) {
    QString clave = rt::Trim(series[i]) + u'|' + rt::Trim(lotes[i]);
    if (rt::Trim(suite::gUtilidades().QuitaCaracteres(clave, QStringLiteral("|"))).isEmpty()) continue;
    if (!EstaSinDistinguir(claves, clave)) claves.push_back(clave);
  }
  return static_cast<int32_t>(claves.size());
}

QString ExtraeSerieLote(const QString& Serie_Lote, int16_t QuePosicion) {
  QString texto = Lectura(Serie_Lote);
  if (!texto.isEmpty() && !texto.contains(u'|')) texto += u'|';
  std::vector<QString> items = Separa(texto).items;
  if (QuePosicion < 1 || QuePosicion > static_cast<int>(items.size())) return QString();
  return items[static_cast<size_t>(QuePosicion - 1)];
}

int32_t Cantidad_Series_Lotes(const QString& Pipes) {
  if (Pipes.isEmpty()) return 0;
  std::vector<QString> items;
  DescomponeSerieLote(Pipes, items);
  return static_cast<int32_t>(items.size()) - 1;
}

QString InsertaCHR255(const QString& iPipe) {
  QString texto = Lectura(iPipe);
  return u'|' + texto.replace(QStringLiteral("|"), QString(rt::Chr(255)) + u'|');
}

}  // namespace numbering
