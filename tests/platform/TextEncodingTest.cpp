#include "platform/TextEncoding.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TEST(Utf8, RoundTripsEveryPlane) {
  const std::u16string text = u"Orléans €  \U0001F600 Ω";
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
  EXPECT_EQ(ToUtf8(u"é€"), "\xC3\xA9\xE2\x82\xAC");
}

TEST(Utf8, LoneSurrogateBecomesReplacement) {
  const std::u16string lone = {u'a', 0xD800, u'b', 0xDC00};
  EXPECT_EQ(ToUtf8(lone), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
}

struct BadUtf8Case {
  const char* name;
  std::string bytes;
  std::u16string decoded;
};

class BadUtf8 : public testing::TestWithParam<BadUtf8Case> {};

TEST_P(BadUtf8, EachMalformedSequenceIsOneReplacement) {
  EXPECT_FALSE(IsValidUtf8(GetParam().bytes));
  EXPECT_EQ(FromUtf8(GetParam().bytes), GetParam().decoded);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadUtf8,
    testing::Values(
        BadUtf8Case{"LoneContinuation", "a\x80z", u"a\uFFFDz"},
        BadUtf8Case{"Truncated", "a\xE2\x82", u"a\uFFFD"},
        BadUtf8Case{"TruncatedBeforeAscii", "\xE2\x82z", u"\uFFFDz"},
        BadUtf8Case{"Overlong", "\xC0\xAF", u"\uFFFD\uFFFD"},
        BadUtf8Case{"OverlongThreeBytes", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
        BadUtf8Case{"Surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        BadUtf8Case{"BeyondUnicode", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        BadUtf8Case{"Latin1Byte", "Orl\xE9" "ans", u"Orl\uFFFDans"}),
    [](const auto& info) { return info.param.name; });

TEST(Windows1252, MapsTheHighBlockBothWays) {
  EXPECT_EQ(ToWindows1252(u"é€Ÿ"), "\xE9\x80\x9F");
  EXPECT_EQ(FromWindows1252("\xE9\x80\x9F"), u"é€Ÿ");
  EXPECT_EQ(ToWindows1252(u"Ω"), "?");
}

TEST(Windows1252, KnowsWhichCharactersItHas) {
  for (char16_t c : {u'a', u'\u00A0', u'é', u'ÿ', u'€', u'Ÿ', u'\u2122'})
    EXPECT_TRUE(IsWindows1252Char(c)) << static_cast<int>(c);
  for (char16_t c : {u'\u0081', u'\u008D', u'\u008F', u'\u0090', u'\u009D', u'\u0080', u'Ω'})
    EXPECT_FALSE(IsWindows1252Char(c)) << static_cast<int>(c);
}

TEST(Windows1252, UndefinedBytesKeepTheirCode) {
  EXPECT_EQ(FromWindows1252("\x81\x8D"), u"\u0081\u008D");
}

}  // namespace
}  // namespace tabulon
