// Workbooks written by real writers (tests/fixtures/workbooks/make-workbooks:
// python3-xlwt and LibreOffice Calc), opened as the window opens them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "XlsAdapter/biff/FormulaRecords.h"
#include "XlsAdapter/biff/WorkbookFile.h"
#include "platform/FileSource.h"
#include "platform/TextEncoding.h"
#include "tests/biff/WorkbookTestUtil.h"

namespace tabulon {
namespace {

std::string FixturePath(const char* name) {
  return std::string(TABULON_SOURCE_DIR) + "/tests/fixtures/workbooks/" + name;
}

std::unique_ptr<TWorkbook> OpenFixture(const char* name) { return OpenWorkbookFile(FixturePath(name)); }

struct TCellCase {
  int Row, Col;
  TCellVariant Value;
};

void ExpectCells(const TWorkSheet& sheet, std::initializer_list<TCellCase> cases) {
  for (const TCellCase& c : cases) {
    const TXlsCellValue value = sheet.Cells().FCellList.GetValue(c.Row, c.Col);
    EXPECT_EQ(value.Value, c.Value) << c.Row << ',' << c.Col;
    EXPECT_GE(value.XF, 0) << c.Row << ',' << c.Col;
  }
}

TEST(FixtureWorkbooks, XlwtCellsAndLayout) {
  const auto workbook = OpenFixture("xlwt-cells.xls");
  const TWorkbookGlobals& globals = workbook->Globals();
  ASSERT_EQ(workbook->SheetCount(), 2u);
  EXPECT_EQ(globals.SheetName(0), u"Contacts");
  EXPECT_EQ(globals.SheetName(1), u"Second");
  EXPECT_EQ(workbook->GetActiveSheet(), 1);
  EXPECT_FALSE(globals.Is1904());

  const TWorkSheet& sheet = workbook->GetWorkSheets(0);
  ExpectCells(sheet, {
      {0, 0, u"Name"}, {1, 0, u"Ann Lee"}, {1, 1, u"555-0101"},
      {1, 2, 42.0},                      // RK
      {1, 3, 1234567.891},               // NUMBER
      {1, 4, true}, {1, 5, u"#DIV/0!"},  // BOOLERR
      {2, 0, u"Zo\u00eb \u65e5\u672c"}, {2, 2, -7.0}, {2, 3, 0.5}, {2, 4, false}, {2, 5, u"#N/A"},
      {4, 0, 10.0}, {4, 5, 60.0},        // MULRK
      {5, 0, std::monostate{}}, {5, 5, std::monostate{}},  // MULBLANK
      {6, 0, 45000.25}, {8, 1, u"Merged"},
  });
  EXPECT_EQ(globals.GetFormatList(sheet.Cells().FCellList.GetValue(6, 0).XF).Format,
            u"yyyy-mm-dd hh:mm");
  EXPECT_EQ(sheet.Cells().FCellList.GetValue(3, 0).XF, -1);
  EXPECT_EQ(sheet.CellMergedBounds(9, 2), (TXlsCellRange{1, 8, 2, 9}));
  EXPECT_TRUE(sheet.GetRowHidden(3));
  EXPECT_EQ(sheet.GetRowHeight(3, true), 0);
  EXPECT_TRUE(sheet.GetColHidden(4));
  EXPECT_EQ(sheet.GetColWidth(4, true), 0);
  EXPECT_EQ(sheet.GetColWidth(0), 6000);
  EXPECT_EQ(sheet.GetRowHeight(1), 600);
  EXPECT_EQ(sheet.GetRowHeight(2), 255);
  EXPECT_FALSE(sheet.Selected());

  const TWorkSheet& second = workbook->GetWorkSheets(1);
  ExpectCells(second, {{0, 0, u"active"}});
  EXPECT_TRUE(second.Selected());
}

TEST(FixtureWorkbooks, Xlwt1904DateSystem) {
  const auto workbook = OpenFixture("xlwt-1904.xls");
  EXPECT_TRUE(workbook->Globals().Is1904());
  const TXlsCellValue value = workbook->GetWorkSheets(0).Cells().FCellList.GetValue(0, 0);
  EXPECT_EQ(value.Value, TCellVariant(1.5));
  EXPECT_EQ(workbook->Globals().GetFormatList(value.XF).Format, u"dd/mm/yyyy");
}

// The strings make-workbooks writes into xlwt-long-sst.xls.
std::u16string LongString(int i) {
  char number[16];
  std::snprintf(number, sizeof number, "%04d ", i);
  std::u16string text;
  switch (i % 3) {
    case 0:
      text = u"row " + FromUtf8(number);
      for (int k = 0; k < 12; ++k) text += u"abcdefghij";
      break;
    case 1:
      text = u"\u0440\u044f\u0434 " + FromUtf8(number);
      for (int k = 0; k < 20; ++k) text += u"\u00e9\u03b1\u4e2d";
      break;
    default: text = u"short " + FromUtf8(std::to_string(i));
  }
  return text;
}

TEST(FixtureWorkbooks, XlwtSharedStringsOverContinueRecords) {
  // The file's SST record runs on into CONTINUE records.
  TFileSource source(FixturePath("xlwt-long-sst.xls"));
  TOle2File file(source);
  file.SelectStream(u"Workbook");
  bool continued = false;
  testing::LoadAllRecords(file, [&](TBaseRecord& r) {
    if (r.Id() == 0x00FC) continued = r.Continue() != nullptr && r.Continue()->Continue() != nullptr;
  });
  EXPECT_TRUE(continued);

  const auto workbook = OpenFixture("xlwt-long-sst.xls");
  const TCellList& cells = workbook->GetWorkSheets(0).Cells().FCellList;
  ASSERT_EQ(cells.Count(), 600u);
  for (int i = 0; i < 600; ++i) {
    EXPECT_EQ(cells.GetValue(i, 0).Value, TCellVariant(LongString(i))) << i;
  }
}

TEST(FixtureWorkbooks, CalcFormulasAndLayout) {
  const auto workbook = OpenFixture("calc-formulas.xls");
  ASSERT_EQ(workbook->SheetCount(), 2u);
  const TWorkSheet& sheet = workbook->GetWorkSheets(0);
  ExpectCells(sheet, {
      {0, 0, u"Name"}, {1, 0, u"Ann"}, {1, 2, u"555-0101"},
      {1, 3, u"Hello Ann"}, {5, 3, u"Hello Eve"},  // text results (STRING records)
      {1, 4, 21.0}, {1, 5, 42.0}, {5, 5, 138.0},   // a shared formula column
      {1, 6, false}, {2, 6, true},                 // boolean results
      {2, 7, u"#DIV/0!"}, {3, 7, 4.7},             // error and number results
      {1, 8, false}, {2, 8, true},                 // boolean values
      {6, 0, u"Merged"},
  });
  const TCellList& cells = sheet.Cells().FCellList;
  EXPECT_TRUE(cells.GetValue(1, 3).IsFormula);
  EXPECT_FALSE(cells.GetValue(1, 4).IsFormula);
  // Every formula that referred to shared token data received it.
  size_t formulas = 0;
  for (const auto& [row, list] : cells.Rows()) {
    for (size_t i = 0; i < list.Count(); ++i) {
      const auto* formula = dynamic_cast<const TFormulaRecord*>(&list.GetItems(i));
      uint32_t key = 0;
      if (formula == nullptr) continue;
      ++formulas;
      EXPECT_FALSE(formula->IsExp(key)) << row << ',' << formula->Column();
    }
  }
  EXPECT_EQ(formulas, 20u);
  EXPECT_EQ(sheet.CellMergedBounds(7, 1), (TXlsCellRange{0, 6, 1, 7}));
  EXPECT_TRUE(sheet.GetColHidden(1));
  EXPECT_TRUE(sheet.GetRowHidden(3));
  EXPECT_EQ(sheet.GetRowHeight(1), 850);
  EXPECT_EQ(sheet.GetColWidth(0), 5715);
  ExpectCells(workbook->GetWorkSheets(1), {{0, 0, u"second sheet"}});
}

}  // namespace
}  // namespace tabulon
