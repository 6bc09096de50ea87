#include "support/TxfacTable.h"

#include "platform/runtime/Dates.h"
#include "support/DbfWriter.h"

namespace testing_support {

void writeTxfacTable(const QString& path, long long records) {
  DbfWriter w;
  w.field("COD_CPB", 'C', 1).field("COD_CLI", 'N', 6).field("FECHA", 'D').field("PREFIJO", 'C', 4);
  w.field("NUMERO", 'N', 8).field("TOTAL", 'N', 12, 2).field("IVA1", 'N', 12, 2).field("IVA2", 'N', 12, 2);
  w.field("TASA1", 'N', 6, 2).field("TASA2", 'N', 6, 2).field("CUIT", 'C', 13).field("COD_EMP", 'C', 4);
  const QString kinds = QStringLiteral("ABMLK");
  const QDateTime firstDay = rt::MakeDate(2005, 1, 1);
  // Vouchers in number order over one year, as the restaurant issues them.
  for (long long i = 0; i < records; ++i) {
    const rt::Currency net = rt::Currency::fromRaw((i * 7919 % 10000000) * 100);
    const rt::Currency vat = rt::Currency::fromRaw(net.raw() / 10000 * 2100);
    w.add({QString(kinds[int(i % kinds.size())]), int32_t(i % 5000), firstDay.addDays(i * 365 / records),
           QStringLiteral("%1").arg(i % 3 + 1, 4, 10, QChar(u'0')), int32_t(i + 1), net + vat, vat,
           rt::Currency(), rt::Currency::fromInt(21), rt::Currency::fromRaw(105000),
           QStringLiteral("20-%1-9").arg(10000000 + i % 90000000, 8, 10, QChar(u'0')),
           QStringLiteral("%1").arg(i % 40 + 1, 4)});
  }
  w.write(path);
}

}  // namespace testing_support
