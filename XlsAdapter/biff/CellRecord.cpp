#include "XlsAdapter/biff/CellRecord.h"

#include "XlsAdapter/ole2/ExcelException.h"
#include "XlsAdapter/ole2/XlsMessages.h"
#include "platform/LittleEndian.h"
#include "platform/Printf.h"

namespace tabulon {

TCellRecord::TCellRecord(uint16_t aId, std::vector<uint8_t> aData)
    : TBaseRowColRecord(aId, std::move(aData)) {
  RequireSize(6);
}

TCellVariant TCellRecord::GetValueX2(TRTFRunList& runs) const {
  runs.clear();
  return GetValue();
}

TXlsCellValue TCellRecord::CellValue(TRTFRunList* runs) const {
  TRTFRunList ignored;
  TXlsCellValue value;
  value.Value = GetValueX2(runs != nullptr ? *runs : ignored);
  value.XF = XF();
  value.IsFormula = IsFormula();
  return value;
}

std::vector<uint8_t> TCellRecord::CellData(size_t dataSize, uint16_t aRow, uint16_t aCol,
                                           uint16_t aXF) {
  std::vector<uint8_t> data(dataSize, 0);
  SetU16(&data[0], aRow);
  SetU16(&data[2], aCol);
  SetU16(&data[4], aXF);
  return data;
}

std::optional<std::u16string> CellErrorText(uint8_t code) {
  switch (code) {
    case 0x00: return u"#NULL!";
    case 0x07: return u"#DIV/0!";
    case 0x0F: return u"#VALUE!";
    case 0x17: return u"#REF!";
    case 0x1D: return u"#NAME?";
    case 0x24: return u"#NUM!";
    case 0x2A: return u"#N/A";
    default: return std::nullopt;
  }
}

void CheckCellAddress(int64_t row, int64_t col) {
  if (row < 0 || row > 65535) {
    throw EExcelException(Printf(XlsMessages::InvalidRow, static_cast<int>(row)));
  }
  if (col < 0 || col > 255) {
    throw EExcelException(Printf(XlsMessages::InvalidColumn, static_cast<int>(col)));
  }
}

}  // namespace tabulon
