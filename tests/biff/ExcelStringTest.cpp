#include "XlsAdapter/biff/ExcelString.h"

#include <gtest/gtest.h>

#include "XlsAdapter/biff/ContinuedReader.h"
#include "tests/biff/BiffTestUtil.h"

namespace tabulon {
namespace {

using testing::Bytes;
using testing::TByteWriter;

struct Decoded {
  std::u16string Text;
  uint8_t Options;
  Bytes Runs;
  Bytes FarEast;
  // Where decoding ended: index of the record in the chain and position.
  int RecordIndex;
  uint32_t Pos;
};

Decoded Decode(const std::vector<Bytes>& pieces, int countWidth = 2) {
  const auto record = Chained(0x0204, pieces);
  const TBaseRecord* current = record.get();
  uint32_t pos = 0;
  const TExcelString text(countWidth, current, pos);
  int index = 0;
  for (const TBaseRecord* r = record.get(); r != current; r = r->Continue()) ++index;
  return {text.GetValue(), text.OptionFlags, text.RichTextFormats, text.FarEastData, index, pos};
}

TEST(TExcelString, DecodesStringsSplitOverContinueRecords) {
  struct Case {
    const char* Label;
    std::vector<Bytes> Pieces;
    std::u16string Text;
    uint8_t Options;
    int CountWidth = 2;
  };
  const Case cases[] = {
      {"compressed", {{3, 0, 0, 'a', 'b', 'c'}}, u"abc", 0},
      {"16-bit", {{2, 0, 1, 'a', 0, 0x01, 0x04}}, u"a\u0401", 1},
      {"1-byte count", {{2, 0, 'h', 'i'}}, u"hi", 0, 1},
      {"compressed then compressed", {{4, 0, 0, 'a', 'b'}, {0, 'c', 'd'}}, u"abcd", 0},
      {"compressed then 16-bit", {{4, 0, 0, 'a', 'b'}, {1, 'c', 0, 0x01, 0x04}}, u"abc\u0401", 1},
      {"16-bit then compressed", {{4, 0, 1, 0x01, 0x04, 'b', 0}, {0, 0xE9, 'd'}}, u"\u0401b\u00E9d", 1},
      {"16-bit then 16-bit", {{3, 0, 1, 'a', 0}, {1, 'b', 0, 'c', 0}}, u"abc", 1},
      {"boundary right after the header", {{2, 0, 0}, {1, 'x', 0, 'y', 0}}, u"xy", 1},
      {"three segments", {{3, 0, 0, 'a'}, {0, 'b'}, {1, 'c', 0}}, u"abc", 1},
      {"one byte is the code unit", {{1, 0, 0, 0xE9}}, u"\u00E9", 0},
      {"dangling byte of a 16-bit segment", {{2, 0, 1, 'a', 0, 'z'}, {1, 'b', 0}}, u"ab", 1},
  };
  for (const Case& c : cases) {
    const Decoded d = Decode(c.Pieces, c.CountWidth);
    EXPECT_EQ(d.Text, c.Text) << c.Label;
    EXPECT_EQ(d.Options & 1, c.Options) << c.Label;
    EXPECT_EQ(d.RecordIndex, static_cast<int>(c.Pieces.size()) - 1) << c.Label;
    EXPECT_EQ(d.Pos, c.Pieces.back().size()) << c.Label;
  }
}

TEST(TExcelString, ReadsRunsAndFarEastDataAcrossBoundariesWithoutOptionBytes) {
  // "ab" with 2 runs and 3 bytes of far-east data.
  const Bytes whole = TByteWriter().U16(2).U8(0x0C).U16(2).U32(3).Raw({'a', 'b'})
                          .U16(0).U16(5).U16(1).U16(6).Raw({7, 8, 9}).Take();
  for (size_t split = 11; split < whole.size(); ++split) {  // after the characters
    const Bytes first(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(split));
    const Bytes second(whole.begin() + static_cast<std::ptrdiff_t>(split), whole.end());
    const Decoded d = Decode({first, second});
    EXPECT_EQ(d.Text, u"ab") << split;
    EXPECT_EQ(d.Runs, Bytes({0, 0, 5, 0, 1, 0, 6, 0})) << split;
    EXPECT_EQ(d.FarEast, Bytes({7, 8, 9})) << split;
  }
}

TEST(TExcelString, EmptyStringDoesNotTouchTheNextRecord) {
  const Decoded d = Decode({{0, 0, 0}, {1, 'x', 0}});
  EXPECT_EQ(d.Text, u"");
  EXPECT_EQ(d.RecordIndex, 0);
  EXPECT_EQ(d.Pos, 3u);
}

TEST(TExcelString, RefusesStringsThatRunPastTheChain) {
  struct Case {
    const char* Label;
    std::vector<Bytes> Pieces;
  };
  const Case cases[] = {
      {"characters", {{5, 0, 0, 'a', 'b'}}},
      {"characters, empty continuation", {{5, 0, 0, 'a', 'b'}, {}}},
      {"count", {{5}}},
      {"option byte", {{5, 0}}},
      {"run count", {{1, 0, 0x08, 2}}},
      {"runs", {{1, 0, 0x08, 2, 0, 'a', 0, 0, 0, 0}}},
      {"far-east size", {{1, 0, 0x04, 1, 0}}},
      {"huge far-east size", {{1, 0, 0x04, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 1, 2}}},
      {"16-bit characters", {{2, 0, 1, 'a', 0, 'b'}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FailureOf([&] { Decode(c.Pieces); }), "Error reading record") << c.Label;
  }
}

TEST(ReadContinuedBytes, FailsFromAPositionBeyondTheRecord) {
  const auto record = Chained(0x0204, {{1, 2}, {3}});
  const TBaseRecord* current = record.get();
  uint32_t pos = 3;
  uint8_t byte;
  EXPECT_EQ(FailureOf([&] { ReadContinuedBytes(current, pos, &byte, 1); }), "Error reading record");
  pos = 2;
  ReadContinuedBytes(current, pos, &byte, 1);
  EXPECT_EQ(byte, 3);
  EXPECT_EQ(FailureOf([&] { ReadContinuedBytes(current, pos, &byte, 1); }), "Error reading record");
}

TEST(ReadContinuedBytes, StepsOverEmptyContinueRecords) {
  const auto record = Chained(0x00FC, {{1, 2}, {}, {}, {3, 4}});
  const TBaseRecord* current = record.get();
  uint32_t pos = 1;
  uint8_t bytes[3] = {};
  ReadContinuedBytes(current, pos, bytes, 3);
  EXPECT_EQ(Bytes(bytes, bytes + 3), Bytes({2, 3, 4}));
  EXPECT_EQ(current, record->Continue()->Continue()->Continue());
  EXPECT_EQ(pos, 2u);
}

}  // namespace
}  // namespace tabulon
