// ROW (0x0208): the settings of one row, and the list of ROW records
// indexed by row number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"

namespace tabulon {

// Row (u16), first column with a cell (u16), last column + 1 (u16), height
// in twips (u16), two reserved words, options (u16 at 12: bits 0-2 outline
// level, bit 5 hidden, bit 6 height set by hand, bit 7 formatted, bit 8
// always set) and the XF index of the row's format (bits 0-11 of the u16 at
// 14).
class TRowRecord : public TBaseRowColRecord {
 public:
  static constexpr uint16_t kDefaultXF = 15;

  // Fails with "Record with ID 0x208 is invalid" under 16 bytes. Clears the
  // reserved word at bytes 8-9.
  TRowRecord(uint16_t aId, std::vector<uint8_t> aData);
  // The record made for a row that has cells but no ROW record: height 255,
  // options 0x100, XF 15.
  static std::unique_ptr<TRowRecord> CreateStandard(uint16_t aRow);

  uint16_t MinCol() const { return GetWord(2); }
  uint16_t MaxCol() const { return GetWord(4); }
  uint16_t Height() const { return GetWord(6); }
  uint16_t Options() const { return GetWord(12); }
  uint8_t OutlineLevel() const { return Options() & 0x07; }
  bool IsHidden() const { return (Options() & 0x0020) != 0; }
  bool IsAutoHeight() const { return (Options() & 0x0040) == 0; }
  bool IsFormatted() const { return (Options() & 0x0080) != 0; }
  // The row's XF when it is formatted, else 15.
  uint16_t GetXF() const { return IsFormatted() ? GetWord(14) & 0x0FFF : kDefaultXF; }
};

// ROW records by row number. Only rows that have a record take memory; the
// list counts up to the highest such row + 1.
class TRowRecordList {
 public:
  // Stores the record under its row; when the row has a record already,
  // that one stays and `aRecord` is released.
  void AddRecord(std::unique_ptr<TRowRecord> aRecord);
  // Stores a standard ROW record when the row has none.
  void AddRow(uint16_t aRow);
  bool HasRow(size_t aRow) const { return FRows.contains(aRow); }
  // Fails with "Missing ROW Record for row %d" when the row has none.
  const TRowRecord& GetItems(size_t aRow) const;
  // Highest row with a record + 1.
  size_t Count() const { return FCount; }
  // True without a ROW record, else when the height is not set by hand.
  bool IsAutoRowHeight(size_t aRow) const;
  void Clear();

 private:
  std::map<size_t, std::unique_ptr<TRowRecord>> FRows;
  size_t FCount = 0;
};

}  // namespace tabulon
