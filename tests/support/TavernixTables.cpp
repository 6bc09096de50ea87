#include "support/TavernixTables.h"

#include "platform/runtime/Dates.h"
#include "support/DbfWriter.h"

namespace testing_support {

void writeTxfacTable(const QString& path, const std::vector<TxfacRecord>& records, char fechaTipo) {
  DbfWriter w;
  w.field("COD_CPB", 'C', 1).field("COD_CLI", 'N', 6);
  if (fechaTipo == 'C')
    w.field("FECHA", 'C', 10);
  else
    w.field("FECHA", fechaTipo);
  w.field("PREFIJO", 'C', 4);
  w.field("NUMERO", 'N', 8).field("TOTAL", 'N', 12, 2).field("IVA1", 'N', 12, 2).field("IVA2", 'N', 12, 2);
  w.field("TASA1", 'N', 6, 2).field("TASA2", 'N', 6, 2).field("CUIT", 'C', 13).field("COD_EMP", 'C', 4);
  for (const TxfacRecord& r : records) {
    const std::vector<rt::Variant> values{r.CodCpb, r.CodCli, r.Fecha, r.Prefijo, r.Numero, r.Total,
                                          r.Iva1,   r.Iva2,   r.Tasa1, r.Tasa2,   r.Cuit,   r.CodEmp};
    r.Borrado ? w.addDeleted(values) : w.add(values);
  }
  w.write(path);
}

void writeTxfacTable(const QString& path, long long records) {
  const QDateTime firstDay = rt::MakeDate(2005, 1, 1);
  std::vector<TxfacRecord> rows;
  rows.reserve(static_cast<size_t>(records));
  // Vouchers in number order over one year, as the restaurant issues them:
  // mostly "B" invoices to the final consumer (customer 0, no CUIT), every
  // 20th an "A" invoice to a registered customer, now and then a credit
  // note; points of sale and sellers work in shifts.
  for (long long i = 0; i < records; ++i) {
    const bool registered = i % 20 == 7;
    const int32_t customer = registered ? int32_t(1 + i / 20 % 4999) : 0;
    const char16_t kind = registered ? (i % 420 == 7 ? u'M' : u'A') : (i % 97 == 0 ? u'L' : u'B');
    const QString cuit = registered ? QStringLiteral("30-%1-7").arg(10000000 + customer * 7919, 8, 10, QChar(u'0'))
                                    : QString();
    const rt::Currency net = rt::Currency::fromRaw((i * 7919 % 10000000) * 100);
    const rt::Currency vat = rt::Currency::fromRaw(net.raw() / 10000 * 2100);
    rows.push_back({QString(QChar(kind)), customer, firstDay.addDays(i * 365 / records),
                    QStringLiteral("%1").arg(i / 1000 % 3 + 1, 4, 10, QChar(u'0')), int32_t(i + 1), net + vat, vat,
                    rt::Currency(), rt::Currency::fromInt(21), rt::Currency::fromRaw(105000), cuit,
                    QStringLiteral("%1").arg(i / 150 % 40 + 1, 4)});
  }
  writeTxfacTable(path, rows);
}

void writeTxcliTable(const QString& path, const std::vector<TxcliRecord>& records, TxcliCodigo codigo) {
  DbfWriter w;
  w.field("CODIGO", codigo.type, codigo.length, codigo.decimals).field("RAZON", 'C', 40).field("NOMBRE", 'C', 40);
  w.field("CALLE", 'C', 40);
  w.field("ALTURA", 'C', 6).field("PISODTO", 'C', 10).field("LOCALIDAD", 'C', 30).field("COD_POSTAL", 'C', 8);
  w.field("PROVINCIA", 'C', 20).field("TELEFONO", 'C', 20).field("CUIT", 'C', 13).field("TIPO_IVA", 'C', 2);
  w.field("ZONA", 'C', 4).field("TEXTO1", 'M');
  for (const TxcliRecord& r : records) {
    const std::vector<rt::Variant> values{r.Codigo,    r.Razon,     r.Nombre,   r.Calle,  r.Altura,
                                          r.PisoDto,   r.Localidad, r.CodPostal, r.Provincia, r.Telefono,
                                          r.Cuit,      r.TipoIva,   r.Zona,     r.Texto1};
    r.Borrado ? w.addDeleted(values) : w.add(values);
  }
  w.write(path);
}

}  // namespace testing_support
