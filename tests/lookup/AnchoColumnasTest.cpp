// The column widths a list window keeps per table in CONSULTASLEN.VTX.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "LookupFixture.h"
#include "lookup/Lib_FrmCons3.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Operator.h"
#include "platform/ui/ScriptedHost.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

namespace {

using lookup::Lib_FrmCons3;

class AnchoColumnas : public lookup_tests::LookupDatabase {
 protected:
  QString ruta() const { return folder.file("CONSULTASLEN.VTX"); }
  QByteArray archivo() const {
    QFile f(ruta());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // A window over `sql` whose operator sets the widths given (0 leaves a
  // column as built); it saves them when it goes.
  std::vector<int> abre(const QString& sql, std::vector<int> anchos = {}) {
    Lib_FrmCons3 f;
    f.SQL = sql;
    f.GrabarCfg = !anchos.empty();
    std::vector<int> leidos;
    host.onModal<Lib_FrmCons3>("Lib_FrmCons3", [&](Lib_FrmCons3& w) {
      for (int k = 1; k <= w.ListView1.ColumnHeaders.Count(); ++k) {
        leidos.push_back(w.ListView1.ColumnHeaders(k).Width());
        EXPECT_EQ(w.CmbSearch(k - 1).Left(), w.ListView1.ColumnHeaders(k).Left());
      }
      for (std::size_t k = 0; k < anchos.size(); ++k)
        if (anchos[k] != 0) w.ListView1.ColumnHeaders(static_cast<int>(k) + 1).Width = anchos[k];
      ui::op::click(w.CmdCancelar);
    });
    f.Show(ui::vbModal);
    f.Unload();
    return leidos;
  }
};

TEST_F(AnchoColumnas, WidthsAreSavedPerTableAndReadBack) {
  const QString articulos = "SELECT IDARTICULO, DESCRIPCION FROM VT_MA_ARTICULOS";
  const QString cuentas = "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS";
  EXPECT_EQ(abre(articulos, {2000, 0}), (std::vector<int>{3000, 7200})) << "as built: 25 and 60 X";
  EXPECT_EQ(archivo(), QByteArray("\"VT_MA_ARTICULOS\",\"2000|7200|\"\r\n"));
  abre(cuentas, {1500, 4000});
  abre("SELECT IDARTICULO, DESCRIPCION FROM vt_ma_articulos", {2500, 0});
  EXPECT_EQ(archivo(), QByteArray("\"MA_CUENTAS\",\"1500|4000|\"\r\n\"vt_ma_articulos\",\"2500|7200|\"\r\n"))
      << "one line per table, names of any case sharing it";
  EXPECT_EQ(abre(articulos), (std::vector<int>{2500, 7200}));
  EXPECT_EQ(abre(cuentas), (std::vector<int>{1500, 4000}));
  EXPECT_FALSE(QFile::exists(folder.file("CONSULTASLEN.AUX")));
}

TEST_F(AnchoColumnas, AShortOrDamagedListSetsWhatItCan) {
  folder.write("CONSULTASLEN.VTX", "\"MA_CUENTAS\",\"1500|\"\r\n\"TA_CCOSTO\",\"1440,5|x|900|\"\r\n");
  EXPECT_EQ(abre("SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS"), (std::vector<int>{1500, 7200}));
  EXPECT_EQ(abre("SELECT CODIGO, DESCRIPCION, CODIGO AS OTRO FROM TA_CCOSTO"),
            (std::vector<int>{1440, 6000, 1080}))
      << "a fractional width with a comma reads; a width that is no number ends the reading";
}

TEST_F(AnchoColumnas, ALineWithAStrayCarriageReturnIsReadAndKeptAndWidthsAreStillSaved) {
  const QByteArray proveedores = "\"VT_PROVEEDORES\",\"2880|\r1440|\"\r\n";
  folder.write("CONSULTASLEN.VTX", proveedores);
  EXPECT_EQ(abre("SELECT CODIGO, RAZON_SOCIAL FROM VT_PROVEEDORES"), (std::vector<int>{2880, 1440}));
  abre("SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS", {1500, 4000});
  abre("SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO\r\nWHERE CODIGO <> ''", {1200, 3000});
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(archivo(), proveedores + "\"MA_CUENTAS\",\"1500|4000|\"\r\n\"TA_CCOSTO\",\"1200|3000|\"\r\n")
      << "every close saves its widths; a statement over two lines names its table";
}

TEST_F(AnchoColumnas, StockArticlesAreSavedUnderTheViewNameFromTheFirstSave) {
  testing_support::DefineInDatabase(path, "CREATE VIEW Stk_ma_articulos AS SELECT IDARTICULO, DESCRIPCION FROM "
                                          "V_MA_ARTICULOS");
  abre("SELECT IDARTICULO, DESCRIPCION FROM Stk_ma_articulos", {1800, 0});
  EXPECT_EQ(archivo(), QByteArray("\"VT_MA_ARTICULOS\",\"1800|7200|\"\r\n"));
  EXPECT_EQ(abre("SELECT IDARTICULO, DESCRIPCION FROM Stk_ma_articulos"), (std::vector<int>{1800, 7200}));
}

TEST_F(AnchoColumnas, AFailedSaveLeavesTheOldFileAndIsTold) {
  folder.write("CONSULTASLEN.VTX", "\"MA_CUENTAS\",\"1500|4000|\"\r\n");
  QDir(folder.path()).mkdir("CONSULTASLEN.AUX");
  host.answer(ui::mb::Ok, "CONSULTASLEN.AUX");
  abre("SELECT IDARTICULO, DESCRIPCION FROM VT_MA_ARTICULOS", {2000, 0});
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].title, "Aviso al Operador");
  EXPECT_EQ(host.boxes()[0].buttons, ui::mb::Critical | ui::mb::OkOnly);
  EXPECT_EQ(archivo(), QByteArray("\"MA_CUENTAS\",\"1500|4000|\"\r\n"));
}

}  // namespace
