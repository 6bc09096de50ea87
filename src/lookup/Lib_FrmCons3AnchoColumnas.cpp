// The list window's column widths per table, in the width file
// "CONSULTASLEN.VTX": one line per table, its name and the width of every
// column in column order, each closed by "|" ("VT_CLIENTES","2880|1440|").
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>

#include "lookup/Lib_FrmCons3.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/FieldFile.h"
#include "platform/runtime/FileErrors.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"

namespace lookup {

namespace {

QString rutaAnchos() { return rt::ProgramFile(QStringLiteral("CONSULTASLEN.VTX")); }

}  // namespace

void Lib_FrmCons3::LeeAnchoColumnas() {
  // Renamed whether or not the file exists yet, so that the first save is
  // made under the name that is read back.
  if (rt::EqualsText(NombreTabla, QStringLiteral("Stk_ma_articulos"))) NombreTabla = QStringLiteral("VT_MA_ARTICULOS");
  const QString ruta = rutaAnchos();
  if (!QFileInfo::exists(ruta)) return;
  // A damaged file, or a list shorter than the columns, ends the reading
  // where it is: the widths already set stay.
  try {
    for (const QStringList& linea : rt::ReadFieldLines(ruta)) {
      if (linea.isEmpty() || !rt::EqualsText(linea[0], NombreTabla)) continue;
      if (linea.size() < 2) return;
      QString anchos = linea[1];
      for (int k = 1; k <= ListView1.ColumnHeaders.Count(); ++k) {
        const qsizetype fin = anchos.indexOf(u'|');
        if (fin < 0) return;
        const int ancho = static_cast<int>(rt::RoundHalfEven(utilidades_.TextoANumero(anchos.left(fin)).toDouble()));
        ui::ColumnHeader& columna = ListView1.ColumnHeaders(k);
        columna.Width = ancho;
        CmbSearch(k - 1).Width = ancho;
        CmbSearch(k - 1).Left = columna.Left();
        anchos = anchos.mid(fin + 1);
      }
    }
  } catch (const rt::Error&) {
  }
}

void Lib_FrmCons3::GrabaAnchoColumnas() {
  if (!GrabarCfg) return;
  const QString ruta = rutaAnchos();
  std::vector<QStringList> lineas;
  if (QFileInfo::exists(ruta))
    for (const QStringList& linea : rt::ReadFieldLines(ruta))
      if (!linea.isEmpty() && !rt::EqualsText(linea[0], NombreTabla)) lineas.push_back({linea[0], linea.value(1)});
  QString anchos;
  for (int k = 1; k <= ListView1.ColumnHeaders.Count(); ++k)
    anchos += rt::SingleText(static_cast<float>(ListView1.ColumnHeaders(k).Width())) + u'|';
  lineas.push_back({NombreTabla, anchos});
  // The new file is written whole beside the old one, then takes its
  // place in one step: a failure leaves the old file as it was.
  const QString auxiliar = QFileInfo(ruta).dir().filePath(QStringLiteral("CONSULTASLEN.AUX"));
  rt::WriteFieldLines(auxiliar, lineas);
  if (std::rename(QFile::encodeName(auxiliar).constData(), QFile::encodeName(ruta).constData()) != 0)
    rt::raiseFileAccess(ruta, rt::SystemErrorText(errno));
}

}  // namespace lookup
