#include "XlsAdapter/biff/BaseRecord.h"

#include "XlsAdapter/ole2/ExcelException.h"
#include "XlsAdapter/ole2/XlsErrors.h"
#include "XlsAdapter/ole2/XlsMessages.h"
#include "platform/LittleEndian.h"

namespace tabulon {

TBaseRecord::TBaseRecord(uint16_t aId, std::vector<uint8_t> aData)
    : FData(std::move(aData)), FId(aId) {}

TBaseRecord::~TBaseRecord() {
  std::unique_ptr<TContinueRecord> link = std::move(FContinue);
  while (link) link = std::move(link->FContinue);
}

void TBaseRecord::AddContinue(std::unique_ptr<TContinueRecord> aContinue) {
  if (FContinue) throw EExcelException(XlsMessages::MoreThanOneContinue);
  FContinue = std::move(aContinue);
}

void TBaseRecord::RequireSize(size_t minSize) const {
  if (FData.size() < minSize) FailInvalidRecord(FId);
}

void TBaseRecord::CheckField(size_t ofs, size_t width) const {
  if (ofs > FData.size() || FData.size() - ofs < width) FailErrorReadingRecord();
}

uint8_t TBaseRecord::GetByte(size_t ofs) const {
  CheckField(ofs, 1);
  return FData[ofs];
}

uint16_t TBaseRecord::GetWord(size_t ofs) const {
  CheckField(ofs, 2);
  return GetU16(&FData[ofs]);
}

uint32_t TBaseRecord::GetCardinal(size_t ofs) const {
  CheckField(ofs, 4);
  return GetU32(&FData[ofs]);
}

double TBaseRecord::GetDouble(size_t ofs) const {
  CheckField(ofs, 8);
  return GetF64(&FData[ofs]);
}

TBaseRowColRecord::TBaseRowColRecord(uint16_t aId, std::vector<uint8_t> aData)
    : TBaseRecord(aId, std::move(aData)) {
  RequireSize(4);
}

}  // namespace tabulon
