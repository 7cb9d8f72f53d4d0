#include "XlsAdapter/ole2/Ole2FAT.h"

#include <algorithm>
#include <array>
#include <vector>

#include "XlsAdapter/ole2/XlsErrors.h"
#include "platform/LittleEndian.h"

namespace tabulon {

TOle2FAT::TOle2FAT(const TOle2Header& header, TSectorBuffer& buffer, TByteSource& dataStream)
    : FHeader(header), FBuffer(buffer) {
  const uint32_t sectorCount = header.SectorCount();
  FEntries.reserve(static_cast<size_t>(std::min(header.csectFat(), sectorCount)) *
                       header.EntriesPerSector() +
                   TOle2Header::DifatSlotCount + 16);

  std::array<uint8_t, TOle2Header::DifatSlotCount * 4> area{};
  dataStream.Seek(header.StartOfs + TOle2Header::DataSize);
  dataStream.Read(area.data(), area.size());
  ProcessDifatBlock(area);

  if (header.csectDif() > sectorCount) FailRecordsInvalid();
  TVisitedSectors visited(sectorCount);
  std::vector<uint8_t> difat(header.SectorSize);
  uint32_t sect = header.sectDifStart();
  for (uint32_t i = 0; i < header.csectDif(); ++i) {
    if (sect == kEndOfChain) FailRecordsInvalid();
    visited.Visit(sect);
    buffer.Load(sect);
    // Processing loads FAT sectors into the same buffer: keep a copy.
    difat = buffer.Data();
    ProcessDifatBlock(std::span<const uint8_t>(difat).first(difat.size() - 4));
    sect = GetU32(&difat[difat.size() - 4]);
  }
}

void TOle2FAT::ProcessDifatBlock(std::span<const uint8_t> slots) {
  for (size_t i = 0; i + 4 <= slots.size(); i += 4) {
    const uint32_t slot = GetU32(&slots[i]);
    if (slot == kEndOfChain) return;
    if (slot == kFreeSector) {
      FPendingFree += FHeader.EntriesPerSector();
    } else {
      AppendFatSector(slot);
    }
  }
}

void TOle2FAT::AppendFatSector(uint32_t sect) {
  // A FAT sector describes sectors from index FEntries.size() + FPendingFree
  // on; one that describes only sectors beyond the file, or more FAT
  // sectors than the file has, cannot be right.
  if (++FFatSectors > FHeader.SectorCount()) FailRecordsInvalid();
  const uint64_t firstIndex = FEntries.size() + FPendingFree;
  if (firstIndex >= FHeader.SectorCount()) FailRecordsInvalid();
  FEntries.resize(firstIndex, kFreeSector);
  FPendingFree = 0;
  FBuffer.Load(sect);
  AppendSector(FBuffer);
}

uint32_t TOle2FAT::FindSector(uint32_t startSect, uint32_t sectOfs) {
  uint32_t sect;
  if (startSect == FLastFindSectorStart && sectOfs >= FLastFindSectorOfs) {
    sect = Walk(static_cast<uint32_t>(FLastFindSectorRes), sectOfs - FLastFindSectorOfs);
  } else {
    sect = Walk(startSect, sectOfs);
  }
  FLastFindSectorStart = startSect;
  FLastFindSectorOfs = sectOfs;
  FLastFindSectorRes = sect;
  return sect;
}

}  // namespace tabulon
