#pragma once
// Tables shaped like the restaurant system's exports: the invoice detail
// (TXFAC.DBF) and the customers (TXCLI.DBF), for tests, benchmarks and demo
// data.
#include <QDateTime>
#include <QString>
#include <vector>

#include "platform/runtime/Variant.h"

namespace testing_support {

// One voucher of TXFAC; a Null or a String may stand for any field, so
// that tests can store what a damaged export holds.
struct TxfacRecord {
  rt::Variant CodCpb = "A";
  rt::Variant CodCli = int32_t(1);
  rt::Variant Fecha;
  rt::Variant Prefijo = "0001";
  rt::Variant Numero = int32_t(1);
  rt::Variant Total;
  rt::Variant Iva1;
  rt::Variant Iva2;
  rt::Variant Tasa1;
  rt::Variant Tasa2;
  rt::Variant Cuit = "";
  rt::Variant CodEmp = "";
  // A record the export marked deleted.
  bool Borrado = false;
};

// FECHA is a date field ('D'), or with `fechaTipo` 'C' a character field
// of ten, as some exports write it.
void writeTxfacTable(const QString& path, const std::vector<TxfacRecord>& records, char fechaTipo = 'D');

// Writes `records` made-up vouchers to `path`, shaped like a real export:
// record i (from 0) has Numero i + 1, dates over 2005 in voucher order, most
// vouchers "B" to customer 0, every 20th an "A" to a registered customer.
void writeTxfacTable(const QString& path, long long records);

// One customer of TXCLI.
struct TxcliRecord {
  rt::Variant Codigo = int32_t(1);
  QString Razon, Nombre, Calle, Altura, PisoDto, Localidad, CodPostal, Provincia, Telefono, Cuit, TipoIva, Zona,
      Texto1;
  // A record the export marked deleted.
  bool Borrado = false;
};

// CODIGO is a number field of six digits, or another field as some exports
// write it (a number with decimals, a character field).
struct TxcliCodigo {
  char type = 'N';
  int length = 6;
  int decimals = 0;
};
void writeTxcliTable(const QString& path, const std::vector<TxcliRecord>& records, TxcliCodigo codigo = {});

// `r` as a record the export marked deleted.
template <class Record>
Record deleted(Record r) {
  r.Borrado = true;
  return r;
}

}  // namespace testing_support
