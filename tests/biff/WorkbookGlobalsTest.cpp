// Loading the globals substream and the lookups it answers.
#include <gtest/gtest.h>

#include "XlsAdapter/biff/WorkbookGlobals.h"
#include "tests/biff/WorkbookTestUtil.h"

namespace tabulon {
namespace {

using testing::Bytes;
using testing::kBofGlobals;
using testing::kBofWorksheet;
using testing::TBiffStream;
using testing::TByteWriter;

// A workbook of globals only, whose records `body` writes.
std::unique_ptr<TWorkbook> LoadGlobals(const std::function<void(TBiffStream&)>& body) {
  TBiffStream stream;
  stream.Bof(kBofGlobals);
  body(stream);
  stream.Eof();
  return LoadWorkbook(stream.Data());
}

std::string GlobalsFailure(const std::function<void(TBiffStream&)>& body) {
  return FailureOf([&] { LoadGlobals(body); });
}

TEST(WorkbookGlobals, DefaultsWithoutTheirRecords) {
  const auto workbook = LoadGlobals([](TBiffStream& s) { s.BoundSheet(u"Sheet1"); });
  const TWorkbookGlobals& globals = workbook->Globals();
  EXPECT_EQ(globals.ActiveSheet(), 0);
  EXPECT_EQ(workbook->GetActiveSheet(), 0);
  EXPECT_FALSE(globals.Is1904());
  EXPECT_FALSE(globals.PrecisionAsDisplayed());
  EXPECT_FALSE(globals.SaveExternalLinkValues());
  EXPECT_FALSE(globals.HasMacro());
  EXPECT_FALSE(globals.IsXltTemplate());
  EXPECT_EQ(globals.CodeName(), u"");
  EXPECT_EQ(globals.GetFormatList(0), TZylFormat{});
}

TEST(WorkbookGlobals, SettingsFromTheirRecords) {
  const auto workbook = LoadGlobals([](TBiffStream& s) {
    s.BoundSheet(u"A").BoundSheet(u"B", 0x0001).BoundSheet(u"C", 0x0002).BoundSheet(u"D", 0x0203);
    s.Window1(2).DateMode(true);
    s.Record(0x000E, {0, 0});                               // PRECISION: as displayed
    s.Record(0x00DA, {0, 0});                               // BOOKBOOL: save link values
    s.Record(0x00D3, {});                                   // OBPROJ
    s.Record(0x0060, {});                                   // TEMPLATE
    s.Record(0x01BA, testing::XlString(u"ThisWorkbook"));  // CODENAME
  });
  const TWorkbookGlobals& globals = workbook->Globals();
  EXPECT_EQ(globals.SheetCount(), 4);
  EXPECT_EQ(globals.SheetName(3), u"D");
  EXPECT_EQ(globals.SheetVisible(1), sv_Hidden);
  EXPECT_EQ(globals.SheetVisible(2), sv_VeryHidden);
  EXPECT_EQ(globals.SheetVisible(3), sv_Visible);
  EXPECT_EQ(globals.SheetOptionFlags(3), 0x0203);
  EXPECT_EQ(globals.ActiveSheet(), 2);
  EXPECT_TRUE(globals.Is1904());
  EXPECT_TRUE(globals.PrecisionAsDisplayed());
  EXPECT_TRUE(globals.SaveExternalLinkValues());
  EXPECT_TRUE(globals.HasMacro());
  EXPECT_TRUE(globals.IsXltTemplate());
  EXPECT_EQ(globals.CodeName(), u"ThisWorkbook");
}

TEST(WorkbookGlobals, RefusalsWithTheirMessages) {
  const struct {
    const char* Label;
    std::function<void(TBiffStream&)> Body;
    const char* Message;
  } cases[] = {
      {"a BOF inside the globals", [](TBiffStream& s) { s.Bof(kBofWorksheet); },
       "Error reading Excel records. File invalid"},
      {"EXTERNNAME before any SUPBOOK", [](TBiffStream& s) { s.Record(0x0023, Bytes(6, 0)); },
       "Error reading Excel records. File invalid"},
      {"a repeated sheet name",
       [](TBiffStream& s) { s.BoundSheet(u"Data").BoundSheet(u"DATA").BoundSheet(u"Data"); },
       "Sheet name already exists: Data"},
      {"a short XF", [](TBiffStream& s) { s.Record(0x00E0, Bytes(19, 0)); },
       "Record with ID 0xe0 is invalid"},
  };
  for (const auto& c : cases) EXPECT_EQ(GlobalsFailure(c.Body), c.Message) << c.Label;
}

TEST(WorkbookGlobals, FormatsOfXFIndexes) {
  const auto workbook = LoadGlobals([](TBiffStream& s) {
    for (int i = 0; i < 6; ++i) {
      s.Font({.Weight = static_cast<uint16_t>(i == 5 ? 700 : 400),
              .Name = u"F" + std::u16string(1, static_cast<char16_t>(u'0' + i))});
    }
    s.Format(164, u"0.0\" kg\"");
    s.Xf({.Font = 0, .Format = 0});
    s.Xf({.Font = 6, .Format = 164});
    s.Xf({.Font = 4, .Format = 3});
  });
  const TWorkbookGlobals& globals = workbook->Globals();
  EXPECT_EQ(globals.XF().Count(), 3u);
  EXPECT_EQ(globals.Fonts().Count(), 6u);
  const TZylFormat kg = globals.GetFormatList(1);
  EXPECT_EQ(kg.Format, u"0.0\" kg\"");
  EXPECT_EQ(kg.Font.Name, u"F5");
  EXPECT_TRUE(kg.Font.Style.Contains(flsBold));
  EXPECT_EQ(globals.GetFormatList(2).Format, u"#,##0");
  EXPECT_EQ(globals.GetFormatList(2).Font.Name, u"F3");
  // Indexes outside the XF list are taken as 0.
  EXPECT_EQ(globals.GetFormatList(-1), globals.GetFormatList(0));
  EXPECT_EQ(globals.GetFormatList(3), globals.GetFormatList(0));
}

TEST(WorkbookGlobals, PaletteWithAndWithoutPaletteRecord) {
  const auto plain = LoadGlobals([](TBiffStream&) {});
  EXPECT_EQ(plain->Globals().ColorPalette(0), 0x000000u);
  EXPECT_EQ(plain->Globals().ColorPalette(2), 0x0000FFu);  // red in the low byte
  EXPECT_EQ(plain->Globals().ColorPalette(17), 0x663399u);
  EXPECT_EQ(plain->Globals().ColorPalette(55), 0x333333u);
  EXPECT_EQ(FailureOf([&] { plain->Globals().ColorPalette(56); }),
            "The index \"56\" of the property \"Palette index\" is not in the range 0-55");
  EXPECT_EQ(FailureOf([&] { plain->Globals().ColorPalette(-1); }),
            "The index \"-1\" of the property \"Palette index\" is not in the range 0-55");

  std::vector<uint32_t> colors(56, 0x112233);
  colors[3] = 0x00ABCDEF;
  const auto custom = LoadGlobals([&](TBiffStream& s) {
    s.Palette({1, 2}).Palette(colors);  // the last PALETTE record counts
  });
  EXPECT_EQ(custom->Globals().ColorPalette(3), 0x00ABCDEFu);
  EXPECT_EQ(FailureOf([&] { custom->Globals().ColorPalette(56); }),
            "The index \"56\" of the property \"Palette Color Index\" is not in the range 0-55");
}

TEST(WorkbookGlobals, ListPlaceholdersAndThePalettePosition) {
  const auto workbook = LoadGlobals([](TBiffStream& s) {
    s.Record(0x0042, {0xB0, 0x04});  // CODEPAGE
    s.Font({}).Font({});
    s.Format(164, u"0");
    s.Xf({}).Xf({});
    s.Record(0x0293, Bytes(4, 0));  // STYLE
    s.Record(0x00FF, Bytes(10, 0));  // EXTSST: ignored, freed
  });
  const TBaseRecordList& misc = workbook->Globals().MiscRecords();
  // CODEPAGE, the font list, the format list, the XF list, STYLE.
  ASSERT_EQ(misc.Count(), 5u);
  EXPECT_EQ(misc.GetItems(0).Id(), 0x0042);
  EXPECT_EQ(dynamic_cast<const TSubListRecord&>(misc.GetItems(1)).Kind, TSubListRecord::slFont);
  EXPECT_EQ(dynamic_cast<const TSubListRecord&>(misc.GetItems(2)).Kind, TSubListRecord::slFormat);
  EXPECT_EQ(dynamic_cast<const TSubListRecord&>(misc.GetItems(3)).Kind, TSubListRecord::slXF);
  EXPECT_EQ(misc.GetItems(4).Id(), 0x0293);
  EXPECT_EQ(workbook->Globals().PaletteIndex(), 4u);
}

TEST(WorkbookGlobals, SharedStringsNamesAndReferences) {
  const auto workbook = LoadGlobals([](TBiffStream& s) {
    s.BoundSheet(u"Contacts");
    s.Sst({u"Name", u"Phone"});
    s.Record(0x01AE, TByteWriter().U16(1).U16(0x0401).Take());  // SUPBOOK of this workbook
    s.Record(0x0017, TByteWriter().U16(1).U16(0).U16(0).U16(0).Take());
    s.Record(0x0018, TByteWriter().U16(0).U8(0).U8(4).U16(11).U16(0).U16(0).U32(0).U8(0)
                         .Chars8(u"List").U8(0x3B).U16(0).U16(0).U16(9).U16(0).U16(2).Take());
  });
  const TWorkbookGlobals& globals = workbook->Globals();
  EXPECT_EQ(globals.SST().Count(), 2u);
  ASSERT_EQ(globals.Names().Count(), 1u);
  const TNameRecord& name = globals.Names().GetItems(0);
  EXPECT_EQ(name.Name(), u"List");
  EXPECT_EQ(name.GetR2(), 9);
  EXPECT_EQ(name.GetC2(), 2);
  EXPECT_EQ(name.RefersToSheet(globals.References()), 0);
}

TEST(WorkbookGlobals, DrawingGroupKeepsItsRecords) {
  const auto workbook = LoadGlobals([](TBiffStream& s) {
    s.Record(0x00EB, Bytes(20, 1)).Record(0x00EB, Bytes(8, 2)).Record(0x003C, Bytes(4, 3));
    s.BoundSheet(u"After");
  });
  const TDrawingGroup& group = workbook->Globals().DrawingGroup();
  ASSERT_EQ(group.Records().Count(), 2u);
  EXPECT_NE(group.Records().GetItems(1).Continue(), nullptr);
  EXPECT_EQ(workbook->Globals().SheetCount(), 1);
}

}  // namespace
}  // namespace tabulon
