// The invoice detail carried into vouchers, entries, accounts, calendar
// days and fiscal years, end to end from a DBF table through the window.
#include <gtest/gtest.h>

#include "ImportRun.h"
#include "core/CoreState.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Text.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Operator.h"
#include "support/QtPrinters.h"

namespace {

using testing_support::TxfacRecord;

rt::Currency pesos(int64_t cents) { return rt::Currency::fromRaw(cents * 100); }

TxfacRecord voucher(const char* cpb, int cliente, QDate fecha, const char* prefijo, int numero, int64_t totalCents,
                    int64_t ivaCents) {
  TxfacRecord r;
  r.CodCpb = cpb;
  r.CodCli = int32_t(cliente);
  r.Fecha = rt::MakeDate(fecha);
  r.Prefijo = prefijo;
  r.Numero = int32_t(numero);
  r.Total = pesos(totalCents);
  r.Iva1 = pesos(ivaCents);
  r.Iva2 = rt::Currency();
  r.Tasa1 = rt::Currency::fromInt(21);
  r.Tasa2 = rt::Currency();
  r.Cuit = "20-12345678-9";
  r.CodEmp = "7";
  return r;
}

class InvoiceImport : public testing_support::ImportRun {
 protected:
  // The five kinds: invoices A and B, credit notes A and B, a ticket, on
  // both sides of 1 July 2005.
  std::vector<TxfacRecord> everyKind() {
    return {voucher("A", 25, QDate(2005, 3, 15), "0001", 10, 12100, 2100),
            voucher("b", 0, QDate(2005, 6, 30), "2", 11, 10050, 0),
            voucher("m", 25, QDate(2005, 7, 1), "0001", 12, 6050, 1050),
            voucher("L", 26, QDate(2005, 7, 2), "0001", 13, 1000, 0),
            voucher("K", 25, QDate(2005, 7, 15), "0003", 14, 500, 0)};
  }
  long count(const char* table) { return scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toLong(); }
};

TEST_F(InvoiceImport, EveryKindBecomesAVoucherWithABalancedEntry) {
  writeTxfac(everyKind());
  importa(Facturacion);

  EXPECT_EQ(rows("SELECT TC, IdComprobante, IdComplemento, Fecha, Cuenta, Nombre, Importe, NetoGravado, AlicIva, "
                 "ImporteIVA, DOCUMENTONUMERO, DOCUMENTOTIPO, CondicionIva, UNEGOCIO, Moneda, Cotizacion, IdVendedor "
                 "FROM V_MV_CPTE ORDER BY ID"),
            QStringList({"FC|000100000010A|0|15/03/2005|112010025||121|121|21|21|20-12345678-9|   1|   1|   1|   1|1|   7",
                         "FC|000200000011B|0|30/06/2005|112010001||100,5|100,5|21|0|20-12345678-9|   1|   1|   1|   1|1|   7",
                         "NC|000100000012A|0|01/07/2005|112010025|Completar|60,5|60,5|21|10,5|20-12345678-9|   1|   1|   1|   1|1|   7",
                         "NC|000100000013B|0|02/07/2005|112010026||10|10|21|0|20-12345678-9|   1|   1|   1|   1|1|   7",
                         "TK|000300000014X|0|15/07/2005|112010025|Completar|5|5|21|0|20-12345678-9|   1|   1|   1|   1|1|   7"}));

  // Two lines per voucher: the customer against the adjustment account, one
  // entry number per month and period.
  EXPECT_EQ(rows("SELECT TC, Sucursal, Numero, Letra, Secuencia, Cuenta, [DEBE-HABER], Importe, CabCuenta, "
                 "CabImporte, MES_OPERATIVO, Periodo, [NUMERO ASIENTO], EsAjuste, Tipo_Reg FROM MV_ASIENTOS "
                 "ORDER BY Numero, Secuencia"),
            QStringList({"FC|0001|00000010|A|1|112010025|D|121|112010025|121|3|0|1|Falso|",
                         "FC|0001|00000010|A|2|511|H|121|112010025|121|3|0|1|Verdadero|",
                         "FC|0002|00000011|B|1|112010001|D|100,5|112010001|100,5|6|0|1|Falso|",
                         "FC|0002|00000011|B|2|511|H|100,5|112010001|100,5|6|0|1|Verdadero|",
                         "NC|0001|00000012|A|1|112010025|H|60,5|112010025|60,5|7|1|1|Falso|",
                         "NC|0001|00000012|A|2|511|D|60,5|112010025|60,5|7|1|1|Verdadero|",
                         "NC|0001|00000013|B|1|112010026|H|10|112010026|10|7|1|2|Falso|",
                         "NC|0001|00000013|B|2|511|D|10|112010026|10|7|1|2|Verdadero|",
                         "TK|0003|00000014|X|1|112010025|D|5|112010025|5|7|1|3|Falso|",
                         "TK|0003|00000014|X|2|511|H|5|112010025|5|7|1|3|Verdadero|"}));
  EXPECT_EQ(rows("SELECT MES_OPERATIVO, Periodo, [NUMERO ASIENTO] FROM MV_ASIENTOS GROUP BY 1, 2, 3 "
                 "HAVING SUM(CASE [DEBE-HABER] WHEN 'D' THEN Importe ELSE -Importe END) <> 0"),
            QStringList());

  // The VAT-book figures ride on the first line only; a customer known
  // from an earlier voucher gives its name.
  EXPECT_EQ(rows("SELECT LIVA_TIPO, LIVA_TOTAL, CabCUIT, CabCondIVA, LIVA_IMPNETOGRAV, LIVA_IMPIVA, LIVA_ALICIVA, "
                 "Vencimiento, Detalle, IdVendedor, IDCAJAS, UNEGOCIO, Moneda, Transmision, usuario_logeado, "
                 "fechahora_grabacion FROM MV_ASIENTOS WHERE Numero = '00000012' ORDER BY Secuencia"),
            QStringList({"Ventas|-60,5|20-12345678-9||60,5|10,5|21|01/07/2005|7|   7|   1|   1|   1|4|operador|"
                         "15/03/2024 14:05:00",
                         "<null>|0|<null>|<null>|0|0|0|<null>|7|   7|   1|   1|   1|4|operador|15/03/2024 14:05:00"}));

  EXPECT_EQ(rows("SELECT CODIGO, DESCRIPCION, TipoVista FROM MA_CUENTAS WHERE CODIGO <> '511' ORDER BY CODIGO"),
            QStringList({"112010001|Completar|CL", "112010025|Completar|CL", "112010026|Completar|CL"}));
  EXPECT_EQ(rows("SELECT fecha, nolaborable FROM ma_calendario ORDER BY fecha"),
            QStringList({"15/03/2005|Falso", "30/06/2005|Falso", "01/07/2005|Falso", "02/07/2005|Falso", "15/07/2005|Falso"}));
  EXPECT_EQ(rows("SELECT PERIODO, DESCRIPCION, [FECHA DESDE], [FECHA HASTA] FROM MV_EJERCICIOS ORDER BY PERIODO"),
            QStringList({"0|Ejercicio Anterior|01/01/1994|30/06/2005", "1|Ejercicio 2005-2006|01/07/2005|30/06/2006"}));
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 4 de 5 Grabados:4 Errores: 0\r\n Inicio: 15/03/2024 14:05:09"))
      << ventana.LblDetalle.Caption().toStdString();
  EXPECT_TRUE(ventana.LblDetalle.Caption().endsWith(" FINALIZADO ")) << ventana.LblDetalle.Caption().toStdString();
  EXPECT_EQ(ventana.lblTabla.Caption(), "");
  EXPECT_TRUE(host.boxes().empty());
}

}  // namespace
