#include "XlsAdapter/biff/ValueCellRecords.h"

#include <cstring>

#include "XlsAdapter/biff/RecordHeader.h"
#include "platform/LittleEndian.h"

namespace tabulon {

TBlankRecord::TBlankRecord(uint16_t aId, std::vector<uint8_t> aData)
    : TCellRecord(aId, std::move(aData)) {}

std::unique_ptr<TBlankRecord> TBlankRecord::CreateFromData(uint16_t aRow, uint16_t aCol,
                                                           uint16_t aXF) {
  return std::make_unique<TBlankRecord>(RecordId::Blank, CellData(6, aRow, aCol, aXF));
}

TNumberRecord::TNumberRecord(uint16_t aId, std::vector<uint8_t> aData)
    : TCellRecord(aId, std::move(aData)) {
  RequireSize(14);
}

TRKRecord::TRKRecord(uint16_t aId, std::vector<uint8_t> aData)
    : TCellRecord(aId, std::move(aData)) {
  RequireSize(10);
}

std::unique_ptr<TRKRecord> TRKRecord::CreateFromData(uint16_t aRow, uint16_t aCol, uint16_t aXF,
                                                     uint32_t aRK) {
  std::vector<uint8_t> data = CellData(10, aRow, aCol, aXF);
  SetU32(&data[6], aRK);
  return std::make_unique<TRKRecord>(RecordId::RK, std::move(data));
}

TCellVariant TRKRecord::GetValue() const { return RKToDouble(GetCardinal(6)); }

TBoolErrRecord::TBoolErrRecord(uint16_t aId, std::vector<uint8_t> aData)
    : TCellRecord(aId, std::move(aData)) {
  RequireSize(8);
}

TCellVariant TBoolErrRecord::GetValue() const {
  const uint8_t value = GetByte(6);
  if (GetByte(7) == 0) return value != 0;
  return CellErrorText(value).value_or(u"#NULL!");
}

double RKToDouble(uint32_t rk) {
  double number;
  if ((rk & 2) != 0) {
    number = static_cast<double>(static_cast<int32_t>(rk) >> 2);
  } else {
    const uint64_t bits = static_cast<uint64_t>(rk & 0xFFFFFFFCu) << 32;
    std::memcpy(&number, &bits, sizeof number);
  }
  return (rk & 1) != 0 ? number / 100 : number;
}

}  // namespace tabulon
