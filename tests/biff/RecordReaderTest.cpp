#include "XlsAdapter/biff/RecordReader.h"

#include <gtest/gtest.h>

#include "XlsAdapter/biff/BofRecords.h"
#include "XlsAdapter/biff/FormulaRecords.h"
#include "XlsAdapter/biff/HLinkRecords.h"
#include "XlsAdapter/biff/SST.h"
#include "XlsAdapter/biff/TextCellRecords.h"
#include "XlsAdapter/biff/ValueCellRecords.h"
#include "platform/Printf.h"
#include "tests/biff/BiffTestUtil.h"

namespace tabulon {
namespace {

using testing::Bytes;
using testing::Concat;
using testing::TBiffStream;
using testing::TByteWriter;

const char kRecordsInvalid[] = "Error reading Excel records. File invalid";

// Ids of the records read, with the ids of each one's CONTINUE chain and
// attached records in brackets.
std::string Shape(const std::vector<std::unique_ptr<TBaseRecord>>& records) {
  std::string shape;
  for (const auto& record : records) {
    if (!shape.empty()) shape += ' ';
    shape += Printf("%x", record->Id());
    for (const TBaseRecord* c = record->Continue(); c != nullptr; c = c->Continue()) shape += "+3c";
    if (const auto* formula = dynamic_cast<const TFormulaRecord*>(record.get())) {
      if (formula->ArrayRecord()) shape += "[221]";
      if (formula->TableRecord()) shape += "[236]";
    }
    if (const auto* link = dynamic_cast<const THLinkRecord*>(record.get())) {
      if (link->Hint()) shape += "[800]";
    }
  }
  return shape;
}

TEST(LoadRecord, JoinsContinuesAndAttachesTheRecordsThatBelongToTheOneBefore) {
  const Bytes formula = testing::FormulaData(0, 0, 15, Bytes(8, 0), {0x1E, 1, 0});
  struct Case {
    const char* Label;
    Bytes Stream;
    std::string Shape;
  };
  const Case cases[] = {
      {"empty record", TBiffStream().Record(0x0862, {}).Number(0, 0, 0, 1).Data(), "862 203 a"},
      {"SST and three CONTINUEs",
       TBiffStream().RecordWithContinues(0x00FC, {{0, 0, 0, 0, 0, 0, 0, 0}, {}, {1}, {2}})
           .Blank(0, 0, 0).Data(),
       "fc+3c+3c+3c 201 a"},
      {"FORMULA, ARRAY, STRING",
       TBiffStream().Record(0x0006, formula).Record(0x0221, Bytes(12, 0)).String(u"x").Data(),
       "6[221] 207 a"},
      {"FORMULA, TABLE", TBiffStream().Record(0x0006, formula).Record(0x0236, Bytes(16, 0)).Data(),
       "6[236] a"},
      {"FORMULA, SHRFMLA, STRING",
       TBiffStream().Record(0x0006, formula).Record(0x04BC, Bytes(10, 0)).String(u"x").Data(),
       "6 4bc 207 a"},
      {"HLINK, HLINKTOOLTIP", TBiffStream().Record(0x01B8, Bytes(30, 1)).Record(0x0800, Bytes(12, 2)).Data(),
       "1b8[800] a"},
      {"no check after a CONTINUE chain",
       TBiffStream().RecordWithContinues(0x0203, {Bytes(14, 0), {1}}).Record(0x0221, {})
           .String(u"x").Data(),
       "203+3c 221 207 a"},
      {"no HLINKTOOLTIP check after a CONTINUE chain",
       TBiffStream().RecordWithContinues(0x0203, {Bytes(14, 0), {1}}).Record(0x0800, {}).Data(),
       "203+3c 800 a"},
      {"three bytes after the last record", TBiffStream().Blank(0, 0, 0).Raw({1, 2, 3}).Data(),
       "201 a"},
      {"stream ends after a record", TBiffStream().Blank(0, 0, 0).Data(), "201 a"},
  };
  for (const Case& c : cases) EXPECT_EQ(Shape(LoadAll(c.Stream)), c.Shape) << c.Label;
}

TEST(LoadRecord, KeepsTheBytesOfRecordsItDoesNotKnow) {
  const Bytes data = {1, 2, 3, 4, 5};
  const auto records = LoadAll(TBiffStream().Record(0x0862, data).Data());
  EXPECT_EQ(typeid(*records[0]), typeid(TBaseRecord));
  EXPECT_EQ(records[0]->Data(), data);
  EXPECT_EQ(records[0]->DataSize(), 5);
}

TEST(LoadRecord, RefusesRecordsWhereTheyCannotBe) {
  const Bytes formula = testing::FormulaData(0, 0, 15, Bytes(8, 0), {0x1E, 1, 0});
  struct Case {
    const char* Label;
    Bytes Stream;
    std::string Message;
  };
  const Case cases[] = {
      {"STRING after NUMBER", TBiffStream().Number(0, 0, 0, 1).String(u"x").Data(), kRecordsInvalid},
      {"TABLE after NUMBER", TBiffStream().Number(0, 0, 0, 1).Record(0x0236, Bytes(16, 0)).Data(),
       kRecordsInvalid},
      {"ARRAY after BLANK", TBiffStream().Blank(0, 0, 0).Record(0x0221, Bytes(12, 0)).Data(),
       kRecordsInvalid},
      {"HLINKTOOLTIP after FORMULA",
       TBiffStream().Record(0x0006, formula).Record(0x0800, Bytes(12, 0)).Data(), kRecordsInvalid},
      {"two TABLEs after FORMULA",
       TBiffStream().Record(0x0006, formula).Record(0x0236, Bytes(16, 0)).Record(0x0236, Bytes(16, 0))
           .Data(),
       kRecordsInvalid},
      {"FILEPASS (XOR)", TBiffStream().Bof(0x0005).Record(0x002F, {0, 0, 1, 2, 3, 4}).Data(),
       "File is password protected"},
      {"FILEPASS (RC4)", TBiffStream().Bof(0x0005).Record(0x002F, Bytes(54, 1)).Data(),
       "File is password protected"},
      {"BOF of BIFF5", TBiffStream().Bof(0x0005, 0x0500).Data(),
       "Template file is saved with an invalid Excel version"},
      {"record past the end of the stream", TBiffStream().Raw({0x03, 0x02, 20, 0}).Raw(Bytes(14, 0)).Data(),
       "End of stream reached with 6 bytes left to read"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FailureOf([&] { LoadAll(c.Stream); }), c.Message) << c.Label;
  }
}

TEST(LoadRecord, RefusesRecordsTooShortForTheirLayout) {
  struct Case {
    uint16_t Id;
    size_t Shortest;
  };
  // FORMULA, NOTE, RSTRING, LABELSST, BLANK, NUMBER, LABEL, BOOLERR, TABLE, RK, BOF.
  const Case cases[] = {{0x0006, 22}, {0x001C, 4}, {0x00D6, 6}, {0x00FD, 10}, {0x0201, 6},
                        {0x0203, 14}, {0x0204, 6}, {0x0205, 8},  {0x0236, 8},  {0x027E, 10},
                        {0x0809, 4}};
  for (const Case& c : cases) {
    Bytes data(c.Shortest, 0);
    if (c.Id == 0x0809) data[1] = 0x06;
    if (c.Id == 0x00D6 || c.Id == 0x0204) data = Concat({Bytes(6, 0), testing::XlString(u"")});
    EXPECT_EQ(FailureOf([&] { LoadAll(TBiffStream().Record(c.Id, data).Data()); }), "no failure")
        << std::hex << c.Id;
    data.resize(c.Shortest - 1);
    EXPECT_EQ(FailureOf([&] { LoadAll(TBiffStream().Record(c.Id, data).Data()); }),
              Printf("Record with ID 0x%x is invalid", c.Id));
  }
}

TEST(LoadRecord, ReadsTheBofType) {
  const auto records = LoadAll(TBiffStream().Bof(testing::kBofChart).Data());
  EXPECT_EQ(dynamic_cast<const TBOFRecord&>(*records[0]).BOFType(), testing::kBofChart);
}

TEST(TBaseRecord, HoldsOneContinueChainAndReleasesALongOneWithoutRecursion) {
  auto record = Chained(0x00FC, {{1}});
  EXPECT_EQ(FailureOf([&] {
              record->AddContinue(std::make_unique<TContinueRecord>(0x003C, Bytes{}));
              record->AddContinue(std::make_unique<TContinueRecord>(0x003C, Bytes{}));
            }),
            "Trying to add more than one CONTINUE record to the same record");
  TBaseRecord* last = record->Continue();
  for (int i = 0; i < 1000000; ++i) {
    auto next = std::make_unique<TContinueRecord>(0x003C, Bytes{});
    TBaseRecord* added = next.get();
    last->AddContinue(std::move(next));
    last = added;
  }
  record.reset();  // a recursive release would overflow the stack here
}

TEST(TBaseRecord, FieldsOutsideTheDataFail) {
  const TBaseRecord record(0x0862, {1, 2, 3});
  EXPECT_EQ(record.GetWord(1), 0x0302);
  EXPECT_EQ(FailureOf([&] { record.GetWord(2); }), "Error reading record");
  EXPECT_EQ(FailureOf([&] { record.GetCardinal(0); }), "Error reading record");
}

}  // namespace
}  // namespace tabulon
