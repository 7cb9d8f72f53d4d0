#include "XlsAdapter/biff/SST.h"

#include <gtest/gtest.h>

#include "XlsAdapter/biff/TextCellRecords.h"
#include "tests/biff/BiffTestUtil.h"

namespace tabulon {
namespace {

using testing::Bytes;
using testing::Concat;
using testing::TByteWriter;
using testing::TXlString;

Bytes SstHead(uint32_t count) { return TByteWriter().U32(count).U32(count).Take(); }

std::vector<std::u16string> Strings(const TSST& sst) {
  std::vector<std::u16string> out;
  for (size_t i = 0; i < sst.Count(); ++i) out.push_back(sst.GetString(sst.EntryAt(i)));
  return out;
}

std::unique_ptr<TLabelSSTRecord> Cell(uint32_t index) {
  return std::make_unique<TLabelSSTRecord>(0x00FD, TByteWriter().U16(1).U16(2).U16(15).U32(index).Take());
}

TEST(TSST, LoadsStringsAcrossContinueBoundaries) {
  const Bytes rich = TXlString{u"rich", 2, false, {{0, 5}, {2, 6}}, {}}.Encode();
  struct Case {
    const char* Label;
    std::vector<Bytes> Pieces;
    std::vector<std::u16string> Strings;
  };
  const Case cases[] = {
      {"one record", {Concat({SstHead(2), testing::XlString(u"a"), testing::XlString(u"bc")})},
       {u"a", u"bc"}},
      {"boundary between strings",
       {Concat({SstHead(2), testing::XlString(u"a")}), testing::XlString(u"bc")}, {u"a", u"bc"}},
      {"boundary inside the characters",
       {Concat({SstHead(3), testing::XlString(u"a"), {3, 0, 0, 'x'}}), {1, 'y', 0, 'z', 0},
        testing::XlString(u"q")},
       {u"a", u"xyz", u"q"}},
      {"boundary inside the run list",
       {Concat({SstHead(2), Bytes(rich.begin(), rich.end() - 3)}),
        Concat({Bytes(rich.end() - 3, rich.end()), testing::XlString(u"q")})},
       {u"rich", u"q"}},
      {"count 0", {SstHead(0)}, {}},
      {"strings beyond the count are ignored",
       {Concat({SstHead(1), testing::XlString(u"a"), testing::XlString(u"b")})}, {u"a"}},
  };
  for (const Case& c : cases) {
    TSST sst;
    sst.Load(*Chained(0x00FC, c.Pieces));
    EXPECT_EQ(Strings(sst), c.Strings) << c.Label;
  }
}

TEST(TSST, RefusesACountBeyondItsStrings) {
  TSST sst;
  EXPECT_EQ(FailureOf([&] { sst.Load(*Chained(0x00FC, {Concat({SstHead(3), testing::XlString(u"a")})})); }),
            "Error reading record");
  EXPECT_EQ(FailureOf([&] { sst.Load(*Chained(0x00FC, {{1, 0, 0}})); }), "Error reading record");
}

TEST(TSST, KeepsEntriesInStoredFormWithRunsAndFarEastData) {
  TSST sst;
  const Bytes rich = TXlString{u"r\u0101ch", 2, false, {{0, 5}, {2, 6}}, {9, 9}}.Encode();
  sst.Load(*Chained(0x00FC, {Concat({SstHead(2), rich, testing::XlString(u"plain")})}));
  const uint32_t entry = sst.EntryAt(0);
  EXPECT_EQ(Bytes(sst.GetEntry(entry), sst.GetEntry(entry) + 12), Bytes(12, 0));
  EXPECT_EQ(Bytes(sst.GetEntry(entry) + 12, sst.GetEntry(entry) + 12 + rich.size()), rich);
  EXPECT_EQ(sst.GetString(entry), u"r\u0101ch");
  const TRichString value = sst.GetRichString(entry);
  EXPECT_EQ(value.Value, u"r\u0101ch");
  EXPECT_EQ(value.RTFRuns, (TRTFRunList{{0, 5}, {2, 6}}));
  EXPECT_TRUE(sst.GetRichString(sst.EntryAt(1)).RTFRuns.empty());
}

TEST(TSST, SortsByEntryOrderAndFindsTheFirstEqualEntry) {
  TSST sst;
  const std::vector<std::u16string> words = {u"pear", u"fig", u"apple", u"fig", u"\u0101", u"kiwi"};
  TByteWriter data;
  data.Raw(SstHead(static_cast<uint32_t>(words.size())));
  for (const auto& word : words) data.Raw(testing::XlString(word));
  sst.Load(*Chained(0x00FC, {data.Take()}));
  const uint32_t pear = sst.EntryAt(0);
  const uint32_t fig = sst.EntryAt(1);
  sst.Sort();
  // Shorter entries first, then by bytes: the 16-bit "ā" is 2 bytes of characters.
  EXPECT_EQ(Strings(sst), (std::vector<std::u16string>{u"\u0101", u"fig", u"fig", u"kiwi", u"pear", u"apple"}));
  size_t index = 99;
  EXPECT_TRUE(sst.Find(fig, index));
  EXPECT_EQ(index, 1u);
  EXPECT_TRUE(sst.Find(pear, index));
  EXPECT_EQ(index, 4u);
}

TEST(TSST, ClearKeepsTheArenaAndFindGivesTheInsertionPosition) {
  TSST sst;
  sst.Load(*Chained(0x00FC, {Concat({SstHead(1), testing::XlString(u"b")})}));
  const uint32_t b = sst.EntryAt(0);
  sst.Clear();  // "b" stays in the arena, out of the list
  sst.Load(*Chained(0x00FC, {Concat({SstHead(2), testing::XlString(u"c"), testing::XlString(u"a")})}));
  sst.Sort();
  EXPECT_EQ(Strings(sst), (std::vector<std::u16string>{u"a", u"c"}));
  EXPECT_EQ(sst.GetString(b), u"b");
  size_t index = 99;
  EXPECT_FALSE(sst.Find(b, index));
  EXPECT_EQ(index, 1u);
}

TEST(TLabelSSTRecord, AttachesByIndexAndCountsReferences) {
  TSST sst;
  sst.Load(*Chained(0x00FC, {Concat({SstHead(2), testing::XlString(u"first"),
                                      TXlString{u"last", 2, false, {{1, 7}}, {}}.Encode()})}));
  const uint32_t last = sst.EntryAt(1);
  {
    auto a = Cell(1);
    auto b = Cell(1);
    a->AttachToSST(sst);
    b->AttachToSST(sst);
    EXPECT_EQ(sst.RefCount(last), 2);
    sst.Sort();  // cells hold offsets: the sort does not move them
    EXPECT_EQ(std::get<std::u16string>(a->GetValue()), u"last");
    TRTFRunList runs;
    EXPECT_EQ(std::get<std::u16string>(a->GetValueX2(runs)), u"last");
    EXPECT_EQ(runs, (TRTFRunList{{1, 7}}));
    EXPECT_EQ(a->CellValue().XF, 15);
    EXPECT_FALSE(a->CellValue().IsFormula);
  }
  EXPECT_EQ(sst.RefCount(last), 0);

  auto beyond = Cell(2);
  EXPECT_EQ(FailureOf([&] { beyond->AttachToSST(sst); }), "Error reading Excel records. File invalid");
  EXPECT_TRUE(std::holds_alternative<std::monostate>(beyond->GetValue()));
  TSST empty;
  empty.Load(*Chained(0x00FC, {SstHead(0)}));
  auto any = Cell(0);
  EXPECT_EQ(FailureOf([&] { any->AttachToSST(empty); }), "Error reading Excel records. File invalid");
}

TEST(TLabelSSTRecord, ReferenceCountStopsAtItsWidth) {
  TSST sst;
  sst.Load(*Chained(0x00FC, {Concat({SstHead(1), testing::XlString(u"x")})}));
  std::vector<std::unique_ptr<TLabelSSTRecord>> cells;
  for (int i = 0; i < 0x10001; ++i) {
    cells.push_back(Cell(0));
    cells.back()->AttachToSST(sst);
  }
  EXPECT_EQ(sst.RefCount(sst.EntryAt(0)), 0xFFFF);
  cells.clear();
  EXPECT_EQ(sst.RefCount(sst.EntryAt(0)), 0xFFFF);
}

}  // namespace
}  // namespace tabulon
