// The mini sector allocation table: the chains of streams shorter than the
// mini stream cutoff, which live in 64-byte mini sectors of the mini stream.
#pragma once

#include <cstdint>

#include "XlsAdapter/ole2/Ole2AllocationTable.h"
#include "XlsAdapter/ole2/Ole2FAT.h"
#include "XlsAdapter/ole2/Ole2Header.h"
#include "XlsAdapter/ole2/SectorBuffer.h"

namespace tabulon {

class TOle2MiniFAT : public TOle2AllocationTable {
 public:
  // Reads csectMiniFat sectors along the FAT chain from sectMiniFatStart.
  // Fails with "Error reading Excel records. File invalid" when the chain
  // ends early or loops, or the count exceeds the sectors of the file.
  TOle2MiniFAT(const TOle2Header& header, const TOle2FAT& fat, TSectorBuffer& buffer);

  // The mini sector `sectOfs` steps down the chain from `startSect` (no
  // cache: a mini stream is at most 64 mini sectors long).
  uint32_t FindSector(uint32_t startSect, uint32_t sectOfs) const { return Walk(startSect, sectOfs); }
};

}  // namespace tabulon
