#include "XlsAdapter/ole2/SectorBuffer.h"

#include <algorithm>
#include <cstring>

#include "XlsAdapter/ole2/XlsErrors.h"

namespace tabulon {

TSectorBuffer::TSectorBuffer(const TOle2Header& header, TByteSource& dataStream)
    : FHeader(header), FDataStream(dataStream), FData(header.SectorSize, 0) {}

void TSectorBuffer::Load(uint32_t sectNo) {
  if (sectNo == FSectorId) return;
  FSectorId = -1;
  if (sectNo >= FHeader.SectorCount()) FailRecordsInvalid();
  FDataStream.Seek(FHeader.SectToStPos(sectNo));
  const size_t got = FDataStream.Read(FData.data(), FData.size());
  std::fill(FData.begin() + static_cast<std::ptrdiff_t>(got), FData.end(), 0);
  FSectorId = sectNo;
}

size_t TSectorBuffer::ReadMem(uint8_t* dest, uint32_t startPos, size_t count,
                              uint32_t endPos) const {
  if (startPos >= endPos || endPos > FData.size()) return 0;
  const size_t n = std::min<size_t>(count, endPos - startPos);
  std::memcpy(dest, FData.data() + startPos, n);
  return n;
}

}  // namespace tabulon
