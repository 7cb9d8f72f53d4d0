#include "vcard/ReaderLines.h"

#include <gtest/gtest.h>

#include "VCardTestSupport.h"
#include "vcard/Errors.h"

namespace tabulon {
namespace {

TEST(ReaderLines, RemoveSpacesKeepsOtherWhiteSpace) {
  EXPECT_EQ(RemoveSpaces(u" BEGIN : VCARD\t"), u"BEGIN:VCARD\t");
}

TEST(ReaderLines, Params) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"TEL;TYPE=CELL;PREF:123", u"TYPE=CELL;PREF"},
      {u"EMAIL:ann", u"EMAIL"},
      // A ";" after the ":" belongs to the value, never to the parameters.
      {u"ADR:;;Homestead Rd", u""},
      {u"NOTE:Prefontaine;home", u""},
      {u"no colon;HOME", u""},
      {u"X;:v", u""},
  };
  for (const auto& [line, params] : cases) EXPECT_EQ(LineParams(line), params) << test::Utf8(line);
}

TEST(ReaderLines, Value) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"GEO:1.5;2.5", u"1.5"},
      {u"NOTE:\"Smith\"", u""},
      {u"ORG:Smith\\, Jones", u"Smith, Jones"},
      {u"FN;CHARSET=UTF-8: Ann Lee \t", u"Ann Lee"},
      {u"no colon", u"no colon"},
      {u"X:a\"b;c\"d", u"b"},
      {u"X:a;b\"c\"", u""},
      {u"X:a\"bc", u"bc"},
      {u"URL:http://x/y", u"http://x/y"},
  };
  for (const auto& [line, value] : cases) EXPECT_EQ(LineValue(line), value) << test::Utf8(line);
}

TEST(ReaderLines, DatesInTheirTwoLayouts) {
  EXPECT_EQ(ParseDate(u"19800115"), test::Date(1980, 1, 15));
  EXPECT_EQ(ParseDate(u"1980-01-15"), test::Date(1980, 1, 15));
  EXPECT_EQ(ParseDateTime(u"2020-12-26T20:39:28Z"), test::Date(2020, 12, 26, 20, 39, 28));
  EXPECT_EQ(ParseDateTime(u"20201226T203928Z"), test::Date(2020, 12, 26, 20, 39, 28));
  EXPECT_EQ(ParseDateTime(u"20201226t203928"), test::Date(2020, 12, 26, 20, 39, 28));
  for (std::u16string_view other : {u"", u"--0115", u"1980-1-15", u"1980011", u"19800115T0000",
                                    u"Jan 15 1980", u"1980/01/15", u"19800115x"})
    EXPECT_FALSE(ParseDate(other).has_value()) << test::Utf8(other);
  for (std::u16string_view other : {u"", u"2020-12-26", u"20201226", u"2020-12-26 20:39:28",
                                    u"2020-12-26T203928Z", u"20201226T2039"})
    EXPECT_FALSE(ParseDateTime(other).has_value()) << test::Utf8(other);
}

TEST(ReaderLines, DigitsThatFormNoDateAreAnError) {
  for (std::u16string_view bad : {u"19801315", u"19800230", u"00000101", u"1980-02-30"})
    EXPECT_THROW(ParseDate(bad), EvCardError) << test::Utf8(bad);
  EXPECT_THROW(ParseDateTime(u"20201326T000000Z"), EvCardError);
  EXPECT_THROW(ParseDateTime(u"2020-12-26T25:00:00Z"), EvCardError);
}

TEST(ReaderLines, Positions) {
  struct Case {
    std::u16string value;
    bool valid;
    double latitude = 0, longitude = 0;
  };
  const Case cases[] = {
      {u"48.8566;2.3522", true, 48.8566, 2.3522},
      {u"48.8566,2.3522", true, 48.8566, 2.3522},
      {u"geo:48.8566,2.3522", true, 48.8566, 2.3522},
      {u"GEO:-33.9,151.2;u=35", true, -33.9, 151.2},
      {u"+1e-05; -2", true, 1e-05, -2},
      {u"90;180", true, 90, 180},
      {u"90.5;0", false},
      {u"0;180.1", false},
      {u"48,8566;2,3522", false},
      {u"1.5", false},
      {u"1;2;3", false},
      {u"geo:1,2,3", false},
      {u"abc;def", false},
      {u"1.5x;2", false},
      {u"inf;2", false},
      {u"nan;2", false},
      {u"1..5;2", false},
      {u";", false},
  };
  for (const Case& c : cases) {
    const auto position = ParsePosition(c.value);
    ASSERT_EQ(position.has_value(), c.valid) << test::Utf8(c.value);
    if (!c.valid) continue;
    EXPECT_DOUBLE_EQ(position->Latitude, c.latitude);
    EXPECT_DOUBLE_EQ(position->Longitude, c.longitude);
  }
}

}  // namespace
}  // namespace tabulon
