// The column layouts of the voucher search list and the pictures of its
// rows.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

#include "lookup/FrmConsComprobantes.h"
#include "platform/ui/ScriptedHost.h"
#include "support/CoreFixture.h"
#include "support/Printers.h"

namespace {

using lookup::FrmConsComprobantes;

class Columnas : public testing_support::CoreFixture {
 protected:
  // The headers as "caption=width" in capital X of the window's font.
  QStringList encabezados(const QString& TC, bool referencia) {
    ventana.TC = TC;
    ventana.gUsaReferencia = referencia;
    ventana.Encolumnar();
    QStringList out;
    for (int i = 1; i <= ventana.ListView1.ColumnHeaders.Count(); ++i) {
      const ui::ColumnHeader& h = ventana.ListView1.ColumnHeaders(i);
      out << QStringLiteral("%1=%2").arg(h.Text()).arg(h.Width() / ui::ScriptedHost::kCharWidth);
    }
    return out;
  }
  FrmConsComprobantes ventana;
};

const char* const kVentas = "FECHA=13 COMPROBANTE=15 ID=5 NOMBRE=21 IMPORTE=10";
const char* const kVentasReferencia = "FECHA=13 COMPROBANTE=15 ID=5 NOMBRE=21 Referencia=21 IMPORTE=10";
const char* const kCompras = "FECHA=13 COMPROBANTE=15 PROVEEDOR=15 NOMBRE=21 CONCEPTO=21 IMPORTE=10";
const char* const kOtro = "FECHA=13 COMPROBANTE=15 CUENTA=15 NOMBRE=21 CONCEPTO=21 IMPORTE=10";

TEST_F(Columnas, TheLayoutOfEveryVoucherType) {
  const struct {
    const char* TC;
    bool referencia;
    const char* columnas;
  } casos[] = {
      {"OT", false, kVentas},   {"fc", false, kVentas},  {"RM", false, kVentas},  {"ND", false, kVentas},
      {"NC", false, kVentas},   {"NCFP", false, kVentas}, {"OP", false, kVentas}, {"NP", false, kVentas},
      {"FP", false, kVentas},   {"GF", false, kVentas},  {"FC", true, kVentasReferencia},
      {"FCC", false, kCompras}, {"ncc", true, kCompras}, {"NCCP", false, kCompras}, {"NDC", false, kCompras},
      {"RMC", false, kCompras}, {"NCPE", false, kCompras}, {"NDPR", false, kCompras},
      {"PR", false, "FECHA=13 COMPROBANTE=15 NOMBRE=21 ID=5 IMPORTE=10"},
      {"pr", true, "FECHA=13 COMPROBANTE=15 NOMBRE=21 ID=5 Referencia=21 IMPORTE=10"},
      {"T3", true, "Nº Int.=7 FECHA=13 COMPROBANTE=15 ID=4 FH Envio=10 FH Recep=10"},
      {"OC", false, "FECHA=13 PROVEEDOR=13 COMPROBANTE=17 IMPORTE=9 COMENTARIOS=15 Inf. Recepción=15"},
      {"ajp", false, kOtro},    {"ajp", true, kOtro},    {"", false, kOtro},    {" FC", false, kOtro},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.TC) + (c.referencia ? " con referencia" : ""));
    EXPECT_EQ(encabezados(c.TC, c.referencia).join(u' '), QString::fromUtf8(c.columnas));
  }
}

TEST_F(Columnas, WidthsInTheWindowsFont) {
  ventana.FontSize = 16.5;
  EXPECT_EQ(encabezados("OC", false).first(), "FECHA=26");
}

TEST_F(Columnas, LaidOutAgainOneSetOfHeaders) {
  encabezados("OC", false);
  EXPECT_EQ(encabezados("FC", false).join(u' '), kVentas);
}

TEST_F(Columnas, ThePictureOfATypeOrState) {
  const struct {
    const char* tag;
    int indice;
  } casos[] = {{"PR", 1}, {"Anulado", 2}, {"Aprobado", 3}, {"FC", 4}, {" fc ", 4}, {"NC", 5}, {"ND", 6},
               {"OT", 7}, {"Generico", 8}, {"t3", 9}, {"OC", 10}, {"OCG", 11}, {"RM", 8}, {"NP", 8},
               {"FCC", 8}, {"", 8}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.tag);
    EXPECT_EQ(ventana.ObtieneIndiceImagen(c.tag), c.indice);
  }
  // Eleven pictures built in, each a 16 x 16 PNG.
  ASSERT_EQ(ventana.ImageList1.ListImages.Count(), 11);
  for (int i = 1; i <= 11; ++i) {
    QFile imagen(ventana.ImageList1.ListImages(i).Picture);
    ASSERT_TRUE(imagen.open(QIODevice::ReadOnly)) << imagen.fileName().toStdString();
    const QByteArray cabecera = imagen.read(24);
    EXPECT_TRUE(cabecera.startsWith("\x89PNG"));
    EXPECT_EQ(cabecera.mid(16, 8), QByteArray("\0\0\0\x10\0\0\0\x10", 8)) << imagen.fileName().toStdString();
  }
}

TEST_F(Columnas, WithoutAGenericPictureNone) {
  ventana.ImageList1.ListImages.Remove(8);
  EXPECT_EQ(ventana.ObtieneIndiceImagen("RM"), 0);
  EXPECT_EQ(ventana.ObtieneIndiceImagen(""), 0);
  EXPECT_EQ(ventana.ObtieneIndiceImagen("OC"), 9);
  ventana.ImageList1.ListImages.Clear();
  EXPECT_EQ(ventana.ObtieneIndiceImagen("FC"), 0);
}

}  // namespace
