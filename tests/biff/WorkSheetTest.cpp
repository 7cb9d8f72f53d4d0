// Loading a worksheet: the cell store, row and column settings, default
// sizes, merged ranges, remembered records and the records of formulas.
#include <gtest/gtest.h>

#include "XlsAdapter/biff/HLinkRecords.h"
#include "XlsAdapter/biff/WorkSheet.h"
#include "tests/biff/WorkbookTestUtil.h"

namespace tabulon {
namespace {

using testing::Bytes;
using testing::TBiffStream;
using testing::TByteWriter;

using TBody = std::function<void(TBiffStream&)>;

const TWorkSheet& Sheet(const std::unique_ptr<TWorkbook>& workbook) {
  return workbook->GetWorkSheets(0);
}

std::string SheetFailure(const TBody& body) {
  return FailureOf([&] { LoadOneSheet(body); });
}

TEST(CellStore, CellsOnlyInRowTen) {
  const auto workbook = LoadOneSheet([](TBiffStream& s) { s.Number(10, 0, 15, 1.5); });
  const TCells& cells = Sheet(workbook).Cells();
  EXPECT_EQ(cells.FCellList.Count(), 11u);
  EXPECT_EQ(cells.FCellList.GetItems(3).Count(), 0u);
  EXPECT_GE(cells.FRowList.Count(), 11u);
  ASSERT_TRUE(cells.FRowList.HasRow(10));
  const TRowRecord& row = cells.FRowList.GetItems(10);  // a standard ROW record
  EXPECT_EQ(row.Height(), 255);
  EXPECT_EQ(row.Options(), 0x0100);
  EXPECT_EQ(row.GetXF(), 15);
  EXPECT_FALSE(cells.FRowList.HasRow(9));
  EXPECT_EQ(FailureOf([&] { cells.FRowList.GetItems(9); }), "Missing ROW Record for row 9");
}

TEST(CellStore, CellsOutOfColumnOrderAreFoundAfterTheFirstLookup) {
  const auto workbook = LoadOneSheet([](TBiffStream& s) {
    s.Number(0, 5, 15, 5).Number(0, 2, 15, 2).Number(0, 9, 15, 9);
  });
  const TCellRecordList& row = Sheet(workbook).Cells().FCellList.GetItems(0);
  EXPECT_FALSE(row.Sorted());
  EXPECT_EQ(row.GetItems(0).Column(), 5);  // file order until searched
  size_t index = 99;
  EXPECT_TRUE(row.Find(5, index));
  EXPECT_EQ(index, 1u);
  EXPECT_FALSE(row.Find(3, index));
  EXPECT_EQ(index, 1u);
  EXPECT_FALSE(row.Find(10, index));
  EXPECT_EQ(index, 3u);
  EXPECT_EQ(row.GetItems(0).Column(), 2);
}

TEST(CellStore, ValuesOfCellsByAddress) {
  const auto workbook = LoadOneSheet(
      [](TBiffStream& s) {
        s.Label(0, 0, 16, u"Name").LabelSst(0, 1, 17, 1).Blank(1, 0, 18);
        s.MulRk(2, 3, {{20, 0x3FF00000}, {21, 0x00000193}});
        s.MulBlank(3, 0, {22, 23});
        s.BoolErr(4, 0, 15, 0x07, true);
      },
      [](TBiffStream& g) { g.Sst({u"zero", u"Phone"}); });
  const TCellList& cells = Sheet(workbook).Cells().FCellList;
  const struct {
    int Row, Col;
    TCellVariant Value;
    int32_t XF;
  } cases[] = {
      {0, 0, u"Name", 16}, {0, 1, u"Phone", 17}, {1, 0, std::monostate{}, 18},
      {2, 3, 1.0, 20},     {2, 4, 1.0, 21},      {3, 1, std::monostate{}, 23},
      {4, 0, u"#DIV/0!", 15}, {1, 1, std::monostate{}, -1}, {65535, 255, std::monostate{}, -1},
  };
  for (const auto& c : cases) {
    const TXlsCellValue value = cells.GetValue(c.Row, c.Col);
    EXPECT_EQ(value.Value, c.Value) << c.Row << ',' << c.Col;
    EXPECT_EQ(value.XF, c.XF) << c.Row << ',' << c.Col;
  }
  EXPECT_EQ(FailureOf([&] { cells.GetValue(0, 256); }), "Invalid Column (256)");
  EXPECT_EQ(FailureOf([&] { cells.GetValue(65536, 0); }), "Invalid Row (65536)");
  EXPECT_EQ(FailureOf([&] { cells.GetValue(-1, 0); }), "Invalid Row (-1)");
}

TEST(CellStore, ALaterRecordForACellOverridesAnEarlierOne) {
  const auto workbook = LoadOneSheet([](TBiffStream& s) {
    s.Blank(0, 1, 15).Number(0, 0, 15, 1).Label(0, 1, 16, u"later");
  });
  const TXlsCellValue value = Sheet(workbook).Cells().FCellList.GetValue(0, 1);
  EXPECT_EQ(value.Value, TCellVariant(u"later"));
  EXPECT_EQ(value.XF, 16);
}

TEST(CellStore, RowRecords) {
  const auto workbook = LoadOneSheet([](TBiffStream& s) {
    s.Row(0, 400, 0x0160 | 0x0080, 21);  // hidden, height set by hand, formatted
    s.Row(0, 500);                       // a second record for row 0: the first counts
    s.Row(20, 300, 0x0100);
    for (uint16_t r = 0; r <= 10; ++r) s.Number(r, 0, 15, r);
  });
  const TWorkSheet& sheet = Sheet(workbook);
  const TCells& cells = sheet.Cells();
  // 21 row positions are not fewer than 11 cell rows: no standard records.
  EXPECT_EQ(cells.FRowList.Count(), 21u);
  EXPECT_EQ(cells.FCellList.Count(), 11u);
  EXPECT_FALSE(cells.FRowList.HasRow(5));
  EXPECT_EQ(sheet.GetRowHeight(0), 400);
  EXPECT_EQ(sheet.GetRowHeight(0, true), 0);
  EXPECT_TRUE(sheet.GetRowHidden(0));
  EXPECT_FALSE(sheet.IsAutoRowHeight(0));
  EXPECT_EQ(sheet.GetRowFormat(0), 21);
  EXPECT_EQ(sheet.GetRowFormat(20), -1);  // not formatted
  EXPECT_EQ(sheet.GetRowHeight(20, true), 300);
  // A row without a ROW record.
  EXPECT_EQ(sheet.GetRowHeight(5), 255);
  EXPECT_FALSE(sheet.GetRowHidden(5));
  EXPECT_TRUE(sheet.IsAutoRowHeight(5));
  EXPECT_EQ(sheet.GetRowFormat(5), -1);
  EXPECT_EQ(sheet.GetRowHeight(-1), 255);
}

TEST(WorkSheet, DefaultSizes) {
  const struct {
    const char* Label;
    TBody Body;
    int32_t ColWidth;
    int32_t RowHeight;
  } cases[] = {
      {"no record", [](TBiffStream&) {}, 2930, 255},
      {"DEFCOLWIDTH 8, STANDARDWIDTH", [](TBiffStream& s) { s.DefColWidth(8).StandardWidth(2340); },
       2340, 255},
      {"STANDARDWIDTH, DEFCOLWIDTH 8", [](TBiffStream& s) { s.StandardWidth(2340).DefColWidth(8); },
       2340, 255},
      {"DEFCOLWIDTH 10, STANDARDWIDTH", [](TBiffStream& s) { s.DefColWidth(10).StandardWidth(2340); },
       2930, 255},
      {"STANDARDWIDTH, DEFCOLWIDTH 10", [](TBiffStream& s) { s.StandardWidth(2340).DefColWidth(10); },
       2930, 255},
      {"DEFCOLWIDTH 12", [](TBiffStream& s) { s.DefColWidth(12); }, 12 * 293, 255},
      {"DEFAULTROWHEIGHT", [](TBiffStream& s) { s.DefaultRowHeight(300); }, 2930, 300},
  };
  for (const auto& c : cases) {
    const auto workbook = LoadOneSheet(c.Body);
    EXPECT_EQ(Sheet(workbook).FDefColWidth, c.ColWidth) << c.Label;
    EXPECT_EQ(Sheet(workbook).FDefRowHeight, c.RowHeight) << c.Label;
    EXPECT_EQ(Sheet(workbook).GetColWidth(40), c.ColWidth) << c.Label;
    EXPECT_EQ(Sheet(workbook).GetRowHeight(40), c.RowHeight) << c.Label;
  }
}

TEST(WorkSheet, ColumnSettingsPerColumn) {
  const auto workbook = LoadOneSheet([](TBiffStream& s) {
    s.ColInfo(2, 4, 3000, 17, 0x0001);
    s.ColInfo(4, 5, 1000, 18);     // column 4 again: the later record counts
    s.ColInfo(9, 8, 5000);         // last column below the first: nothing
    s.ColInfo(250, 0xFFFF, 4000);  // columns beyond the sheet are not kept
  });
  const TWorkSheet& sheet = Sheet(workbook);
  EXPECT_EQ(sheet.GetColWidth(3), 3000);
  EXPECT_EQ(sheet.GetColWidth(3, true), 0);
  EXPECT_TRUE(sheet.GetColHidden(3));
  EXPECT_EQ(sheet.GetColFormat(3), 17);
  EXPECT_EQ(sheet.GetColWidth(4, true), 1000);
  EXPECT_EQ(sheet.GetColFormat(5), 18);
  EXPECT_EQ(sheet.GetColWidth(6), 2930);
  EXPECT_FALSE(sheet.GetColHidden(6));
  EXPECT_EQ(sheet.GetColFormat(6), -1);
  EXPECT_EQ(sheet.GetColWidth(8), 2930);
  EXPECT_EQ(sheet.GetColWidth(255), 4000);
  EXPECT_EQ(sheet.Columns().Count(), 4u + 6u);
}

TEST(WorkSheet, MergedRanges) {
  const auto workbook = LoadOneSheet([](TBiffStream& s) {
    s.MergedCells({{0, 1, 0, 1}, {4, 6, 2, 3}});
    s.Record(0x01B0, TByteWriter().U16(0).U16(0).Fill(8).U16(0).Take());  // CONDFMT between
    s.MergedCells({{10, 10, 0, 4}, {12, 13, 1, 1}, {20, 21, 5, 6}});
  });
  const TWorkSheet& sheet = Sheet(workbook);
  EXPECT_EQ(sheet.CellMergedBounds(5, 3), (TXlsCellRange{2, 4, 3, 6}));
  EXPECT_EQ(sheet.CellMergedBounds(13, 1), (TXlsCellRange{1, 12, 1, 13}));
  EXPECT_EQ(sheet.CellMergedBounds(7, 7), (TXlsCellRange{7, 7, 7, 7}));
  EXPECT_EQ(sheet.CellMergedListCount(), 5);
  EXPECT_EQ(sheet.CellMergedList(2), (TXlsCellRange{0, 10, 4, 10}));
  EXPECT_EQ(sheet.CellMergedList(4), (TXlsCellRange{5, 20, 6, 21}));
  EXPECT_EQ(sheet.CellMergedList(5), TXlsCellRange{});
  EXPECT_EQ(sheet.CellMergedList(-1), TXlsCellRange{});
  EXPECT_EQ(sheet.Ranges().size(), 3u);
}

TEST(WorkSheet, MergedRangesRunningOnIntoContinueRecords) {
  const Bytes data = TByteWriter().U16(2).U16(1).U16(2).U16(3).U16(4).U16(5).U16(6).U16(7).U16(8).Take();
  const auto workbook = LoadOneSheet([&](TBiffStream& s) {
    s.RecordWithContinues(0x00E5, {Bytes(data.begin(), data.begin() + 7), Bytes(data.begin() + 7, data.end())});
  });
  EXPECT_EQ(Sheet(workbook).CellMergedList(1), (TXlsCellRange{7, 5, 8, 6}));
  EXPECT_EQ(SheetFailure([](TBiffStream& s) { s.Record(0x00E5, TByteWriter().U16(2).Fill(8).Take()); }),
            "Error reading record");
}

TEST(WorkSheet, RememberedRecordsAndTheirDefaults) {
  const auto plain = LoadOneSheet([](TBiffStream&) {});
  const TWorkSheet& p = Sheet(plain);
  EXPECT_TRUE(p.ShowGridLines());
  EXPECT_TRUE(p.ShowGridHeaders());
  EXPECT_TRUE(p.PrintGridLines());
  EXPECT_FALSE(p.Selected());
  EXPECT_EQ(p.SheetZoom(), 100);
  EXPECT_EQ(p.PageHeader(), u"");
  EXPECT_FALSE(p.IsR1C1());
  EXPECT_EQ(p.Margins(), (TXlsMargins{0.7480314960629921, 0.984251968503937, 0.7480314960629921,
                                      0.984251968503937, 0, 0}));

  const Bytes setup = TByteWriter().U16(9).U16(85).U16(1).U16(2).U16(3).U16(0x0002).U16(600)
                          .U16(600).F64(0.3).F64(0.4).U16(2).Take();
  const auto set = LoadOneSheet([&](TBiffStream& s) {
    s.Record(0x0014, testing::XlString(u"&CContacts"));
    s.Record(0x0015, {});                    // FOOTER without data
    s.Record(0x002B, {0, 0});                // grid lines not printed
    s.Record(0x000F, {0, 0});                // R1C1
    s.Record(0x0026, TByteWriter().F64(1.25).Take());
    s.Record(0x0029, TByteWriter().F64(2.5).Take());
    s.Record(0x00A1, setup);
    s.Window2(0x0200 | 0x0004);              // selected, headers, no grid lines
    s.Scl(1, 2).Scl(3, 2);                   // the later one counts
  });
  const TWorkSheet& q = Sheet(set);
  EXPECT_EQ(q.PageHeader(), u"&CContacts");
  EXPECT_EQ(q.PageFooter(), u"");
  EXPECT_FALSE(q.PrintGridLines());
  EXPECT_TRUE(q.IsR1C1());
  EXPECT_EQ(q.Margins(), (TXlsMargins{1.25, 0.984251968503937, 0.7480314960629921, 2.5, 0.3, 0.4}));
  EXPECT_TRUE(q.Selected());
  EXPECT_FALSE(q.ShowGridLines());
  EXPECT_TRUE(q.ShowGridHeaders());
  EXPECT_EQ(q.SheetZoom(), 150);
  ASSERT_NE(q.Setup(), nullptr);
  EXPECT_EQ(q.Setup()->PaperSize(), 9);
  EXPECT_EQ(q.Setup()->Scale(), 85);
  EXPECT_EQ(q.Setup()->Copies(), 2);
  // Records before WINDOW2 and from WINDOW2 on are kept apart.
  EXPECT_EQ(q.MiscRecords2().GetItems(0).Id(), 0x023E);
  EXPECT_EQ(q.MiscRecords1().GetItems(0).Id(), 0x0014);
}

TEST(SetupRecord, NoPrinterSettingsReadAsDefaults) {
  const auto setup = MakeRecord<TSetupRecord>(
      0x00A1, TByteWriter().U16(9).U16(85).U16(1).U16(2).U16(3).U16(0x0004).U16(600).U16(300)
                  .F64(0.3).F64(0.4).U16(2).Take());
  EXPECT_EQ(setup->PaperSize(), 0);
  EXPECT_EQ(setup->Scale(), 100);
  EXPECT_EQ(setup->HResolution(), 100);
  EXPECT_EQ(setup->VResolution(), 100);
  EXPECT_EQ(setup->Copies(), 1);
  EXPECT_EQ(setup->FitWidth(), 2);
  EXPECT_EQ(setup->FitHeight(), 3);
}

TEST(SCLRecord, ZoomRoundsHalvesToEven) {
  const struct {
    uint16_t Numerator, Denominator;
    int32_t Zoom;
  } cases[] = {{3, 2, 150}, {1, 3, 33}, {1, 8, 12}, {3, 8, 38}, {5, 8, 62}, {2, 3, 67},
               {3, 4, 75}, {1, 0, 100}, {65535, 1, 6553500}};
  for (const auto& c : cases) {
    const auto scl = MakeRecord<TSCLRecord>(0x00A0, TByteWriter().U16(c.Numerator).U16(c.Denominator).Take());
    EXPECT_EQ(scl->Zoom(), c.Zoom) << c.Numerator << '/' << c.Denominator;
  }
}

TEST(WorkSheet, FrozenPanesAndSplitWindow) {
  const struct {
    const char* Label;
    TBody Body;
    int32_t FrozenRow, FrozenCol, SplitX, SplitY;
  } cases[] = {
      {"no PANE", [](TBiffStream& s) { s.Window2(0x0006); }, 0, 0, 0, 0},
      {"PANE without WINDOW2", [](TBiffStream& s) { s.Pane(2, 3); }, 3, 2, 0, 0},
      {"frozen", [](TBiffStream& s) { s.Window2(0x0008).Pane(1, 4); }, 4, 1, 0, 0},
      {"split", [](TBiffStream& s) { s.Window2(0x0000).Pane(1200, 900); }, 0, 0, 1200, 900},
  };
  for (const auto& c : cases) {
    const auto workbook = LoadOneSheet(c.Body);
    int32_t row = -1, col = -1, x = -1, y = -1;
    Sheet(workbook).GetFrozenPanes(row, col);
    Sheet(workbook).GetSplitWindow(x, y);
    EXPECT_EQ(row, c.FrozenRow) << c.Label;
    EXPECT_EQ(col, c.FrozenCol) << c.Label;
    EXPECT_EQ(x, c.SplitX) << c.Label;
    EXPECT_EQ(y, c.SplitY) << c.Label;
  }
}

TEST(WorkSheet, FormulaRecords) {
  // A shared formula: the SHRFMLA record follows the first formula of its
  // range; the others refer to it with an exp token.
  const Bytes shared = TByteWriter().U16(0).U16(2).U8(1).U8(1).U16(0).U16(3).U8(0x1E).U16(7).Take();
  const Bytes exp = {0x01, 0, 0, 1, 0};
  const auto workbook = LoadOneSheet([&](TBiffStream& s) {
    s.FormulaText(0, 0, 15, u"Hello");
    s.Formula(0, 1, 15, 7, exp).Record(0x04BC, shared);
    s.Formula(1, 1, 15, 7, exp);
    s.Formula(2, 1, 15, 7, {0x01, 9, 0, 9, 0});  // no SHRFMLA with that key
    s.Formula(3, 0, 15, 0).Record(0x0221, Bytes(14, 0));
  });
  const TCellList& cells = Sheet(workbook).Cells().FCellList;
  EXPECT_EQ(cells.GetValue(0, 0).Value, TCellVariant(u"Hello"));
  EXPECT_TRUE(cells.GetValue(0, 0).IsFormula);
  const auto tokens = [&](int row, int col) {
    const TBaseRecord& record = cells.GetItems(row).GetItems(0).Column() == col
                                    ? cells.GetItems(row).GetItems(0)
                                    : cells.GetItems(row).GetItems(1);
    return Bytes(record.Data().begin() + 20, record.Data().end());
  };
  const Bytes mixed = {3, 0, 0x1E, 7, 0};
  EXPECT_EQ(tokens(1, 1), mixed);
  EXPECT_EQ(tokens(2, 1), (Bytes{5, 0, 0x01, 9, 0, 9, 0}));
  const auto& array = dynamic_cast<const TFormulaRecord&>(cells.GetItems(3).GetItems(0));
  EXPECT_NE(array.ArrayRecord(), nullptr);
}

TEST(WorkSheet, FormulaRecordsWithoutAFormula) {
  const struct {
    const char* Label;
    TBody Body;
  } cases[] = {
      {"STRING", [](TBiffStream& s) { s.Number(0, 0, 15, 1).Record(0x003C, {1}).String(u"x"); }},
      {"ARRAY", [](TBiffStream& s) { s.Number(0, 0, 15, 1).Record(0x003C, {1}).Record(0x0221, Bytes(14, 0)); }},
      {"SHRFMLA", [](TBiffStream& s) { s.Record(0x04BC, Bytes(10, 0)); }},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SheetFailure(c.Body), "Error reading Excel records. File invalid") << c.Label;
  }
}

TEST(WorkSheet, ConditionalFormatsReadTheirRules) {
  const Bytes condFmt = TByteWriter().U16(2).U16(1).U16(0).U16(9).U16(0).U16(3).U16(1)
                            .U16(0).U16(9).U16(0).U16(3).Take();
  const auto workbook = LoadOneSheet([&](TBiffStream& s) {
    s.Record(0x01B0, condFmt).Record(0x01B1, Bytes(12, 0)).Record(0x01B1, Bytes(12, 0));
    s.Number(0, 0, 15, 1);
  });
  const auto* block = dynamic_cast<const TCondFmt*>(Sheet(workbook).Ranges().at(0).get());
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->Rules().Count(), 2u);
  EXPECT_EQ(block->Ranges(), (std::vector<TXlsCellRange>{{0, 0, 3, 9}}));
  EXPECT_EQ(Sheet(workbook).Cells().FCellList.Count(), 1u);

  EXPECT_EQ(SheetFailure([&](TBiffStream& s) {
              s.Record(0x01B0, condFmt).Record(0x01B1, Bytes(12, 0)).Number(0, 0, 15, 1);
            }),
            "Invalid conditional format record");
}

TEST(WorkSheet, NotesHyperlinksPageBreaksAndDimensions) {
  const auto workbook = LoadOneSheet([](TBiffStream& s) {
    s.Record(0x0200, TByteWriter().U32(1).U32(9).U16(2).U16(7).U16(0).Take());
    s.Record(0x001C, TByteWriter().U16(3).U16(1).U16(0).U16(1).Take());
    s.Record(0x001C, TByteWriter().U16(3).U16(4).U16(0).U16(2).Take());
    s.Record(0x001C, TByteWriter().U16(8).U16(0).U16(0).U16(3).Take());
    s.Record(0x01B8, Bytes(32, 0)).Record(0x0800, Bytes(10, 0));
    s.Record(0x001B, TByteWriter().U16(1).U16(5).U16(0).U16(255).Take());
    s.Record(0x00D7, Bytes(4, 0));  // DBCELL: ignored, released
  });
  const TWorkSheet& sheet = Sheet(workbook);
  EXPECT_EQ(sheet.OriginalDimensions(), (TDimensionsRec{1, 9, 2, 7, 0}));
  ASSERT_EQ(sheet.Notes().size(), 2u);
  EXPECT_EQ(sheet.Notes().at(3).Count(), 2u);
  EXPECT_EQ(sheet.Notes().at(8).Count(), 1u);
  ASSERT_EQ(sheet.HLinks().Count(), 1u);
  EXPECT_NE(dynamic_cast<const THLinkRecord&>(sheet.HLinks().GetItems(0)).Hint(), nullptr);
  EXPECT_EQ(sheet.HPageBreaks().Count(), 1u);
  EXPECT_EQ(sheet.MiscRecords1().Count(), 0u);
  EXPECT_EQ(sheet.Cells().FCellList.Count(), 0u);
}

TEST(WorkSheet, ABofInsideTheSheetFails) {
  EXPECT_EQ(SheetFailure([](TBiffStream& s) { s.Bof(testing::kBofWorksheet); }),
            "Error reading Excel records. File invalid");
}

TEST(WorkSheet, CodeNameOfTheSheet) {
  const auto workbook = LoadOneSheet([](TBiffStream& s) {
    s.Record(0x01BA, testing::XlString(u"Sheet1Old")).Record(0x01BA, testing::XlString(u"Feuil1"));
  });
  EXPECT_EQ(Sheet(workbook).CodeName(), u"Feuil1");
}

}  // namespace
}  // namespace tabulon
