#include "XlsAdapter/XlsFormatValue.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "platform/PictureNumberFormat.h"
#include "platform/TextEncoding.h"

namespace tabulon {
namespace {

std::string Render(const TCellVariant& value, const char* format, bool dates1904 = false,
                   const TLocaleSettings& settings = UsEnglishLocaleSettings()) {
  return ToUtf8(XlsRenderValue(value, FromUtf8(format), dates1904, settings).Text);
}

struct NumberCase {
  double value;
  const char* format;
  const char* text;
};

class RenderNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(RenderNumber, ShowsWhatTheSpreadsheetShows) {
  const NumberCase& c = GetParam();
  EXPECT_EQ(Render(c.value, c.format), c.text) << c.value << " with " << c.format;
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, RenderNumber,
    testing::Values(NumberCase{1234.5, "#,##0.00", "1,234.50"}, NumberCase{-1234.5, "0.00", "-1234.50"},
                    NumberCase{0.125, "0.00", "0.13"}, NumberCase{2.675, "0.00", "2.67"},
                    NumberCase{0.256, "0.00%", "25.60%"}, NumberCase{-0.125, "0.0%", "-12.5%"},
                    NumberCase{12345, "0.00E+00", "1.23E+04"}, NumberCase{1234.5678, "##0.0E+0", "1.2E+3"},
                    NumberCase{1.5, "General", "1.5"}, NumberCase{1.5, "", "1.5"},
                    NumberCase{1.5, "@", "1.5"}, NumberCase{1e-5, "General", "1E-5"},
                    NumberCase{0.75, "#.##", ".75"}, NumberCase{5, "???", "5"},
                    NumberCase{1234.5, "* #,##0", " 1,235"},
                    NumberCase{1234.5, "#,##0,\"K\"", "1,235K"}));  // "," only groups

INSTANTIATE_TEST_SUITE_P(
    Sections, RenderNumber,
    testing::Values(NumberCase{-1234, "#,##0 _$;[Red]-#,##0 _$", "-1,234  "},
                    NumberCase{-2.25, "\"$\"#,##0.00;[Red]\"$\"#,##0.00", "$2.25"},
                    NumberCase{-2.25, "#,##0.00_);(#,##0.00)", "(2.25)"},
                    NumberCase{2.25, "#,##0.00_);(#,##0.00)", "2.25 "},
                    NumberCase{0, "0;-0;\"zero\"", "zero"}, NumberCase{-5, "0;-0", "-5"},
                    NumberCase{0, "0;0;", ""},  // an empty chosen section
                    NumberCase{5, "[>100]0", "###################"}, NumberCase{150, "[>100]0", "150"},
                    NumberCase{-1.5, "General;General", "1.5"},
                    NumberCase{5, "0;0;0;@;ignored", "5"}));

INSTANTIATE_TEST_SUITE_P(
    Literals, RenderNumber,
    testing::Values(NumberCase{1234.5, "[$€-407] #,##0.00", "€ 1,234.50"},
                    NumberCase{1234.5, "#,##0.00 [$EUR]", "1,234.50 EUR"},
                    NumberCase{1.5, "0.0\" kg.\"", "1.5 kg."},  // quoted "." is no decimal point
                    NumberCase{3, "0 \"units\"", "3 units"}, NumberCase{10, "0\\0", "100"},
                    NumberCase{1.5, "0.0 kg", "1.5"},  // a letter outside every set: general text
                    NumberCase{1.5, "[Blue]0.0 kg", "1.5"}, NumberCase{-2, "+0", "-+2"},
                    NumberCase{5, "[unknown]0", "5"}));

// Number runs with only literals between them make one picture.
INSTANTIATE_TEST_SUITE_P(
    PhonesAndZipCodes, RenderNumber,
    testing::Values(NumberCase{2125551234, "(###) ###-####", "(212) 555-1234"},
                    NumberCase{12345678.9, "(###) ###-####", "(1) 234-5679"},
                    NumberCase{5551234, "[<=9999999]###-####;(###) ###-####", "555-1234"},
                    NumberCase{2125551234, "[<=9999999]###-####;(###) ###-####", "(212) 555-1234"},
                    NumberCase{2125551234, "000\\-000\\-0000", "212-555-1234"},
                    NumberCase{2125551234, "\"+1 \"000\" \"000\" \"0000", "+1 212 555 1234"},
                    NumberCase{45000.75, "00000-0000", "00004-5001"}, NumberCase{123, "00000", "00123"},
                    NumberCase{1234, "[<=99999]00000;00000-0000", "01234"},
                    NumberCase{123456789, "[<=99999]00000;00000-0000", "12345-6789"}));

// A negative number's sign leads the literals that open the section.
INSTANTIATE_TEST_SUITE_P(
    Signs, RenderNumber,
    testing::Values(NumberCase{-2.25, "\"$\"#,##0.00", "-$2.25"},
                    NumberCase{-2.25, "[$€-407] #,##0.00", "-€ 2.25"},
                    NumberCase{-2, "\"Tel: \"0", "-Tel: 2"},
                    NumberCase{-2.25, "00000-0000", "-00000-0002"},
                    NumberCase{-1.5, "[h]\" h \"0", "-36 h -2"}));  // after other output: at the digits

INSTANTIATE_TEST_SUITE_P(
    DatesAndTimes, RenderNumber,
    testing::Values(NumberCase{45000, "mm/dd/YYYY", "03/15/2023"}, NumberCase{45000, "d-mmm-yy", "15-Mar-23"},
                    NumberCase{45000, "dddd, mmmm d, yyyy", "Wednesday, March 15, 2023"},
                    NumberCase{45000.5, "m/d/yy h:mm", "3/15/23 12:00"},
                    NumberCase{45000, "yyyy-mm-dd", "2023-03-15"}, NumberCase{45000, "dd.mm.yyyy", "15.03.2023"},
                    NumberCase{0.123456, "hh:mm:ss", "02:57:46"}, NumberCase{45000, "mmmm", "March"},
                    NumberCase{45000, "[$-F800]", "Wednesday, March 15, 2023"},
                    NumberCase{0.75, "[$-F400]", "6:00:00 PM"},
                    NumberCase{12345678.9, "yyyy", "##"},  // outside the calendar
                    NumberCase{12345678.9, "yyyy \"x\"", "## x"}, NumberCase{12345678.9, "h:mm", "21:36"},
                    NumberCase{std::numeric_limits<double>::infinity(), "mm/dd/yyyy", "##"},
                    NumberCase{std::numeric_limits<double>::quiet_NaN(), "0.00", "NAN"}));

// AM/PM anywhere in a section puts its hours on the 12-hour clock.
INSTANTIATE_TEST_SUITE_P(
    TwelveHourClock, RenderNumber,
    testing::Values(NumberCase{0.75, "h:mm AM/PM", "6:00 PM"}, NumberCase{0.25, "h:mm AM/PM", "6:00 AM"},
                    NumberCase{0, "h:mm:ss AM/PM", "12:00:00 AM"}, NumberCase{0.5, "hh:mm A/P", "12:00 P"},
                    NumberCase{0.75, "h:mm am/pm", "6:00 PM"},
                    NumberCase{0.75, "h:mm \"AM/PM\"", "18:00 AM/PM"}));

// "m" and "mm" are minutes after an hour or before a second.
INSTANTIATE_TEST_SUITE_P(
    Minutes, RenderNumber,
    testing::Values(NumberCase{1.75, "mm:ss", "00:00"}, NumberCase{1234.5678, "mm:ss", "37:37"},
                    NumberCase{1.75, "mm:ss,0", "00:00.0"}, NumberCase{1.0 + 1.5 / 86400, "mm:ss.00", "00:01.50"},
                    NumberCase{0.5 + 5.0 / 1440, "h \"h\" m", "12 h 5"},
                    NumberCase{0.5 + 5.0 / 1440, "h\\hmm", "12h05"},
                    NumberCase{0.5 + 5.0 / 1440, "[h]:mm", "12:05"}, NumberCase{45000, "mm/dd", "03/15"},
                    NumberCase{45000.5, "h:mmm", "12:Mar"}));  // "mmm" is always the month

INSTANTIATE_TEST_SUITE_P(
    ElapsedTime, RenderNumber,
    testing::Values(NumberCase{1.75, "[h]:mm:ss", "42:00:00"}, NumberCase{1.75, "[h]", "42"},
                    NumberCase{1.75, "[mm]:ss", "2520:00"}, NumberCase{0.5, "[ss]", "43200"},
                    NumberCase{1.0 / 24, "[hh]", "01"}, NumberCase{-1.75, "[h]", "-42"}));

TEST(RenderValue, BooleansAreTrueAndFalseUnderEveryFormat) {
  for (const char* format : {"", "0.00", "@", "\"yes\";\"no\"", "General"}) {
    EXPECT_EQ(Render(true, format), "TRUE") << format;
    EXPECT_EQ(Render(false, format), "FALSE") << format;
  }
}

TEST(RenderValue, AnEmptyCellIsEmptyText) { EXPECT_EQ(Render(TCellVariant{}, "0.00"), ""); }

TEST(RenderValue, TextUsesTheTextSection) {
  const std::u16string anne = u"Anne";
  const struct {
    const char* format;
    const char* text;
  } cases[] = {
      {"", "Anne"},         {"General", "Anne"},        {"@", "Anne"},
      {"0.00", "Anne"},     {"\"Name: \"@", "Name: Anne"}, {"0;0;0;@\" !\"", "Anne !"},
      {"0;0;0;", ""},       {"@ z", "Anne"},  // a character no step takes: the text unchanged
      {"[$-409]@", "Anne"}, {"[Red]@ _)", "Anne  "},
  };
  for (const auto& c : cases) EXPECT_EQ(Render(anne, c.format), c.text) << c.format;
  EXPECT_EQ(Render(std::u16string(u"#N/A"), "0.00"), "#N/A");
}

TEST(RenderValue, ColourTags) {
  const struct {
    TCellVariant value;
    const char* format;
    std::optional<int32_t> color;
  } cases[] = {
      {-1234.0, "#,##0 _$;[Red]-#,##0 _$", 0x0000FF},
      {1234.0, "#,##0 _$;[Red]-#,##0 _$", std::nullopt},
      {5.0, "[Green]0", 0x008000},
      {5.0, "[green]0", std::nullopt},  // names match exactly
      {-5.0, "[Cyan]0;[Magenta]0", 0xFF00FF},
      {5.0, "0[Red]", std::nullopt},  // only at the start of a section
      {std::u16string(u"Anne"), "[Blue]@", 0xFF0000},
      {std::u16string(u"Anne"), "[Yellow]General", 0x00FFFF},
      {std::u16string(u"Anne"), "[Yellow]0.00", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(XlsRenderValue(c.value, FromUtf8(c.format), false, UsEnglishLocaleSettings()).Color, c.color)
        << c.format;
}

TEST(RenderValue, FormatValueChangesTheColourOnlyWhenTheFormatNamesOne) {
  int32_t color = 0x123456;
  EXPECT_EQ(XlsFormatValue(5.0, u"0", false, color, UsEnglishLocaleSettings()), u"5");
  EXPECT_EQ(color, 0x123456);
  EXPECT_EQ(XlsFormatValue(5.0, u"[White]0", false, color, UsEnglishLocaleSettings()), u"5");
  EXPECT_EQ(color, 0xFFFFFF);
}

TEST(RenderValue, DatesFromNineteenOFourAreLater) {
  EXPECT_EQ(Render(45000.0, "mm/dd/yyyy", true), "03/16/2027");  // 1462 days later
  EXPECT_EQ(Render(1.75, "[h]:mm", true), "42:00");            // durations are not moved
}

TEST(RenderValue, FollowsTheLocale) {
  TLocaleSettings german = UsEnglishLocaleSettings();
  german.DecimalSeparator = u",";
  german.ThousandsSeparator = u".";
  german.DateSeparator = u".";
  german.LongMonthNames[2] = u"März";
  EXPECT_EQ(Render(1234.5, "#,##0.00", false, german), "1.234,50");
  EXPECT_EQ(Render(1.5, "General", false, german), "1,5");
  EXPECT_EQ(Render(45000.0, "mm/dd/yyyy", false, german), "03.15.2023");
  EXPECT_EQ(Render(45000.0, "d mmmm", false, german), "15 März");
  EXPECT_EQ(Render(1.75, "mm:ss,0", false, german), "00:00,0");
}

TEST(RenderValue, PicturesLongerThan224CharactersFail) {
  const std::string zeros(225, '0');
  EXPECT_THROW(Render(1.0, zeros.c_str()), ENumberFormatError);
  EXPECT_THROW(Render(1.0, ("[" + std::string(225, 'h') + "]").c_str()), ENumberFormatError);
  EXPECT_EQ(Render(1.0, zeros.substr(1).c_str()), std::string(223, '0') + "1");
  EXPECT_EQ(Render(std::u16string(u"x"), zeros.c_str()), "x");  // text needs no picture
}

TEST(HasDateTime, TellsDateFromTimeFormats) {
  const struct {
    const char* format;
    bool date;
    bool time;
  } cases[] = {
      {"0.00", false, false},        {"", false, false},           {"mm/dd/yyyy", true, false},
      {"DD-MMM-YY", true, false},    {"h:mm AM/PM", false, true},  {"h:mm:ss AM/PM", false, true},
      {"mm:ss", false, true},        {"mm:ss,0", false, true},     {"[h]:mm:ss", false, true},
      {"m/d/yy h:mm", true, true},   {"[$-F800]", true, false},    {"[$-F400]", false, true},
      {"\"dd\"0", false, false},     {"[>100]mm/dd;0", false, false},
  };
  for (const auto& c : cases) {
    bool date = !c.date, time = !c.time;
    EXPECT_EQ(XlsFormatHasDateTime(FromUtf8(c.format), date, time, UsEnglishLocaleSettings()), c.date || c.time)
        << c.format;
    EXPECT_EQ(date, c.date) << c.format;
    EXPECT_EQ(time, c.time) << c.format;
  }
}

TEST(RenderValue, MalformedFormatsRenderSomething) {
  for (const char* format : {"[", "[$", "\"", "\\", "*", "_", "[<", "[<=abc]0", "[h", "]", "E+", "0E+",
                             ";;;;;", "@@", "0\"", "[Red", "yyyy\\", "[$-F800", "0.0.0,,,"}) {
    EXPECT_NO_THROW(Render(-1.5, format)) << format;
    EXPECT_NO_THROW(Render(std::u16string(u"x"), format)) << format;
  }
}

}  // namespace
}  // namespace tabulon
