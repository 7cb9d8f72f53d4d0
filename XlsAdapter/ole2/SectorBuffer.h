// A one-sector read cache over the container's byte source: the many small
// reads of the record reader touch the source only when they cross into
// another sector.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "XlsAdapter/ole2/Ole2Header.h"
#include "platform/ByteSource.h"

namespace tabulon {

class TSectorBuffer {
 public:
  TSectorBuffer(const TOle2Header& header, TByteSource& dataStream);

  // Makes `sectNo` the held sector. A sector that lies wholly beyond the end
  // of the source fails with "Error reading Excel records. File invalid" (a
  // cut-off file must not read as a shorter workbook); a last sector cut
  // short reads with its missing bytes as zeros. A failed load leaves the
  // cache empty.
  void Load(uint32_t sectNo);

  // Copies min(count, endPos - startPos) bytes of the held sector, from
  // `startPos`, to `dest` and returns that number.
  size_t ReadMem(uint8_t* dest, uint32_t startPos, size_t count, uint32_t endPos) const;

  const std::vector<uint8_t>& Data() const { return FData; }
  int64_t SectorId() const { return FSectorId; }

 private:
  const TOle2Header& FHeader;
  TByteSource& FDataStream;
  std::vector<uint8_t> FData;
  int64_t FSectorId = -1;
};

}  // namespace tabulon
