// Helpers shared by the record tests.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"
#include "XlsAdapter/biff/RecordReader.h"
#include "XlsAdapter/ole2/ExcelException.h"
#include "tests/support/BiffBuilder.h"
#include "tests/support/RecordWalk.h"

namespace tabulon {

// The message of the EExcelException `action` raises, or "no failure".
inline std::string FailureOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const EExcelException& e) {
    return e.what();
  }
  return "no failure";
}

// Every record of a workbook stream.
inline std::vector<std::unique_ptr<TBaseRecord>> LoadAll(const testing::Bytes& stream) {
  testing::TOpenedStream opened(stream);
  return testing::LoadAllRecords(opened.File());
}

// A record made in memory from its pieces: data, then one CONTINUE per
// further piece.
inline std::unique_ptr<TBaseRecord> Chained(uint16_t id, const std::vector<testing::Bytes>& pieces) {
  auto record = std::make_unique<TBaseRecord>(id, pieces.at(0));
  TBaseRecord* last = record.get();
  for (size_t i = 1; i < pieces.size(); ++i) {
    auto next = std::make_unique<TContinueRecord>(0x003C, pieces[i]);
    TBaseRecord* added = next.get();
    last->AddContinue(std::move(next));
    last = added;
  }
  return record;
}

}  // namespace tabulon
