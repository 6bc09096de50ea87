// Writes the starting corpus of the DBF fuzz target: one valid table (and
// memo) of each header version, with every field type.
#include <QDir>
#include <QFile>
#include <cstdio>

#include "FuzzInput.h"
#include "platform/ado/dbf/DbfFormat.h"
#include "platform/runtime/Dates.h"
#include "support/DbfWriter.h"

using namespace ado::dbf;
using testing_support::DbfWriter;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "uso: %s CARPETA\n", argv[0]);
    return 2;
  }
  QDir().mkpath(QString::fromLocal8Bit(argv[1]));
  const auto save = [&](const QString& name, const DbfWriter& w) {
    QFile f(QDir(QString::fromLocal8Bit(argv[1])).filePath(name));
    if (!f.open(QIODevice::WriteOnly)) return false;
    return f.write(fuzz::join(w.tableBytes(), w.memoBytes())) > 0;
  };
  bool ok = true;
  for (uint8_t v : {version::Dbase3, version::VisualFoxPro, version::VisualFoxProAutoinc,
                    version::VisualFoxProVarchar, version::Dbase3Memo, version::Dbase4Memo, version::FoxPro2Memo}) {
    DbfWriter w(v);
    w.codePage(850).field("C", 'C', 5).field("N", 'N', 8, 2).field("F", 'F', 8, 3).field("D", 'D').field("L", 'L');
    if (v != version::Dbase3) w.field("M", 'M');
    if (isVisualFoxPro(v)) {
      w.field("I", 'I', 0, 0, fieldflag::Nullable).field("Y", 'Y').field("T", 'T').field("B", 'B');
      w.field("V", 'V', 6, 0, fieldflag::Nullable).field("Q", 'Q', 4).field("G", 'G');
    }
    for (int i = 0; i < 3; ++i) {
      std::vector<rt::Variant> r = {QStringLiteral("ñ%1").arg(i), *rt::Currency::parse(u"12.5"), 1.25,
                                    rt::MakeDate(2005, 7, 1 + i), i % 2 == 0};
      if (v != version::Dbase3) r.push_back(QStringLiteral("memo %1").arg(i));
      if (isVisualFoxPro(v))
        r.insert(r.end(), {i == 1 ? rt::Variant::null() : rt::Variant(int32_t(i)), rt::Currency::fromInt(i),
                           rt::MakeDate(2005, 7, 1, 12, 30), 0.5, "ab", QStringLiteral("\x01\x02"), "GIF"});
      if (i == 1) w.addDeleted(r);
      else w.add(r);
    }
    ok = save(QStringLiteral("version-%1").arg(v, 2, 16, QChar(u'0')), w) && ok;
  }
  return ok ? 0 : 1;
}
