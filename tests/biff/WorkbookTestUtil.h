// Helpers shared by the workbook-model tests.
#pragma once

#include <functional>
#include <memory>

#include "XlsAdapter/biff/RecordFactory.h"
#include "XlsAdapter/biff/RecordList.h"
#include "XlsAdapter/biff/Workbook.h"
#include "tests/biff/BiffTestUtil.h"

namespace tabulon {

// A workbook loaded from a workbook stream built in memory.
inline std::unique_ptr<TWorkbook> LoadWorkbook(const testing::Bytes& stream) {
  testing::TOpenedStream opened(stream);
  auto workbook = std::make_unique<TWorkbook>();
  workbook->LoadFromStream(opened.File());
  return workbook;
}

// A workbook of one worksheet whose records (between BOF and EOF) `body`
// writes; `globals` may add records to the globals.
inline std::unique_ptr<TWorkbook> LoadOneSheet(
    const std::function<void(testing::TBiffStream&)>& body,
    const std::function<void(testing::TBiffStream&)>& globals = {}) {
  testing::TBiffStream stream;
  stream.Bof(testing::kBofGlobals).BoundSheet(u"Sheet1");
  if (globals) globals(stream);
  stream.Eof().Bof(testing::kBofWorksheet);
  body(stream);
  stream.Eof();
  return LoadWorkbook(stream.Data());
}

// A record made by the record factory, as the class it is expected to be.
template <class TRecord>
std::unique_ptr<TRecord> MakeRecord(uint16_t id, const testing::Bytes& data) {
  std::unique_ptr<TBaseRecord> record = CreateRecord(id, data);
  return TakeAs<TRecord>(record);
}

}  // namespace tabulon
