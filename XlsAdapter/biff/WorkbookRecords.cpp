#include "XlsAdapter/biff/WorkbookRecords.h"

#include "XlsAdapter/biff/ExcelString.h"

namespace tabulon {

std::u16string TCodeNameRecord::Value() const {
  if (DataSize() == 0) return {};
  const TBaseRecord* record = this;
  uint32_t ofs = 0;
  return TExcelString(2, record, ofs).GetValue();
}

}  // namespace tabulon
