#include <gtest/gtest.h>

#include <cmath>

#include "XlsAdapter/biff/CellRecord.h"
#include "XlsAdapter/biff/FormulaRecords.h"
#include "XlsAdapter/biff/MultipleValueRecords.h"
#include "XlsAdapter/biff/RecordFactory.h"
#include "XlsAdapter/biff/TextCellRecords.h"
#include "XlsAdapter/biff/ValueCellRecords.h"
#include "tests/biff/BiffTestUtil.h"

namespace tabulon {
namespace {

using testing::Bytes;
using testing::Concat;
using testing::TByteWriter;

Bytes Head(uint16_t xf = 15) { return TByteWriter().U16(3).U16(4).U16(xf).Take(); }

std::unique_ptr<TCellRecord> MakeCell(uint16_t id, const Bytes& data) {
  std::unique_ptr<TBaseRecord> record = CreateRecord(id, data);
  auto* cell = dynamic_cast<TCellRecord*>(record.get());
  EXPECT_NE(cell, nullptr);
  record.release();
  return std::unique_ptr<TCellRecord>(cell);
}

TEST(RKToDouble, DecodesBothFormsAndTheHundredthFlag) {
  const std::pair<uint32_t, double> cases[] = {
      {0x3FF00000, 1.0}, {0x3FF00001, 0.01},  {0x0000000A, 2.0}, {0xFFFFFFFE, -1.0},
      {0x00000193, 1.0}, {0x00000192, 100.0}, {0x7FFFFFFE, 536870911.0},
      {0x80000002, -536870912.0}, {0xC0000000, -2.0}};
  for (const auto& [rk, value] : cases) EXPECT_EQ(RKToDouble(rk), value) << std::hex << rk;
}

TEST(CellRecords, ValuesByKind) {
  const auto cell = [](const Bytes& tail) { return Concat({Head(), tail}); };
  const auto formula = [](const Bytes& result8) {
    return testing::FormulaData(3, 4, 15, result8, {0x1E, 1, 0});
  };
  struct Case {
    const char* Label;
    uint16_t Id;
    Bytes Data;
    TCellVariant Value;
  };
  const Case cases[] = {
      {"BLANK", 0x0201, cell({}), std::monostate{}},
      {"NUMBER", 0x0203, cell(TByteWriter().F64(-2.5).Take()), -2.5},
      {"RK", 0x027E, cell(TByteWriter().U32(0x3FF00000).Take()), 1.0},
      {"BOOLERR true", 0x0205, cell({2, 0}), true},
      {"BOOLERR false", 0x0205, cell({0, 0}), false},
      {"BOOLERR #DIV/0!", 0x0205, cell({0x07, 1}), u"#DIV/0!"},
      {"BOOLERR #N/A", 0x0205, cell({0x2A, 1}), u"#N/A"},
      {"BOOLERR unknown code", 0x0205, cell({0x05, 1}), u"#NULL!"},
      {"LABEL", 0x0204, cell(testing::XlString(u"Smith")), u"Smith"},
      {"RSTRING", 0x00D6, cell(Concat({testing::XlString(u"Ann"), {1, 0, 0, 0, 2, 0}})), u"Ann"},
      {"FORMULA number", 0x0006, formula(TByteWriter().F64(7).Take()), 7.0},
      {"FORMULA text", 0x0006, formula({0, 0, 0, 0, 0, 0, 0xFF, 0xFF}), u""},
      {"FORMULA true", 0x0006, formula({1, 0, 1, 0, 0, 0, 0xFF, 0xFF}), true},
      {"FORMULA 2 is not true", 0x0006, formula({1, 0, 2, 0, 0, 0, 0xFF, 0xFF}), false},
      {"FORMULA error", 0x0006, formula({2, 0, 0x17, 0, 0, 0, 0xFF, 0xFF}), u"#REF!"},
      {"FORMULA unknown error", 0x0006, formula({2, 0, 0x05, 0, 0, 0, 0xFF, 0xFF}), std::monostate{}},
      {"FORMULA empty text", 0x0006, formula({3, 0, 0, 0, 0, 0, 0xFF, 0xFF}), std::monostate{}},
  };
  for (const Case& c : cases) {
    const auto record = MakeCell(c.Id, c.Data);
    EXPECT_EQ(record->GetValue(), c.Value) << c.Label;
    EXPECT_EQ(record->CellValue().IsFormula, c.Id == 0x0006) << c.Label;
    EXPECT_EQ(record->CellValue().XF, 15) << c.Label;
  }
}

TEST(CellRecords, CellValueCarriesTheXFAndTheRuns) {
  const auto blank = MakeCell(0x0201, Head(21));
  const TXlsCellValue value = blank->CellValue();
  EXPECT_TRUE(std::holds_alternative<std::monostate>(value.Value));
  EXPECT_EQ(value.XF, 21);
  EXPECT_FALSE(value.IsFormula);

  const auto rstring = MakeCell(0x00D6, Concat({Head(), testing::XlString(u"Ann"),
                                                TByteWriter().U16(2).U16(0).U16(3).U16(1).U16(4).Take()}));
  TRTFRunList runs;
  EXPECT_EQ(rstring->CellValue(&runs).Value, TCellVariant(u"Ann"));
  EXPECT_EQ(runs, (TRTFRunList{{0, 3}, {1, 4}}));
  // Runs announced beyond the record.
  const auto broken = MakeCell(0x00D6, Concat({Head(), testing::XlString(u"Ann"), {5, 0, 0, 0}}));
  EXPECT_EQ(FailureOf([&] { broken->CellValue(&runs); }), "Error reading record");
}

TEST(CellRecords, FormulaAndTableSetTheirRecalculationBits) {
  const auto formula = MakeCell(0x0006, testing::FormulaData(0, 0, 0, Bytes(8, 0), {}));
  EXPECT_EQ(formula->Data()[14], 0x02);
  const auto table = CreateRecord(0x0236, Bytes(16, 0));
  EXPECT_EQ(table->Data()[6], 0x03);
}

TEST(CellRecords, StringRecordHoldsTheFormulaText) {
  const auto record = CreateRecord(0x0207, testing::XlString(u"total"));
  EXPECT_EQ(dynamic_cast<const TStringRecord&>(*record).Value(), u"total");
}

struct Expanded {
  uint16_t Id;
  uint16_t Row, Col, XF;
  TCellVariant Value;
  bool operator==(const Expanded&) const = default;
};

std::vector<Expanded> Expand(uint16_t id, const Bytes& data) {
  auto record = CreateRecord(id, data);
  auto& packed = dynamic_cast<TMultipleValueRecord&>(*record);
  std::vector<Expanded> cells;
  while (!packed.Eof()) {
    const auto cell = packed.ExtractOneRecord();
    cells.push_back({cell->Id(), cell->Row(), cell->Column(), cell->XF(), cell->GetValue()});
  }
  return cells;
}

TEST(TMultipleValueRecord, ExpandsEntriesByDataSizeAlone) {
  // MULRK of 24 bytes: 3 entries, whatever the last-column field says.
  const Bytes mulrk = TByteWriter().U16(7).U16(2).U16(20).U32(0x0000000A).U16(21).U32(0x3FF00000)
                          .U16(22).U32(0x00000193).U16(0).Take();
  EXPECT_EQ(Expand(0x00BD, mulrk), (std::vector<Expanded>{{0x027E, 7, 2, 20, 2.0},
                                                            {0x027E, 7, 3, 21, 1.0},
                                                            {0x027E, 7, 4, 22, 1.0}}));
  const Bytes mulblank = TByteWriter().U16(1).U16(0).U16(30).U16(31).U16(1).Take();
  EXPECT_EQ(Expand(0x00BE, mulblank), (std::vector<Expanded>{{0x0201, 1, 0, 30, std::monostate{}},
                                                             {0x0201, 1, 1, 31, std::monostate{}}}));
  EXPECT_TRUE(Expand(0x00BE, Bytes(6, 0)).empty());
  EXPECT_TRUE(Expand(0x00BD, Bytes(10, 0)).empty());
  EXPECT_TRUE(Expand(0x00BD, Bytes(3, 0)).empty());
}

TEST(TMultipleValueRecord, DropsEntriesPastColumn255) {
  const Bytes mulblank = TByteWriter().U16(1).U16(254).U16(30).U16(31).U16(32).U16(33).U16(257).Take();
  const auto cells = Expand(0x00BE, mulblank);
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_EQ(cells.back().Col, 255);
  EXPECT_TRUE(Expand(0x00BE, TByteWriter().U16(1).U16(300).U16(30).U16(300).Take()).empty());
}

TEST(TFormulaRecord, SharedFormulaKeyAndTokens) {
  const Bytes exp = {0x01, 0x05, 0x00, 0x02, 0x00};  // row 5, column 2
  auto record = CreateRecord(0x0006, testing::FormulaData(9, 2, 15, TByteWriter().F64(4).Take(), exp));
  auto& formula = dynamic_cast<TFormulaRecord&>(*record);
  uint32_t key = 0;
  ASSERT_TRUE(formula.IsExp(key));
  EXPECT_EQ(key, 5u + 2u * 65536u);
  EXPECT_FALSE(dynamic_cast<TFormulaRecord&>(*CreateRecord(
                   0x0006, testing::FormulaData(0, 0, 0, Bytes(8, 0), {0x1E, 1, 0})))
                   .IsExp(key));

  struct Case {
    const char* Label;
    Bytes Tokens;
    bool Taken;
  };
  const Case cases[] = {
      {"refn plus int", {0x4C, 0, 0, 0, 0xC0, 0x1E, 1, 0, 0x03}, true},
      {"unknown token", {0x4C, 0, 0, 0, 0xC0, 0x18, 0x03}, false},
      {"token past the array", {0x1F, 0, 0}, false},
      {"string with runs", {0x17, 2, 0x08, 1, 0, 'a', 'b', 0, 0, 1, 0}, true},
      {"attr choose", {0x19, 0x04, 1, 0, 0, 0, 0, 0}, true},
  };
  for (const Case& c : cases) {
    auto copy = CreateRecord(0x0006, testing::FormulaData(9, 2, 15, TByteWriter().F64(4).Take(), exp));
    auto& target = dynamic_cast<TFormulaRecord&>(*copy);
    const Bytes shared = TByteWriter().U16(5).U16(9).U8(2).U8(2).U8(0).U8(3)
                             .U16(static_cast<uint16_t>(c.Tokens.size())).Raw(c.Tokens).Take();
    EXPECT_EQ(target.MixShared(shared), c.Taken) << c.Label;
    const Bytes expected = c.Taken ? Concat({Bytes(copy->Data().begin(), copy->Data().begin() + 20),
                                             Bytes(shared.begin() + 8, shared.end())})
                                   : copy->Data();
    EXPECT_EQ(copy->Data(), expected) << c.Label;
    EXPECT_EQ(copy->DataSize(), c.Taken ? shared.size() + 12 : 27u) << c.Label;
    EXPECT_EQ(target.GetValue(), TCellVariant(4.0)) << c.Label;
  }
}

TEST(CheckCellAddress, RefusesRowsAndColumnsOutsideTheSheet) {
  EXPECT_EQ(FailureOf([] { CheckCellAddress(65535, 255); }), "no failure");
  EXPECT_EQ(FailureOf([] { CheckCellAddress(0, 256); }), "Invalid Column (256)");
  EXPECT_EQ(FailureOf([] { CheckCellAddress(-1, 0); }), "Invalid Row (-1)");
  EXPECT_EQ(FailureOf([] { CheckCellAddress(65536, 300); }), "Invalid Row (65536)");
}

}  // namespace
}  // namespace tabulon
