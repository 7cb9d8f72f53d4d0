#include "platform/GeneralNumberText.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/TextEncoding.h"

namespace tabulon {
namespace {

struct GeneralCase {
  double value;
  const char* text;
};

class GeneralNumberTextTest : public testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralNumberTextTest, WritesUpToFifteenDigits) {
  EXPECT_EQ(ToUtf8(GeneralNumberText(GetParam().value, UsEnglishLocaleSettings())), GetParam().text);
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, GeneralNumberTextTest,
    testing::Values(GeneralCase{0, "0"}, GeneralCase{-0.0, "0"}, GeneralCase{1.5, "1.5"},
                    GeneralCase{-2.25, "-2.25"}, GeneralCase{45000, "45000"},
                    GeneralCase{0.1 + 0.2, "0.3"},  // 15 digits hide the binary error
                    GeneralCase{1.0 / 3, "0.333333333333333"},
                    GeneralCase{0.0001, "0.0001"},  // decimal exponent -3: still plain
                    GeneralCase{0.00001, "1E-5"},   // -4: exponent form
                    GeneralCase{-1.5e-5, "-1.5E-5"},
                    GeneralCase{999999999999999, "999999999999999"},
                    GeneralCase{1e15, "1E15"},  // 16 integer digits
                    GeneralCase{123456789012345678.0, "1.23456789012346E17"},
                    GeneralCase{1e20, "1E20"}, GeneralCase{kInf, "INF"}, GeneralCase{-kInf, "-INF"},
                    GeneralCase{std::numeric_limits<double>::quiet_NaN(), "NAN"}));

TEST(GeneralNumberText, UsesTheLocaleDecimalSeparator) {
  TLocaleSettings s = UsEnglishLocaleSettings();
  s.DecimalSeparator = std::u16string(u",");  // (a plain literal trips a GCC 12 -Wrestrict false alarm)
  EXPECT_EQ(GeneralNumberText(1234.5, s), u"1234,5");
  EXPECT_EQ(GeneralNumberText(1.5e-7, s), u"1,5E-7");
}

}  // namespace
}  // namespace tabulon
