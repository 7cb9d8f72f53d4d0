// Cells that hold a value of fixed size: BLANK, NUMBER, RK, BOOLERR.
#pragma once

#include <cstdint>
#include <vector>

#include "XlsAdapter/biff/CellRecord.h"

namespace tabulon {

// BLANK (0x0201, 6 bytes): a formatted cell without a value.
class TBlankRecord : public TCellRecord {
 public:
  TBlankRecord(uint16_t aId, std::vector<uint8_t> aData);
  static std::unique_ptr<TBlankRecord> CreateFromData(uint16_t aRow, uint16_t aCol, uint16_t aXF);
};

// NUMBER (0x0203, 14 bytes): an IEEE double in bytes 6-13.
class TNumberRecord : public TCellRecord {
 public:
  TNumberRecord(uint16_t aId, std::vector<uint8_t> aData);
  TCellVariant GetValue() const override { return GetDouble(6); }
};

// RK (0x027E, 10 bytes): a number packed into 32 bits in bytes 6-9.
class TRKRecord : public TCellRecord {
 public:
  TRKRecord(uint16_t aId, std::vector<uint8_t> aData);
  static std::unique_ptr<TRKRecord> CreateFromData(uint16_t aRow, uint16_t aCol, uint16_t aXF,
                                                   uint32_t aRK);
  TCellVariant GetValue() const override;
};

// BOOLERR (0x0205, 8 bytes): byte 6 the value, byte 7 non-zero for an error.
class TBoolErrRecord : public TCellRecord {
 public:
  TBoolErrRecord(uint16_t aId, std::vector<uint8_t> aData);
  TCellVariant GetValue() const override;
};

// An RK value: a 30-bit signed integer (bit 1 set) or the upper 30 bits of
// a double; divided by 100 when bit 0 is set.
double RKToDouble(uint32_t rk);

}  // namespace tabulon
