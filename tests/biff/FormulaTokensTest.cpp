#include "XlsAdapter/biff/FormulaTokens.h"

#include <gtest/gtest.h>

#include <vector>

namespace tabulon {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(FormulaTokenSize, KnownTokensAndTheirSizes) {
  struct Case {
    Bytes Token;
    std::optional<size_t> Size;
  };
  const Case cases[] = {
      {{0x01}, 5},  {{0x02}, 5},  {{0x03}, 1},  {{0x16}, 1},  {{0x1C}, 2},  {{0x1D}, 2},
      {{0x1E}, 3},  {{0x1F}, 9},  {{0x20}, 8},  {{0x40}, 8},  {{0x60}, 8},  {{0x21}, 3},
      {{0x41}, 3},  {{0x61}, 3},  {{0x22}, 4},  {{0x62}, 4},  {{0x29}, 3},  {{0x23}, 5},
      {{0x24}, 5},  {{0x44}, 5},  {{0x25}, 9},  {{0x65}, 9},  {{0x2A}, 5},  {{0x2B}, 9},
      {{0x2C}, 5},  {{0x4C}, 5},  {{0x2D}, 9},  {{0x39}, 7},  {{0x59}, 7},  {{0x3A}, 7},
      {{0x7A}, 7},  {{0x3B}, 11}, {{0x5B}, 11}, {{0x3C}, 7},  {{0x3D}, 11}, {{0x7D}, 11},
      // Not known.
      {{0x00}, std::nullopt}, {{0x18}, std::nullopt}, {{0x1A}, std::nullopt},
      {{0x1B}, std::nullopt}, {{0x26}, std::nullopt}, {{0x27}, std::nullopt},
      {{0x28}, std::nullopt}, {{0x2E}, std::nullopt}, {{0x2F}, std::nullopt},
      {{0x46}, std::nullopt}, {{0x49}, std::nullopt}, {{0x69}, std::nullopt},
      {{0x80}, std::nullopt}, {{0xFF}, std::nullopt},
      // str: compressed, 16-bit, with runs, with far-east data, cut short.
      {{0x17, 3, 0x00}, 6}, {{0x17, 3, 0x01}, 9}, {{0x17, 1, 0x08, 2, 0}, 3 + 1 + 2 + 8},
      {{0x17, 1, 0x0C, 1, 0, 5, 0, 0, 0}, 3 + 1 + 2 + 4 + 4 + 5}, {{0x17, 1}, std::nullopt},
      {{0x17, 1, 0x08, 2}, std::nullopt},
      // attr: plain, choose with 2 entries, cut short.
      {{0x19, 0x01, 0, 0}, 4}, {{0x19, 0x04, 2, 0}, 4 + 6}, {{0x19, 0x04}, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(FormulaTokenSize(c.Token), c.Size) << std::hex << int{c.Token[0]};
}

TEST(AreFormulaTokensKnown, WalksTheWholeArray) {
  EXPECT_TRUE(AreFormulaTokensKnown(Bytes{}));
  EXPECT_TRUE(AreFormulaTokensKnown(Bytes{0x1E, 1, 0, 0x1E, 2, 0, 0x03}));
  EXPECT_FALSE(AreFormulaTokensKnown(Bytes{0x1E, 1, 0, 0x18}));
  EXPECT_FALSE(AreFormulaTokensKnown(Bytes{0x1E, 1}));
}

}  // namespace
}  // namespace tabulon
