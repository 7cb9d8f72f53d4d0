#include "XlsAdapter/biff/BofRecords.h"

#include "XlsAdapter/ole2/ExcelException.h"
#include "XlsAdapter/ole2/XlsMessages.h"

namespace tabulon {

TBOFRecord::TBOFRecord(uint16_t aId, std::vector<uint8_t> aData)
    : TBaseRecord(aId, std::move(aData)) {
  RequireSize(4);
  if (GetWord(0) != kBiff8) throw EExcelException(XlsMessages::InvalidExcelVersion);
}

}  // namespace tabulon
