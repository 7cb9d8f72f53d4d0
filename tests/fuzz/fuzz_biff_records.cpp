// Any bytes as a workbook stream: read record by record to the end and
// decode every cell, string and shared string table met on the way. Only
// the reader's own failures may come out.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "XlsAdapter/biff/FormulaRecords.h"
#include "XlsAdapter/biff/MultipleValueRecords.h"
#include "XlsAdapter/biff/SST.h"
#include "XlsAdapter/biff/TextCellRecords.h"
#include "XlsAdapter/ole2/ExcelException.h"
#include "tests/support/BiffBuilder.h"
#include "tests/support/RecordWalk.h"

namespace {

using namespace tabulon;

void Decode(TBaseRecord& record, TSST& sst) {
  if (dynamic_cast<TSSTRecord*>(&record)) sst.Load(record);
  if (auto* label = dynamic_cast<TLabelSSTRecord*>(&record)) label->AttachToSST(sst);
  if (auto* packed = dynamic_cast<TMultipleValueRecord*>(&record)) {
    while (!packed->Eof()) packed->ExtractOneRecord()->CellValue();
  }
  if (auto* cell = dynamic_cast<TCellRecord*>(&record)) {
    TRTFRunList runs;
    cell->CellValue(&runs);
  }
  if (auto* text = dynamic_cast<TStringRecord*>(&record)) text->Value();
  if (auto* formula = dynamic_cast<TFormulaRecord*>(&record)) {
    uint32_t key;
    formula->IsExp(key);
    const std::vector<uint8_t> tokens = record.Data();  // as if it were shared data
    formula->MixShared(tokens);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 0x10000) return 0;
  try {
    testing::TOpenedStream opened(std::vector<uint8_t>(data, data + size));
    TSST sst;  // outlives the cells attached to it
    testing::LoadAllRecords(opened.File(), [&](TBaseRecord& record) { Decode(record, sst); });
    sst.Sort();
  } catch (const EExcelException&) {
  }
  return 0;
}
