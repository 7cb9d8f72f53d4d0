#include "XlsAdapter/biff/MultipleValueRecords.h"

#include "XlsAdapter/biff/ValueCellRecords.h"

namespace tabulon {
namespace {

constexpr uint32_t kLastColumn = 255;

}  // namespace

bool TMultipleValueRecord::Eof() const {
  // Row and first column (4 bytes) come first; an entry counts when at
  // least one byte (of the last-column field) follows it.
  if (4 + (size_t{CurrentCol} + 1) * EntrySize() >= DataSize()) return true;
  return GetWord(2) + size_t{CurrentCol} > kLastColumn;
}

std::unique_ptr<TCellRecord> TMultipleValueRecord::ExtractOneRecord() {
  const uint32_t index = CurrentCol++;
  return MakeCell(GetWord(0), static_cast<uint16_t>(GetWord(2) + index), index);
}

std::unique_ptr<TCellRecord> TMulRKRecord::MakeCell(uint16_t aRow, uint16_t aCol,
                                                    uint32_t index) const {
  const size_t entry = 4 + 6 * size_t{index};
  return TRKRecord::CreateFromData(aRow, aCol, GetWord(entry), GetCardinal(entry + 2));
}

std::unique_ptr<TCellRecord> TMulBlankRecord::MakeCell(uint16_t aRow, uint16_t aCol,
                                                       uint32_t index) const {
  return TBlankRecord::CreateFromData(aRow, aCol, GetWord(4 + 2 * size_t{index}));
}

}  // namespace tabulon
