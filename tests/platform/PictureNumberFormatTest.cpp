#include "platform/PictureNumberFormat.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "platform/TextEncoding.h"

namespace tabulon {
namespace {

struct PictureCase {
  const char* picture;
  double value;
  const char* text;
};

class PictureNumberFormatTest : public testing::TestWithParam<PictureCase> {};

TEST_P(PictureNumberFormatTest, PrintsByThePicture) {
  const PictureCase& c = GetParam();
  EXPECT_EQ(ToUtf8(FormatPictureNumber(FromUtf8(c.picture), c.value, UsEnglishLocaleSettings())), c.text)
      << c.picture << " with " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Placeholders, PictureNumberFormatTest,
    testing::Values(PictureCase{"0", 1234.5678, "1235"}, PictureCase{"0.00", -1234.5, "-1234.50"},
                    PictureCase{"00000", 123, "00123"}, PictureCase{"00", 12345, "12345"},
                    PictureCase{"#", 0, ""}, PictureCase{"#.##", 0.75, ".75"},
                    PictureCase{"#.##", 1, "1"},  // no separator without a digit after it
                    PictureCase{"0.0#", 1.5, "1.5"}, PictureCase{"0.0#", 1.25, "1.25"},
                    PictureCase{"0.00", 0.125, "0.13"}, PictureCase{"0.00", 2.675, "2.67"},
                    PictureCase{"0.00", -0.001, "-0.00"}, PictureCase{"0", 0.5, "1"}));

INSTANTIATE_TEST_SUITE_P(
    Grouping, PictureNumberFormatTest,
    testing::Values(PictureCase{"#,##0", 1234567, "1,234,567"}, PictureCase{"#,##0", 123, "123"},
                    PictureCase{"#,##0.00", 1234.5, "1,234.50"}, PictureCase{"0,000", 5, "0,005"},
                    PictureCase{"#,##0", -1234567.8, "-1,234,568"}));

INSTANTIATE_TEST_SUITE_P(
    Exponent, PictureNumberFormatTest,
    testing::Values(PictureCase{"0.00E+00", 12345, "1.23E+04"},
                    PictureCase{"0.00E+00", 0.000123, "1.23E-04"},
                    PictureCase{"0.00E-00", 12345, "1.23E04"}, PictureCase{"0.00e+0", 0, "0.00e+0"},
                    PictureCase{"0.0E+0", 9.96, "1.0E+1"},  // rounding carries into the exponent
                    PictureCase{"0E+000000", 5, "5E+0000"},  // at most four exponent digits counted
                    PictureCase{"00.0E+0", 1234, "12.3E+2"},
                    PictureCase{"##0.0E+0", 1234.5678, "1.2E+3"},  // exponent a multiple of 3
                    PictureCase{"##0.0E+0", 0.123456, "123.5E-3"},
                    PictureCase{"##0.0E+0", 999.96, "1.0E+3"}, PictureCase{"##0.0E+0", 99.96, "100.0E+0"},
                    PictureCase{"##0.0E+0", 0, "0.0E+0"}, PictureCase{".00E+0", 1234, ".12E+4"},
                    PictureCase{"0.00E+00", 1e200, "1.00E+200"}));

INSTANTIATE_TEST_SUITE_P(
    Literals, PictureNumberFormatTest,
    testing::Values(PictureCase{"\"$\"#,##0.00", 2.5, "$2.50"}, PictureCase{"0 'kg'", 3, "3 kg"},
                    PictureCase{"0\"0.#\"", 3, "30.#"},  // quoted placeholders print as text
                    PictureCase{"+0", -2, "-+2"}, PictureCase{"0%", 50, "50%"},
                    PictureCase{"(###) ###-####", 2125551234, "(212) 555-1234"},
                    PictureCase{"(###) ###-####", 12345678.9, "(1) 234-5679"},
                    PictureCase{"###-####", 0, "-"},  // literals between placeholders always print
                    PictureCase{"00000-0000", 45000.75, "00004-5001"},
                    PictureCase{"000-000-0000", 987654321, "098-765-4321"},
                    PictureCase{", -", 5, ", -"},  // no placeholder: only the literals, no sign
                    PictureCase{"", -5, ""}));

INSTANTIATE_TEST_SUITE_P(
    Large, PictureNumberFormatTest,
    testing::Values(PictureCase{"0", 1e17, "1E17"},  // 18 integer digits: the general form
                    PictureCase{"#,##0", 99999999999999984.0, "99,999,999,999,999,984"},
                    PictureCase{"0.00", std::numeric_limits<double>::infinity(), "INF"},
                    PictureCase{"0.00", std::numeric_limits<double>::quiet_NaN(), "NAN"}));

TEST(PictureNumberFormat, UsesTheLocaleSeparators) {
  TLocaleSettings s = UsEnglishLocaleSettings();
  s.DecimalSeparator = u",";
  s.ThousandsSeparator = u"\u202F";
  EXPECT_EQ(FormatPictureNumber(u"#,##0.00", 1234567.891, s), u"1\u202F234\u202F567,89");
}

TEST(PictureNumberFormat, RefusesPicturesLongerThan224Characters) {
  const auto& s = UsEnglishLocaleSettings();
  EXPECT_EQ(FormatPictureNumber(std::u16string(224, u'0'), 1, s), std::u16string(223, u'0') + u"1");
  try {
    FormatPictureNumber(std::u16string(225, u'0'), 1, s);
    FAIL() << "no error";
  } catch (const ENumberFormatError& e) {
    EXPECT_STREQ(e.what(), "Number format too long");
  }
}

}  // namespace
}  // namespace tabulon
