#include "XlsAdapter/biff/WorkbookRecords.h"

#include "XlsAdapter/biff/ExcelString.h"

namespace tabulon {

TWordFlagRecord::TWordFlagRecord(uint16_t aId, std::vector<uint8_t> aData)
    : TBaseRecord(aId, std::move(aData)) {
  RequireSize(2);
}

TWindow1Record::TWindow1Record(uint16_t aId, std::vector<uint8_t> aData)
    : TBaseRecord(aId, std::move(aData)) {
  RequireSize(12);
}

std::u16string TCodeNameRecord::Value() const {
  if (DataSize() == 0) return {};
  const TBaseRecord* record = this;
  uint32_t ofs = 0;
  return TExcelString(2, record, ofs).GetValue();
}

}  // namespace tabulon
