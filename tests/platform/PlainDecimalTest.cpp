#include "platform/PlainDecimal.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TEST(PlainDecimal, ReadsPlainNumbersOnly) {
  EXPECT_EQ(ParsePlainDecimal("12"), 12);
  EXPECT_EQ(ParsePlainDecimal("-0.5"), -0.5);
  EXPECT_EQ(ParsePlainDecimal("+1.5e3"), 1500);
  EXPECT_EQ(ParsePlainDecimal(".25"), 0.25);
  for (const char* bad : {"", "-", "+-1", "1,5", " 1", "1 ", "inf", "-nan", "infinity", "0x10", "1e999", "1e", "abc"})
    EXPECT_FALSE(ParsePlainDecimal(bad)) << bad;
}

}  // namespace
}  // namespace tabulon
