#include "XlsAdapter/biff/SheetRecords.h"

#include "XlsAdapter/biff/ExcelString.h"

namespace tabulon {

int32_t TSCLRecord::Zoom() const {
  const uint32_t denominator = GetWord(2);
  if (denominator == 0) return 100;
  const uint32_t scaled = uint32_t{GetWord(0)} * 100;
  uint32_t zoom = scaled / denominator;
  const uint32_t twiceRest = 2 * (scaled % denominator);
  if (twiceRest > denominator || (twiceRest == denominator && zoom % 2 == 1)) ++zoom;
  return static_cast<int32_t>(zoom);
}

std::u16string TPageHeaderFooterRecord::Text() const {
  if (DataSize() == 0) return {};
  const TBaseRecord* record = this;
  uint32_t ofs = 0;
  return TExcelString(2, record, ofs).GetValue();
}

TDimensionsRec TDimensionsRecord::Dimensions() const {
  return {GetCardinal(0), GetCardinal(4), GetWord(8), GetWord(10), GetWord(12)};
}

}  // namespace tabulon
