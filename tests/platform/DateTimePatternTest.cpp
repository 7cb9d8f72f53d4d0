#include "platform/DateTimePattern.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/TextEncoding.h"

namespace tabulon {
namespace {

// Wednesday 15 March 2023, 18:07:09.250 (09.25 s after 18:07).
constexpr double kMarch15 = 45000 + (18 * 3600 + 7 * 60 + 9.25) / 86400;

struct PatternCase {
  const char* pattern;
  double value;
  const char* text;
};

class DateTimePatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(DateTimePatternTest, PrintsEveryElement) {
  const PatternCase& c = GetParam();
  std::u16string out = u"<";
  ASSERT_TRUE(TryFormatDateTimePattern(FromUtf8(c.pattern), c.value, UsEnglishLocaleSettings(), out));
  EXPECT_EQ(ToUtf8(out), std::string("<") + c.text) << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Elements, DateTimePatternTest,
    testing::Values(
        PatternCase{"d dd ddd dddd", 45000.0 - 10, "5 05 Sun Sunday"},
        PatternCase{"ddddd", kMarch15, "3/15/2023"},
        PatternCase{"dddddd", kMarch15, "Wednesday, March 15, 2023"},
        PatternCase{"m mm mmm mmmm", 45000.0 - 60, "1 01 Jan January"},
        PatternCase{"y yy yyy yyyy", 45000, "23 23 2023 2023"},
        PatternCase{"YYYY-MM-DD", 45000, "2023-03-15"},  // letters in either case
        PatternCase{"h hh n nn s ss", kMarch15, "18 18 7 07 9 09"},
        PatternCase{"h:nn:ss.z|zz|zzz", kMarch15, "18:07:09.2|25|250"},
        PatternCase{"t", kMarch15, "6:07 PM"}, PatternCase{"tt", kMarch15, "6:07:09 PM"},
        PatternCase{"c", kMarch15, "3/15/2023 6:07:09 PM"},
        PatternCase{"h ampm", kMarch15, "6 PM"}, PatternCase{"h ampm", 0, "12 AM"},
        PatternCase{"h am/pm", 0.5, "12 pm"}, PatternCase{"h AM/PM", 0.25, "6 AM"},
        PatternCase{"h A/P", 0.75, "6 P"}, PatternCase{"hh a/p", 0.25, "06 a"},
        PatternCase{"\"dd\" 'mm' x", 45000, "dd mm x"},  // quoted text and other characters
        PatternCase{"dd/mm hh:nn", 45000, "15/03 00:00"},
        PatternCase{"dd/mm/yyyy", -1.25, "29/12/1899"},  // before day 0 the fraction is still the time
        PatternCase{"hh:nn", 12345678.9, "21:36"}));     // time fields beyond the calendar

TEST(DateTimePattern, UsesTheLocaleSeparatorsAndNames) {
  TLocaleSettings s = UsEnglishLocaleSettings();
  s.DateSeparator = u".";
  s.TimeSeparator = u"h";
  s.LongMonthNames[2] = u"März";
  std::u16string out;
  ASSERT_TRUE(TryFormatDateTimePattern(u"dd/mm/yyyy hh:nn mmmm", kMarch15, s, out));
  EXPECT_EQ(out, u"15.03.2023 18h07 März");
}

TEST(DateTimePattern, TwelveHourClockOnRequest) {
  std::u16string out;
  ASSERT_TRUE(TryFormatDateTimePattern(u"h:nn", 0.75, UsEnglishLocaleSettings(), out, true));
  EXPECT_EQ(out, u"6:00");
}

TEST(DateTimePattern, EmptyAmPmStringsPrintAmAndPm) {
  TLocaleSettings s = UsEnglishLocaleSettings();
  s.AmString.clear();
  s.PmString.clear();
  std::u16string out;
  ASSERT_TRUE(TryFormatDateTimePattern(u"ampm", 0.75, s, out));
  EXPECT_EQ(out, u"PM");
}

TEST(DateTimePattern, FailsForDatesOutsideTheCalendar) {
  const auto& s = UsEnglishLocaleSettings();
  for (const double value : {12345678.9, -700000.0, std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity()}) {
    std::u16string out = u"kept";
    EXPECT_FALSE(TryFormatDateTimePattern(u"hh:nn dd", value, s, out)) << value;
    EXPECT_EQ(out, u"kept");
  }
}

TEST(DateTimePattern, ALocaleFormatThatNamesItselfStops) {
  TLocaleSettings s = UsEnglishLocaleSettings();
  s.ShortDateFormat = u"x ddddd";
  std::u16string out;
  ASSERT_TRUE(TryFormatDateTimePattern(u"ddddd", 45000, s, out));
  EXPECT_EQ(out, u"x x ");
}

}  // namespace
}  // namespace tabulon
