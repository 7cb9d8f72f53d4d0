// The whole-workbook load: substreams by BOF type, the stop rules, chart
// nesting, embedded charts and the refusals between substreams.
#include <gtest/gtest.h>

#include "XlsAdapter/biff/WorkbookFile.h"
#include "platform/MemorySource.h"
#include "tests/biff/WorkbookTestUtil.h"

namespace tabulon {
namespace {

using testing::Bytes;
using testing::kBofChart;
using testing::kBofGlobals;
using testing::kBofMacroSheet;
using testing::kBofWorksheet;
using testing::TBiffStream;

TBiffStream Globals(const std::vector<std::u16string>& sheets) {
  TBiffStream stream;
  stream.Bof(kBofGlobals);
  for (const auto& name : sheets) stream.BoundSheet(name);
  stream.Eof();
  return stream;
}

std::string LoadFailure(const TBiffStream& stream) {
  return FailureOf([&] { LoadWorkbook(stream.Data()); });
}

TEST(WorkbookLoad, SheetsByTheirBofType) {
  TBiffStream s = Globals({u"One", u"Macros", u"Chart", u"Two"});
  s.Bof(kBofWorksheet).Number(0, 0, 15, 1).Eof();
  s.Bof(kBofMacroSheet).Label(0, 0, 15, u"macro").Eof();
  s.Bof(kBofChart).Begin().Record(0x1001, Bytes(4, 0)).End().Eof();
  s.Bof(kBofWorksheet).Number(0, 0, 15, 2).Eof();
  const auto workbook = LoadWorkbook(s.Data());
  ASSERT_EQ(workbook->SheetCount(), 4u);
  EXPECT_TRUE(workbook->IsWorksheet(0));
  EXPECT_FALSE(workbook->IsWorksheet(1));
  EXPECT_FALSE(workbook->IsWorksheet(2));
  EXPECT_TRUE(workbook->IsWorksheet(3));
  EXPECT_FALSE(workbook->IsWorksheet(4));
  EXPECT_NE(dynamic_cast<const TZylUnsupportedSheet*>(&workbook->GetSheet(1)), nullptr);
  const auto& chart = dynamic_cast<const TZylChart&>(workbook->GetSheet(2));
  EXPECT_EQ(chart.ChartRecords().Count(), 3u);
  EXPECT_EQ(workbook->GetWorkSheets(3).Cells().FCellList.GetValue(0, 0).Value, TCellVariant(2.0));
  EXPECT_THROW(workbook->GetWorkSheets(1), std::bad_cast);
  EXPECT_EQ(workbook->GetWorkSheets(0).BOF()->BOFType(), kBofWorksheet);
  EXPECT_NE(workbook->GetWorkSheets(0).EOFRecord(), nullptr);
}

TEST(WorkbookLoad, StopRulesAndTolerances) {
  const struct {
    const char* Label;
    Bytes Stream;
    size_t Sheets;
  } cases[] = {
      {"zero padding after the last EOF",
       testing::Concat({TBiffStream(Globals({u"A"})).Bof(kBofWorksheet).Eof().Data(), Bytes(300, 0)}), 1},
      {"more substreams than BOUNDSHEET records: the rest is not read",
       TBiffStream(Globals({u"A"})).Bof(kBofWorksheet).Eof().Raw({0x55, 0x66, 0x02, 0x00, 1, 2}).Data(), 1},
      {"the stream ends before every declared sheet",
       TBiffStream(Globals({u"A", u"B", u"C"})).Bof(kBofWorksheet).Eof().Data(), 1},
      {"the last EOF is missing",
       TBiffStream(Globals({u"A", u"B"})).Bof(kBofWorksheet).Eof().Bof(kBofWorksheet)
           .Number(0, 0, 15, 1).Data(), 2},
      {"a stray EOF between substreams",
       TBiffStream(Globals({u"A"})).Eof().Eof().Bof(kBofWorksheet).Eof().Data(), 1},
      {"globals without BOUNDSHEET: every substream is read",
       TBiffStream(Globals({})).Bof(kBofWorksheet).Eof().Bof(kBofWorksheet).Eof().Data(), 2},
  };
  for (const auto& c : cases) {
    std::unique_ptr<TWorkbook> workbook;
    EXPECT_EQ(FailureOf([&] { workbook = LoadWorkbook(c.Stream); }), "no failure") << c.Label;
    if (workbook) {
      EXPECT_EQ(workbook->SheetCount(), c.Sheets) << c.Label;
    }
  }
}

TEST(WorkbookLoad, RefusalsWithTheirMessages) {
  const struct {
    const char* Label;
    TBiffStream Stream;
    const char* Message;
  } cases[] = {
      {"a record between substreams", TBiffStream(Globals({u"A"})).Number(0, 0, 15, 1),
       "Error reading Excel records. File invalid"},
      {"a BOF inside a worksheet", TBiffStream(Globals({u"A"})).Bof(kBofWorksheet).Bof(kBofWorksheet),
       "Error reading Excel records. File invalid"},
      {"a BOF inside a chart", TBiffStream(Globals({u"A"})).Bof(kBofChart).Bof(kBofChart),
       "Error reading Excel records. File invalid"},
      {"a BOF inside an unsupported sheet",
       TBiffStream(Globals({u"A"})).Bof(kBofMacroSheet).Bof(kBofWorksheet),
       "Error reading Excel records. File invalid"},
      {"a BIFF5 BOF", TBiffStream().Bof(kBofGlobals, 0x0500),
       "Template file is saved with an invalid Excel version"},
      {"a protected workbook", TBiffStream().Bof(kBofGlobals).Record(0x002F, Bytes(54, 0)),
       "File is password protected"},
  };
  for (const auto& c : cases) EXPECT_EQ(LoadFailure(c.Stream), c.Message) << c.Label;
  EXPECT_EQ(FailureOf([] { LoadWorkbook({0x09, 0x08, 0x10}); }),
            "End of stream reached with 1 bytes left to read");
}

TEST(WorkbookLoad, ChartNestingClosesOnlyTheCurrentLevel) {
  // An END or EOF inside an open BEGIN block closes that block only: the
  // chart goes on to its own EOF.
  TBiffStream s = Globals({u"Chart", u"After"});
  s.Bof(kBofChart).Window2(0x0200);
  s.Begin().Begin().Scl(1, 2).End().Eof();  // EOF at level 1: closes the outer block
  s.Scl(3, 4).Eof();
  s.Bof(kBofWorksheet).Number(0, 0, 15, 1).Eof();
  const auto workbook = LoadWorkbook(s.Data());
  ASSERT_EQ(workbook->SheetCount(), 2u);
  const auto& chart = dynamic_cast<const TZylChart&>(workbook->GetSheet(0));
  // Only records at the outermost level are remembered.
  EXPECT_EQ(chart.SheetZoom(), 75);
  EXPECT_TRUE(chart.Selected());
  EXPECT_TRUE(workbook->IsWorksheet(1));
}

TEST(WorkbookLoad, DeepChartNestingNeedsNoRecursion) {
  TBiffStream s = Globals({u"Chart"});
  s.Bof(kBofChart);
  for (int i = 0; i < 200000; ++i) s.Begin();
  for (int i = 0; i < 200000; ++i) s.End();
  s.Eof();
  const auto workbook = LoadWorkbook(s.Data());
  EXPECT_EQ(dynamic_cast<const TZylChart&>(workbook->GetSheet(0)).ChartRecords().Count(), 400000u);
}

TEST(WorkbookLoad, ChartKeepsTheDataContinuingItsEof) {
  TBiffStream s = Globals({u"Chart"});
  s.Bof(kBofChart).Eof().Record(0x003C, {1, 2, 3});
  const auto workbook = LoadWorkbook(s.Data());
  const auto& chart = dynamic_cast<const TZylChart&>(workbook->GetSheet(0));
  ASSERT_NE(chart.RemainingData(), nullptr);
  EXPECT_EQ(chart.RemainingData()->Data(), (Bytes{1, 2, 3}));
}

TEST(WorkbookLoad, EmbeddedChartFollowsItsDrawingObject) {
  TBiffStream s = Globals({u"Sheet", u"Next"});
  s.Bof(kBofWorksheet).Number(0, 0, 15, 1);
  s.Record(0x00EC, Bytes(16, 0)).Obj(5);  // a chart object
  s.Bof(kBofChart).Begin().Window2(0).End().Eof();
  s.Record(0x00EC, Bytes(8, 0)).Obj(8).Record(0x007F, Bytes(8, 0));  // a picture with IMDATA
  s.Record(0x00EC, Bytes(8, 0)).Record(0x01B6, Bytes(18, 0));
  s.Number(1, 0, 15, 2).Eof();
  s.Bof(kBofWorksheet).Eof();
  const auto workbook = LoadWorkbook(s.Data());
  ASSERT_EQ(workbook->SheetCount(), 2u);
  const TWorkSheet& sheet = workbook->GetWorkSheets(0);
  EXPECT_EQ(sheet.Drawing().Charts().size(), 1u);
  EXPECT_EQ(sheet.Drawing().Records().Count(), 7u);
  EXPECT_EQ(sheet.MiscRecords1().Count(), 0u);
  EXPECT_EQ(sheet.Cells().FCellList.GetValue(1, 0).Value, TCellVariant(2.0));
  EXPECT_EQ(sheet.Window2(), nullptr);  // the chart's WINDOW2 is the chart's own

  TBiffStream noBof = Globals({u"Sheet"});
  noBof.Bof(kBofWorksheet).Record(0x00EC, Bytes(16, 0)).Obj(5).Number(0, 0, 15, 1).Eof();
  EXPECT_EQ(LoadFailure(noBof), "Error reading Excel records. File invalid");
}

TEST(WorkbookLoad, ActiveSheetAndASecondGlobalsSubstream) {
  TBiffStream s;
  s.Bof(kBofGlobals).BoundSheet(u"Old").Window1(1).Eof();
  s.Bof(kBofGlobals).BoundSheet(u"A").BoundSheet(u"B").Window1(1).Sst({u"x"}).Eof();
  s.Bof(kBofWorksheet).LabelSst(0, 0, 15, 0).Eof().Bof(kBofWorksheet).Eof();
  const auto workbook = LoadWorkbook(s.Data());
  EXPECT_EQ(workbook->Globals().SheetCount(), 2);
  EXPECT_EQ(workbook->Globals().SheetName(0), u"A");
  EXPECT_EQ(workbook->GetActiveSheet(), 1);
  EXPECT_EQ(workbook->GetWorkSheets(0).Cells().FCellList.GetValue(0, 0).Value, TCellVariant(u"x"));
}

TEST(WorkbookLoad, SharedStringsAreSortedAfterTheLoad) {
  TBiffStream s;
  s.Bof(kBofGlobals).BoundSheet(u"A").Sst({u"pear", u"fig", u"apple"}).Eof();
  s.Bof(kBofWorksheet).LabelSst(0, 0, 15, 0).LabelSst(0, 1, 15, 2).Eof();
  const auto workbook = LoadWorkbook(s.Data());
  const TSST& sst = workbook->Globals().SST();
  ASSERT_EQ(sst.Count(), 3u);
  EXPECT_EQ(sst.GetString(sst.EntryAt(0)), u"fig");
  EXPECT_EQ(sst.GetString(sst.EntryAt(2)), u"apple");  // same size: byte order
  const TCellList& cells = workbook->GetWorkSheets(0).Cells().FCellList;
  EXPECT_EQ(cells.GetValue(0, 0).Value, TCellVariant(u"pear"));
  EXPECT_EQ(cells.GetValue(0, 1).Value, TCellVariant(u"apple"));
}

TEST(OpenWorkbook, OpensTheWorkbookStreamOfAContainer) {
  TBiffStream s = Globals({u"A"});
  s.Bof(kBofWorksheet).Number(0, 0, 15, 3).Eof();
  const Bytes file = testing::MakeWorkbookFile(s.Data());
  TMemorySource source(file);
  const auto workbook = OpenWorkbook(source);
  EXPECT_EQ(workbook->GetWorkSheets(0).Cells().FCellList.GetValue(0, 0).Value, TCellVariant(3.0));

  testing::TCompoundBuilder builder;
  builder.AddStream(u"Book", s.Data());  // a BIFF5 file's stream name
  const Bytes biff5 = builder.Build().Data;
  TMemorySource biff5Source(biff5);
  EXPECT_EQ(FailureOf([&] { OpenWorkbook(biff5Source); }), "The file \"\" is invalid");
  const Bytes text(600, 'x');
  TMemorySource textSource(text);
  EXPECT_EQ(FailureOf([&] { OpenWorkbook(textSource); }), "The file \"\" is invalid");
}

}  // namespace
}  // namespace tabulon
