// The records of the workbook globals read on their own: XF, FONT, FORMAT,
// BOUNDSHEET, NAME and the reference table.
#include <gtest/gtest.h>

#include "XlsAdapter/biff/BoundSheet.h"
#include "XlsAdapter/biff/FontRecord.h"
#include "XlsAdapter/biff/FormatRecord.h"
#include "XlsAdapter/biff/NameRecord.h"
#include "XlsAdapter/biff/References.h"
#include "XlsAdapter/biff/XFRecord.h"
#include "platform/LocaleSettings.h"
#include "tests/biff/WorkbookTestUtil.h"

namespace tabulon {
namespace {

using testing::Bytes;
using testing::TByteWriter;
using testing::TFontFields;
using testing::TXfFields;

TEST(GlobalsRecords, RecordsShorterThanTheirLayoutAreRefused) {
  const struct {
    uint16_t Id;
    size_t Size;
    const char* Message;
  } cases[] = {
      {0x00E0, 19, "Record with ID 0xe0 is invalid"},    // XF
      {0x0031, 15, "Record with ID 0x31 is invalid"},    // FONT
      {0x003D, 11, "Record with ID 0x3d is invalid"},    // WINDOW1
      {0x0092, 1, "Record with ID 0x92 is invalid"},     // PALETTE without a count
      {0x041E, 4, "Record with ID 0x41e is invalid"},    // FORMAT
      {0x0085, 7, "Record with ID 0x85 is invalid"},     // BOUNDSHEET
      {0x0018, 14, "Record with ID 0x18 is invalid"},    // NAME
      {0x01AE, 3, "Record with ID 0x1ae is invalid"},    // SUPBOOK
      {0x0022, 1, "Record with ID 0x22 is invalid"},     // DATEMODE
      {0x0208, 15, "Record with ID 0x208 is invalid"},   // ROW
      {0x007D, 9, "Record with ID 0x7d is invalid"},     // COLINFO
      {0x0200, 13, "Record with ID 0x200 is invalid"},   // DIMENSIONS
      {0x0225, 3, "Record with ID 0x225 is invalid"},    // DEFAULTROWHEIGHT
      {0x00A0, 3, "Record with ID 0xa0 is invalid"},     // SCL
      {0x00A1, 33, "Record with ID 0xa1 is invalid"},    // SETUP
      {0x0026, 7, "Record with ID 0x26 is invalid"},     // LEFTMARGIN
      {0x01B0, 13, "Record with ID 0x1b0 is invalid"},   // CONDFMT
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FailureOf([&] { CreateRecord(c.Id, Bytes(c.Size, 0)); }), c.Message) << c.Id;
    EXPECT_EQ(FailureOf([&] { CreateRecord(c.Id, Bytes(c.Size + 1, 0)); }), "no failure") << c.Id;
  }
}

TEST(GlobalsRecords, PaletteShorterThanItsCountIsRefused) {
  const Bytes three = TByteWriter().U16(3).U32(1).U32(2).Take();
  EXPECT_EQ(FailureOf([&] { CreateRecord(0x0092, three); }), "Record with ID 0x92 is invalid");
  const auto palette = MakeRecord<TPaletteRecord>(0x0092, TByteWriter().U16(2).U32(0x0000FF)
                                                              .U32(0xABCDEF).Take());
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(palette->Count(), 2);
  EXPECT_EQ(palette->GetColor(1), 0xABCDEFu);
}

TFontRecordList Fonts(size_t count) {
  TFontRecordList fonts;
  for (size_t i = 0; i < count; ++i) {
    const std::u16string name = u"Font" + std::u16string(1, static_cast<char16_t>(u'0' + i));
    fonts.Add(MakeRecord<TFontRecord>(0x0031, testing::FontData({.Name = name})));
  }
  return fonts;
}

std::unique_ptr<TXFRecord> Xf(const TXfFields& fields) {
  return MakeRecord<TXFRecord>(0x00E0, testing::XfData(fields));
}

TEST(XFRecord, FontIndexSkipsTheMissingFontFour) {
  const TFontRecordList fonts = Fonts(6);
  const TFormatRecordList formats;
  const struct {
    uint16_t FontIndex;
    int32_t Position;
  } cases[] = {{0, 0}, {3, 3}, {4, 3}, {5, 4}, {6, 5}, {7, 0}, {200, 0}};
  for (const auto& c : cases) {
    const auto xf = Xf({.Font = c.FontIndex});
    EXPECT_EQ(xf->GetActualFontIndex(fonts), c.Position) << c.FontIndex;
    EXPECT_EQ(xf->ZylFormat(fonts, formats).Font.Name,
              u"Font" + std::u16string(1, static_cast<char16_t>(u'0' + c.Position)))
        << c.FontIndex;
  }
}

TEST(XFRecord, WithoutFontsTheFontIsEmpty) {
  const TFontRecordList fonts;
  const TFormatRecordList formats;
  EXPECT_EQ(Xf({.Font = 2})->ZylFormat(fonts, formats).Font, TZylFont{});
}

TEST(FontRecord, StylesUnderlinesAndColour) {
  const struct {
    TFontFields Fields;
    TZylFontStyles Style;
    TZylUnderline Underline;
  } cases[] = {
      {{.Weight = 700}, {flsBold}, fu_None},
      {{.Weight = 800}, {}, fu_None},
      {{.Attributes = 0x02}, {flsItalic}, fu_None},
      {{.Attributes = 0x08}, {flsStrikeOut}, fu_None},
      {{.Escapement = 1}, {flsSuperscript}, fu_None},
      {{.Escapement = 2}, {flsSubscript}, fu_None},
      {{.Underline = 0x01}, {}, fu_Single},
      {{.Underline = 0x02}, {}, fu_Double},
      {{.Underline = 0x21}, {}, fu_SingleAccounting},
      {{.Underline = 0x22}, {}, fu_DoubleAccounting},
      {{.Underline = 0x03}, {}, fu_None},
  };
  for (const auto& c : cases) {
    const TZylFont font = MakeRecord<TFontRecord>(0x0031, testing::FontData(c.Fields))->ZylFont();
    EXPECT_EQ(font.Style, c.Style) << c.Fields.Weight << ' ' << c.Fields.Attributes;
    EXPECT_EQ(font.Underline, c.Underline) << int{c.Fields.Underline};
  }
  const TZylFont font = MakeRecord<TFontRecord>(
      0x0031, testing::FontData({.Height = 240, .ColorIndex = 10, .Family = 2, .CharSet = 161,
                                 .Name = u"Times \u0398"}))->ZylFont();
  EXPECT_EQ(font.Name, u"Times \u0398");
  EXPECT_EQ(font.Size20, 240);
  EXPECT_EQ(font.ColorIndex, 3);
  EXPECT_EQ(font.Family, 2);
  EXPECT_EQ(font.CharSet, 161);
}

TEST(FontRecord, NameRunningPastTheRecordFailsWhenRead) {
  Bytes data = testing::FontData({.Name = u"Arial"});
  data.resize(data.size() - 2);
  const auto font = MakeRecord<TFontRecord>(0x0031, data);
  EXPECT_EQ(FailureOf([&] { font->Name(); }), "Error reading record");
}

TEST(XFRecord, ZylFormatDecodesEveryField) {
  const TFontRecordList fonts = Fonts(1);
  TFormatRecordList formats;
  formats.Add(MakeRecord<TFormatRecord>(0x041E, TByteWriter().U16(164).Raw(testing::XlString(u"0.000")).Take()));
  const auto xf = Xf({.Font = 0, .Format = 164, .Protection = 0x0123, .Alignment = 0x2B,
                      .Rotation = 45, .Indent = 0x13, .BorderStyles = {1, 2, 5, 13},
                      .BorderColors = {3, 8, 9, 64, 20}, .Diagonal = 3, .DiagonalStyle = 7,
                      .Pattern = 1, .PatternFg = 64, .PatternBg = 65});
  const TZylFormat f = xf->ZylFormat(fonts, formats);
  EXPECT_EQ(f.Format, u"0.000");
  EXPECT_EQ(f.Borders.Left, (TZylOneBorder{fbs_Thin, 1}));  // stored 3: 0-7 report 1
  EXPECT_EQ(f.Borders.Right, (TZylOneBorder{fbs_Medium, 1}));
  EXPECT_EQ(f.Borders.Top, (TZylOneBorder{fbs_Thick, 2}));
  EXPECT_EQ(f.Borders.Bottom, (TZylOneBorder{fbs_Slanted_dash_dot, 57}));
  EXPECT_EQ(f.Borders.Diagonal, (TZylOneBorder{fbs_Hair, 13}));
  EXPECT_EQ(f.Borders.DiagonalStyle, fdb_Both);
  EXPECT_EQ(f.FillPattern, (TZylFillPattern{2, 57, 58}));
  EXPECT_EQ(f.HAlignment, fha_right);
  EXPECT_TRUE(f.WrapText);
  EXPECT_EQ(f.VAlignment, fva_bottom);
  EXPECT_EQ(f.Rotation, 45);
  EXPECT_EQ(f.Indent, 3);
  EXPECT_TRUE(f.ShrinkToFit);
  EXPECT_TRUE(f.Locked);
  EXPECT_TRUE(f.Hidden);
  EXPECT_EQ(f.Parent, 0x0120);

  const TZylFormat low = Xf({.PatternFg = 0, .PatternBg = 3})->ZylFormat(fonts, formats);
  EXPECT_EQ(low.FillPattern, (TZylFillPattern{1, -7, -4}));  // no lower limit
}

TEST(XFRecordList, UsedColorsOfBordersFillsAndFonts) {
  TFontRecordList fonts;
  fonts.Add(MakeRecord<TFontRecord>(0x0031, testing::FontData({.ColorIndex = 12})));
  TXFRecordList xfs;
  // A thin left border of colour 10 (position 3); a bottom colour without a
  // border style does not count.
  xfs.Add(Xf({.BorderStyles = {1, 0, 0, 0}, .BorderColors = {10, 0, 0, 30, 0}}));
  // Pattern 1 (solid): its foreground counts, its background does not.
  xfs.Add(Xf({.Pattern = 1, .PatternFg = 20, .PatternBg = 21}));
  // Any other pattern counts both.
  xfs.Add(Xf({.Pattern = 3, .PatternFg = 22, .PatternBg = 23}));
  const std::vector<bool> used = xfs.GetUsedColors(56, fonts);
  ASSERT_EQ(used.size(), 56u);
  std::vector<int> positions;
  for (size_t i = 0; i < used.size(); ++i) {
    if (used[i]) positions.push_back(static_cast<int>(i) + 1);
  }
  // Font colour 12 is position 5; positions beyond the array are ignored.
  EXPECT_EQ(positions, (std::vector<int>{3, 5, 13, 15, 16}));
  EXPECT_EQ(xfs.GetUsedColors(4, fonts), (std::vector<bool>{false, false, true, false}));
}

std::unique_ptr<TFormatRecord> Format(uint16_t id, std::u16string_view text) {
  return MakeRecord<TFormatRecord>(0x041E, TByteWriter().U16(id).Raw(testing::XlString(text)).Take());
}

TEST(FormatRecordList, FormatStringsById) {
  TFormatRecordList formats;
  formats.Add(Format(170, u"first"));
  formats.Add(Format(14, u"yyyy-mm-dd"));
  formats.Add(Format(170, u"second"));
  formats.Add(Format(3, u"#,##0 \"pcs\""));
  const struct {
    uint16_t Id;
    std::u16string Format;
  } cases[] = {
      {14, u"yyyy-mm-dd"},      // a FORMAT record overrides the built-in format
      {3, u"#,##0 \"pcs\""},
      {170, u"first"},          // of two records with one id, the first one read
      {164, u""},               // no record, not built in
      {0, u""},
      {2, u"0.00"},
      {49, u"@"},
      {50, u""},
  };
  for (const auto& c : cases) EXPECT_EQ(formats.GetFormat(c.Id), c.Format) << c.Id;
  size_t index = 99;
  EXPECT_TRUE(formats.Find(3, index));
  EXPECT_EQ(index, 3u);
  EXPECT_FALSE(formats.Find(4, index));
}

TEST(BuiltInFormat, TableAndLocaleDates) {
  const TLocaleSettings& us = UsEnglishLocaleSettings();
  const struct {
    uint16_t Id;
    std::u16string Format;
  } table[] = {
      {1, u"0"}, {4, u"#,##0.00"}, {5, u""}, {9, u"0%"}, {11, u"0.00E+00"}, {12, u"?/?"},
      {13, u"# ?\?/??"}, {14, u"mm/dd/YYYY"}, {15, u"DD-MMM-YY"}, {18, u"h:mm AM/PM"},
      {21, u"hh:mm:ss"}, {22, u"mm/dd/YYYY hh:mm"}, {23, u""}, {37, u"#,##0 _$;-#,##0 _$"},
      {40, u"#,##0.00 _$;[Red]-#,##0.00 _$"}, {44, u""}, {45, u"mm:ss"}, {46, u"[h]:mm:ss"},
      {47, u"mm:ss,0"}, {48, u"##0.0E+0"}, {49, u"@"}, {164, u""},
  };
  for (const auto& c : table) EXPECT_EQ(BuiltInFormat(c.Id, us), c.Format) << c.Id;

  const struct {
    const char16_t* ShortDate;
    const char16_t* DateSeparator;
    const char16_t* TimeSeparator;
    const char16_t* Format14;
    const char16_t* Format22;
  } locales[] = {
      {u"dd.MM.yyyy", u".", u":", u"dd.mm.YYYY", u"dd.mm.YYYY hh:mm"},
      {u"yyyy-MM-dd", u"-", u".", u"YYYY-mm-dd", u"YYYY-mm-dd hh.mm"},
      {u"'Day' d/M", u"/", u":", u"dd/mm/YYYY", u"dd/mm/YYYY hh:mm"},
      {u"ggg", u"-", u".", u"mm/dd/YYYY", u"mm/dd/YYYY hh:mm"},  // no field: fallback
  };
  for (const auto& l : locales) {
    TLocaleSettings locale = us;
    locale.ShortDateFormat = l.ShortDate;
    locale.DateSeparator = l.DateSeparator;
    locale.TimeSeparator = l.TimeSeparator;
    EXPECT_EQ(BuiltInFormat(14, locale), l.Format14);
    EXPECT_EQ(BuiltInFormat(22, locale), l.Format22);
  }
  EXPECT_EQ(TFormatRecordList().GetFormat(14), BuiltInFormat(14, DefaultLocaleSettings()));
}

TEST(BoundSheetRecord, VisibilityTypeAndName) {
  const struct {
    uint16_t Options;
    TXlsSheetVisible Visible;
  } cases[] = {{0x0000, sv_Visible}, {0x0001, sv_Hidden}, {0x0002, sv_VeryHidden},
               {0x0003, sv_Visible}, {0x0201, sv_Hidden}};
  for (const auto& c : cases) {
    const auto sheet = MakeRecord<TBoundSheetRecord>(
        0x0085, TByteWriter().U32(0).U16(c.Options).Raw(testing::XlString(u"\u00c9t\u00e9", 1)).Take());
    EXPECT_EQ(sheet->SheetVisible(), c.Visible) << c.Options;
    EXPECT_EQ(sheet->OptionFlags(), c.Options);
    EXPECT_EQ(sheet->SheetName(), u"\u00c9t\u00e9");
  }
}

TEST(BoundSheetList, NamesDifferingInCaseAreDistinctRepeatedNamesFail) {
  const auto sheet = [](std::u16string_view name) {
    return MakeRecord<TBoundSheetRecord>(
        0x0085, TByteWriter().U32(0).U16(0).Raw(testing::XlString(name, 1)).Take());
  };
  TBoundSheetList list;
  list.Add(sheet(u"Data"));
  list.Add(sheet(u"DATA"));
  list.Add(sheet(u"B"));
  EXPECT_EQ(FailureOf([&] { list.Add(sheet(u"Data")); }), "Sheet name already exists: Data");
  EXPECT_EQ(list.Count(), 3u);
  // Ordered by length, then by code units.
  EXPECT_EQ(std::vector<std::u16string>(list.SheetNames().begin(), list.SheetNames().end()),
            (std::vector<std::u16string>{u"B", u"DATA", u"Data"}));
}

// NAME data: option flags, name length, formula length, sheet index + 1,
// the name (8-bit unless `wide`), then the formula tokens.
Bytes NameData(std::u16string_view name, const Bytes& formula, uint16_t sheet = 0,
               bool wide = false) {
  TByteWriter data;
  data.U16(0).U8(0).U8(static_cast<uint8_t>(name.size())).U16(static_cast<uint16_t>(formula.size()))
      .U16(0).U16(sheet).U32(0).U8(wide ? 1 : 0);
  if (wide) {
    data.Chars16(name);
  } else {
    data.Chars8(name);
  }
  return data.Raw(formula).Take();
}

Bytes Area3d(uint16_t ixti, uint16_t r1, uint16_t r2, uint16_t c1, uint16_t c2) {
  return TByteWriter().U8(0x3B).U16(ixti).U16(r1).U16(r2).U16(c1).U16(c2).Take();
}

TEST(NameRecord, ReadsNamesAndTheAreasTheyReferTo) {
  const struct {
    const char* Label;
    Bytes Data;
    std::u16string Name;
    int32_t Sheet, R1, R2, C1, C2;
  } cases[] = {
      {"3-D area, column flags ignored", NameData(u"Contacts", Area3d(0, 1, 9, 0xC002, 0x4005), 2),
       u"Contacts", 1, 1, 9, 2, 5},
      {"3-D area, value class", NameData(u"V", {0x5B, 0, 0, 4, 0, 6, 0, 1, 0, 1, 0}), u"V", -1, 4,
       6, 1, 1},
      {"3-D reference", NameData(u"Cell", {0x7A, 0, 0, 7, 0, 3, 0x80}), u"Cell", -1, 7, 7, 3, 3},
      {"16-bit name", NameData(u"\u540d\u524d", Area3d(0, 0, 0, 0, 0), 0, true), u"\u540d\u524d", -1,
       0, 0, 0, 0},
      {"no formula", NameData(u"Empty", {}), u"Empty", -1, -1, -1, -1, -1},
      {"other first token", NameData(u"Ref", {0x24, 1, 0, 1, 0}), u"Ref", -1, -1, -1, -1, -1},
      {"token cut by the record", NameData(u"Cut", {0x3B, 0, 0, 4, 0, 6, 0, 1}), u"Cut", -1, 4, 6, -1,
       -1},
  };
  for (const auto& c : cases) {
    const auto name = MakeRecord<TNameRecord>(0x0018, c.Data);
    ASSERT_NE(name, nullptr) << c.Label;
    EXPECT_EQ(name->Name(), c.Name) << c.Label;
    EXPECT_EQ(name->RangeSheet(), c.Sheet) << c.Label;
    EXPECT_EQ(name->GetR1(), c.R1) << c.Label;
    EXPECT_EQ(name->GetR2(), c.R2) << c.Label;
    EXPECT_EQ(name->GetC1(), c.C1) << c.Label;
    EXPECT_EQ(name->GetC2(), c.C2) << c.Label;
  }
}

TEST(NameRecord, NameRunningPastTheRecordFails) {
  Bytes data = NameData(u"Contacts", {});
  data.resize(data.size() - 1);
  const auto name = MakeRecord<TNameRecord>(0x0018, data);
  EXPECT_EQ(FailureOf([&] { name->Name(); }), "Error reading record");
}

TReferences References() {
  TReferences refs;
  refs.AddSupBook(MakeRecord<TSupBookRecord>(0x01AE, TByteWriter().U16(3).U16(0x3A01).Take()));
  refs.AddSupBook(MakeRecord<TSupBookRecord>(0x01AE, TByteWriter().U16(3).U16(0x0401).Take()));
  refs.AddExternName(MakeRecord<TExternNameRecord>(0x0023, Bytes(6, 0)));
  // Entries: this workbook's sheet 2; sheets 1 to 3; the add-in SUPBOOK.
  const Bytes table = TByteWriter().U16(3).U16(1).U16(2).U16(2).U16(1).U16(1).U16(3).U16(0)
                          .U16(0).U16(0).Take();
  // The table runs on into a CONTINUE record.
  const auto externSheet = MakeRecord<TExternSheetRecord>(0x0017, Bytes(table.begin(), table.begin() + 9));
  externSheet->AddContinue(std::make_unique<TContinueRecord>(0x003C, Bytes(table.begin() + 9, table.end())));
  refs.AddExternSheet(*externSheet);
  return refs;
}

TEST(NameRecord, RefersToSheetThroughTheReferenceTable) {
  const TReferences refs = References();
  EXPECT_EQ(refs.LocalSupBook(), 1);
  ASSERT_EQ(refs.ExternRefs().size(), 3u);
  EXPECT_EQ(refs.SupBooks().GetItems(1).ExternNames().Count(), 1u);
  const auto refersTo = [&](uint16_t ixti) {
    return MakeRecord<TNameRecord>(0x0018, NameData(u"N", Area3d(ixti, 0, 0, 0, 0)))->RefersToSheet(refs);
  };
  EXPECT_EQ(refersTo(0), 2);
  EXPECT_EQ(refersTo(1), -1);  // several sheets
  EXPECT_EQ(refersTo(2), -1);  // another SUPBOOK
  EXPECT_EQ(FailureOf([&] { refersTo(3); }),
            "The index \"3\" of the property \"Sheet Reference\" is not in the range 0-3");
  EXPECT_EQ(MakeRecord<TNameRecord>(0x0018, NameData(u"N", {}))->RefersToSheet(refs), -1);
}

TEST(References, ExternNameWithoutSupBookFails) {
  TReferences refs;
  EXPECT_EQ(FailureOf([&] { refs.AddExternName(MakeRecord<TExternNameRecord>(0x0023, {})); }),
            "Error reading Excel records. File invalid");
}

TEST(References, ExternSheetTableShorterThanItsCountFails) {
  TReferences refs;
  const auto record = MakeRecord<TExternSheetRecord>(0x0017, TByteWriter().U16(2).U16(0).U16(0).U16(0).Take());
  EXPECT_EQ(FailureOf([&] { refs.AddExternSheet(*record); }), "Error reading record");
}

}  // namespace
}  // namespace tabulon
