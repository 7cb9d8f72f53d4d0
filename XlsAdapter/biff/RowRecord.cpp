#include "XlsAdapter/biff/RowRecord.h"

#include "XlsAdapter/biff/RecordHeader.h"
#include "XlsAdapter/ole2/ExcelException.h"
#include "XlsAdapter/ole2/XlsMessages.h"
#include "platform/LittleEndian.h"
#include "platform/Printf.h"

namespace tabulon {

TRowRecord::TRowRecord(uint16_t aId, std::vector<uint8_t> aData)
    : TBaseRowColRecord(aId, std::move(aData)) {
  RequireSize(16);
  SetU16(&FData[8], 0);
}

std::unique_ptr<TRowRecord> TRowRecord::CreateStandard(uint16_t aRow) {
  std::vector<uint8_t> data(16, 0);
  SetU16(&data[0], aRow);
  SetU16(&data[6], 255);
  data[13] = 1;
  data[14] = kDefaultXF;
  return std::make_unique<TRowRecord>(RecordId::Row, std::move(data));
}

void TRowRecordList::AddRecord(std::unique_ptr<TRowRecord> aRecord) {
  const size_t row = aRecord->Row();
  if (FRows.try_emplace(row, std::move(aRecord)).second && row >= FCount) FCount = row + 1;
}

void TRowRecordList::AddRow(uint16_t aRow) {
  if (!HasRow(aRow)) AddRecord(TRowRecord::CreateStandard(aRow));
}

const TRowRecord& TRowRecordList::GetItems(size_t aRow) const {
  const auto it = FRows.find(aRow);
  if (it == FRows.end()) {
    throw EExcelException(Printf(XlsMessages::MissingRowRecord, static_cast<int>(aRow)));
  }
  return *it->second;
}

bool TRowRecordList::IsAutoRowHeight(size_t aRow) const {
  const auto it = FRows.find(aRow);
  return it == FRows.end() || it->second->IsAutoHeight();
}

void TRowRecordList::Clear() {
  FRows.clear();
  FCount = 0;
}

}  // namespace tabulon

