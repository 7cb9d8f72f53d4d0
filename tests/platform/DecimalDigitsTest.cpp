#include "platform/DecimalDigits.h"

#include <gtest/gtest.h>

#include <string>

namespace tabulon {
namespace {

std::string DigitsOf(const TDecimalDigits& d) { return std::string(d.Digits.data(), d.Count); }

TEST(DecimalDigits, HoldsEighteenSignificantDigits) {
  const TDecimalDigits d = DecimalDigitsOf(2.675);  // stored as 2.67499999999999982236...
  EXPECT_EQ(DigitsOf(d), "267499999999999982");
  EXPECT_EQ(d.Exponent, 1);
  EXPECT_EQ(DigitsOf(DecimalDigitsOf(-0.015625)), "15625");
  EXPECT_EQ(DecimalDigitsOf(-0.015625).Exponent, -1);
  EXPECT_EQ(DigitsOf(DecimalDigitsOf(0.0123)), "123000000000000002");  // the double's own digits
  EXPECT_EQ(DecimalDigitsOf(1e300).Exponent, 301);
  EXPECT_TRUE(DecimalDigitsOf(0.0).IsZero());
  EXPECT_EQ(DecimalDigitsOf(5e-324).Exponent, -323);
}

struct RoundCase {
  double value;
  int keep;
  const char* digits;
  int exponent;
};

class RoundDigitsTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundDigitsTest, CutsAndRoundsHalfUp) {
  const RoundCase& c = GetParam();
  TDecimalDigits d = DecimalDigitsOf(c.value);
  RoundDigits(d, c.keep);
  EXPECT_EQ(DigitsOf(d), c.digits);
  EXPECT_EQ(d.Exponent, c.exponent);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundDigitsTest,
    testing::Values(RoundCase{0.125, 2, "13", 0},         // exact half rounds up
                    RoundCase{2.675, 3, "267", 1},        // the stored double is below the half
                    RoundCase{9.996, 3, "1", 2},          // carry through every digit
                    RoundCase{0.6, 0, "1", 1},            // nothing kept, first cut digit 6
                    RoundCase{0.4, 0, "", 0},             // ... 4: zero
                    RoundCase{0.004, -1, "", 0},          // cut above the first digit
                    RoundCase{120.0, 2, "12", 3},         // trailing zeros are not held
                    RoundCase{1.5, 18, "15", 1}));        // keeping more than held

}  // namespace
}  // namespace tabulon
