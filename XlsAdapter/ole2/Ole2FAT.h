// The sector allocation table of a compound document, read whole from the
// sectors that the DIFAT (header slots and DIFAT sectors) names.
#pragma once

#include <cstdint>
#include <span>

#include "XlsAdapter/ole2/Ole2AllocationTable.h"
#include "XlsAdapter/ole2/Ole2Header.h"
#include "XlsAdapter/ole2/SectorBuffer.h"
#include "platform/ByteSource.h"

namespace tabulon {

class TOle2FAT : public TOle2AllocationTable {
 public:
  // Reads the DIFAT area of the header and then csectDif DIFAT sectors.
  // Fails with "Error reading Excel records. File invalid" when the DIFAT
  // chain ends early or loops, or names more DIFAT or FAT sectors than the
  // file has.
  TOle2FAT(const TOle2Header& header, TSectorBuffer& buffer, TByteSource& dataStream);

  // The sector `sectOfs` steps down the chain from `startSect`. Remembers the
  // last answer, so that a sequential pass over a stream costs one step per
  // sector crossed.
  uint32_t FindSector(uint32_t startSect, uint32_t sectOfs);

 private:
  // Takes DIFAT slots in order: end of chain stops the block; a free slot
  // stands for a FAT sector of free entries; any other value is a FAT sector.
  void ProcessDifatBlock(std::span<const uint8_t> slots);
  void AppendFatSector(uint32_t sect);

  const TOle2Header& FHeader;
  TSectorBuffer& FBuffer;
  // Free entries that a free DIFAT slot stands for, added only when a real
  // FAT sector follows them (trailing ones describe nothing).
  uint64_t FPendingFree = 0;
  uint32_t FFatSectors = 0;
  int64_t FLastFindSectorStart = -1;  // -1: nothing remembered
  int64_t FLastFindSectorOfs = -1;
  int64_t FLastFindSectorRes = 0;
};

}  // namespace tabulon
