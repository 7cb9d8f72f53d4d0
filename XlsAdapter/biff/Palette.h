// The workbook's colour palette: the PALETTE record (0x0092) when the file
// has one, else the default palette. Colours are 0x00BBGGRR; palette index i
// is the colour of file colour index i + 8.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"

namespace tabulon {

// Colour count (u16), then that many colours of 4 bytes (red, green, blue,
// reserved).
class TPaletteRecord : public TBaseRecord {
 public:
  // Fails with "Record with ID 0x92 is invalid" when the data is shorter
  // than its count says.
  TPaletteRecord(uint16_t aId, std::vector<uint8_t> aData);
  uint16_t Count() const { return GetWord(0); }
  // `index` must be below Count().
  uint32_t GetColor(uint16_t index) const { return GetCardinal(2 + 4 * size_t{index}); }
};

inline constexpr int kDefaultPaletteSize = 56;
const std::array<uint32_t, kDefaultPaletteSize>& DefaultPalette();

}  // namespace tabulon
