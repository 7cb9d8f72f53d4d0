#include "XlsAdapter/ole2/Ole2MiniFAT.h"

#include <algorithm>

#include "XlsAdapter/ole2/XlsErrors.h"

namespace tabulon {

TOle2MiniFAT::TOle2MiniFAT(const TOle2Header& header, const TOle2FAT& fat,
                           TSectorBuffer& buffer) {
  const uint32_t count = header.csectMiniFat();
  if (count > header.SectorCount()) FailRecordsInvalid();
  FEntries.reserve(static_cast<size_t>(count) * header.EntriesPerSector() + 16);
  TVisitedSectors visited(header.SectorCount());
  uint32_t sect = header.sectMiniFatStart();
  for (uint32_t i = 0; i < count; ++i) {
    if (sect == kEndOfChain) FailRecordsInvalid();
    visited.Visit(sect);
    buffer.Load(sect);
    AppendSector(buffer);
    sect = fat.GetNextSector(sect);
  }
}

}  // namespace tabulon
