// Column settings: COLINFO (0x007D) records expanded into one entry per
// column.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"

namespace tabulon {

// First and last column, width in 1/256 of a character, XF index, options
// (bit 0 hidden, bits 8-10 outline level), reserved: u16 each.
class TColInfoRecord : public TSizedRecord<10> {
 public:
  using TSizedRecord::TSizedRecord;
  uint16_t FirstColumn() const { return GetWord(0); }
  uint16_t LastColumn() const { return GetWord(2); }
  uint16_t Width() const { return GetWord(4); }
  uint16_t XF() const { return GetWord(6); }
  uint16_t Options() const { return GetWord(8); }
};

struct TColInfo {
  uint16_t Column = 0;
  uint16_t Width = 0;
  uint16_t XF = 0;
  uint16_t Options = 0;
  bool Hidden() const { return (Options & 0x0001) != 0; }
};

// One entry per column of the sheet's 256 columns, kept in column order.
// A column that two records cover takes the later record's settings;
// columns beyond the sheet's last column (255) are not kept.
class TColInfoList {
 public:
  static constexpr uint16_t kLastColumn = 255;

  // An entry for every column from the record's first to its last column;
  // nothing when the last column is below the first.
  void AddRecord(const TColInfoRecord& R);
  // The entry of that column, or none.
  const TColInfo* Find(size_t column) const;
  size_t Count() const { return FItems.size(); }
  const TColInfo& GetItems(size_t index) const { return FItems.at(index); }
  void Clear() { FItems.clear(); }

 private:
  std::vector<TColInfo> FItems;
};

}  // namespace tabulon
