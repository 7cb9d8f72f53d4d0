#include "platform/StrftimePattern.h"

#include <gtest/gtest.h>

#include "platform/TextEncoding.h"

namespace tabulon {
namespace {

TEST(StrftimePattern, ConvertsTheConversionsOfDateAndTimeFormats) {
  const struct {
    const char* format;
    const char* pattern;
  } cases[] = {
      {"%m/%d/%Y", "mm/dd/yyyy"},
      {"%d.%m.%Y", "dd.mm.yyyy"},
      {"%e %B %Y", "d mmmm yyyy"},
      {"%a %b %y", "ddd mmm yy"},
      {"%A", "dddd"},
      {"%H:%M:%S", "hh:nn:ss"},
      {"%I:%M:%S %p", "hh:nn:ss ampm"},
      {"%k.%M", "h.nn"},
      {"%d de %B de %Y", "dd \"de\" mmmm \"de\" yyyy"},  // literal letters quoted
      {"%Y年%m月%d日", "yyyy年mm月dd日"},
      {"%H:%M:%S %Z%%", "hh:nn:ss %"},  // time zone dropped
      {"%Ey %-d", "yy d"},                // modifiers and flags skipped
      {"%", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ToUtf8(PatternFromStrftime(c.format)), c.pattern) << c.format;
}

TEST(StrftimePattern, ExpandsCompoundConversions) {
  EXPECT_EQ(ExpandStrftime("%T", ""), "%H:%M:%S");
  EXPECT_EQ(ExpandStrftime("%D %R", ""), "%m/%d/%y %H:%M");
  EXPECT_EQ(ExpandStrftime("%r", "%I.%M.%S %p"), "%I.%M.%S %p");
  EXPECT_EQ(ExpandStrftime("%r", ""), "%I:%M:%S %p");
}

TEST(StrftimePattern, ReadsTheSeparatorAfterTheFirstConversion) {
  EXPECT_EQ(SeparatorOfStrftime("%d.%m.%Y"), ".");
  EXPECT_EQ(SeparatorOfStrftime("%Y-%m-%d"), "-");
  EXPECT_EQ(SeparatorOfStrftime("%Y\xE5\xB9\xB4%m"), "\xE5\xB9\xB4");  // one whole UTF-8 character
  EXPECT_EQ(SeparatorOfStrftime("%H%M"), "");
  EXPECT_EQ(SeparatorOfStrftime("date"), "");
}

TEST(StrftimePattern, DropsSecondsWithTheirSeparator) {
  EXPECT_EQ(WithoutSeconds("%H:%M:%S"), "%H:%M");
  EXPECT_EQ(WithoutSeconds("%I:%M:%S %p"), "%I:%M %p");
  EXPECT_EQ(WithoutSeconds("%H:%M"), "%H:%M");
}

}  // namespace
}  // namespace tabulon
