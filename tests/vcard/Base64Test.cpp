#include "vcard/Base64.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

using namespace std::string_literals;

TEST(Base64, EncodesGroupsAndPadding) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},       {"a", "YQ=="},         {"ab", "YWI="},
      {"abc", "YWJj"}, {"abcd", "YWJjZA=="}, {"\xFF\xFE\x00"s, "//4A"}};
  for (const auto& [bytes, text] : cases) {
    EXPECT_EQ(Base64Encode(std::string_view(bytes)), text) << text;
    EXPECT_EQ(Base64Decode(text), bytes) << text;
  }
}

TEST(Base64, TextEncodesTheLowByteOfEachCharacter) {
  EXPECT_EQ(Base64Encode(std::u16string_view(u"abc")), u"YWJj");
  EXPECT_EQ(Base64Encode(std::u16string_view(u"\u0161")), Base64Encode(std::u16string_view(u"a")));
}

TEST(Base64, GroupWritesPaddingForShortCounts) {
  EXPECT_EQ(std::string(Base64EncodeGroup('a', 0, 0, 1).data(), 4), "YQ==");
  EXPECT_EQ(std::string(Base64EncodeGroup('a', 'b', 0, 2).data(), 4), "YWI=");
}

TEST(Base64, DecodingStopsAtTheFirstCharacterOutsideTheAlphabet) {
  const std::pair<std::string, std::string> cases[] = {
      {"YW Jj", "a"},   {"YWJj\r\nYWJj", "abc"}, {"YQ==YWJj", "a"},
      {"Y", ""},        {"YWJ", "ab"},           {"!YWJj", ""}};
  for (const auto& [text, bytes] : cases) EXPECT_EQ(Base64Decode(text), bytes) << text;
}

TEST(Base64, RoundTripsEveryByte) {
  std::string all;
  for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
  EXPECT_EQ(Base64Decode(Base64Encode(std::string_view(all))), all);
}

}  // namespace
}  // namespace tabulon
