// Records that pack adjacent cells of one row: MULRK and MULBLANK. The
// loader expands them into single cells and never files them.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"
#include "XlsAdapter/biff/CellRecord.h"

namespace tabulon {

class TMultipleValueRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;

  // True when no entry is left. The number of entries follows from the data
  // size alone (the trailing last-column field is not read); entries past
  // column 255 are dropped.
  bool Eof() const;
  // The single cell of the next entry, at column first column + CurrentCol.
  std::unique_ptr<TCellRecord> ExtractOneRecord();

  // Entries extracted so far.
  uint32_t CurrentCol = 0;

 protected:
  // Bytes one entry takes.
  virtual uint32_t EntrySize() const = 0;
  // The cell of entry `index`, which lies wholly inside the data.
  virtual std::unique_ptr<TCellRecord> MakeCell(uint16_t aRow, uint16_t aCol,
                                                uint32_t index) const = 0;
};

// MULRK (0x00BD): row, first column, then (XF index, RK value) entries.
class TMulRKRecord : public TMultipleValueRecord {
 public:
  using TMultipleValueRecord::TMultipleValueRecord;

 protected:
  uint32_t EntrySize() const override { return 6; }
  std::unique_ptr<TCellRecord> MakeCell(uint16_t aRow, uint16_t aCol,
                                        uint32_t index) const override;
};

// MULBLANK (0x00BE): row, first column, then XF indexes.
class TMulBlankRecord : public TMultipleValueRecord {
 public:
  using TMultipleValueRecord::TMultipleValueRecord;

 protected:
  uint32_t EntrySize() const override { return 2; }
  std::unique_ptr<TCellRecord> MakeCell(uint16_t aRow, uint16_t aCol,
                                        uint32_t index) const override;
};

}  // namespace tabulon
