// The base of every cell record: row (u16), column (u16) and XF index (u16)
// in bytes 0-5, then a value whose decoding each kind of cell defines.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"
#include "XlsAdapter/biff/RichString.h"
#include "XlsAdapter/biff/XlsCellValue.h"

namespace tabulon {

class TCellRecord : public TBaseRowColRecord {
 public:
  // Every cell holds its XF index: fewer than 6 bytes fail with
  // "Record with ID 0x%x is invalid".
  TCellRecord(uint16_t aId, std::vector<uint8_t> aData);

  uint16_t XF() const { return GetWord(4); }
  virtual bool IsFormula() const { return false; }
  // The cell's value; a cell kind without a value of its own is empty.
  virtual TCellVariant GetValue() const { return {}; }
  // The value, with the rich-text runs of the cells that have them.
  virtual TCellVariant GetValueX2(TRTFRunList& runs) const;

  // The value as readers are handed it: value, XF index, formula flag.
  TXlsCellValue CellValue(TRTFRunList* runs = nullptr) const;

 protected:
  // A new cell of `dataSize` zero bytes with row, column and XF filled in.
  static std::vector<uint8_t> CellData(size_t dataSize, uint16_t aRow, uint16_t aCol,
                                       uint16_t aXF);
};

// The text of a cell error code ("#DIV/0!"), none for a code not in the
// error table.
std::optional<std::u16string> CellErrorText(uint8_t code);

// Fails with "Invalid Row (%d)" or "Invalid Column (%d)" unless the row lies
// in 0-65535 and the column in 0-255.
void CheckCellAddress(int64_t row, int64_t col);

}  // namespace tabulon
