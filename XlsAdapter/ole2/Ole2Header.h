// The 512-byte header of a compound document ([MS-CFB] 2.2): where the
// allocation tables and the directory start, and how large sectors are.
#pragma once

#include <array>
#include <cstdint>

#include "platform/ByteSource.h"

namespace tabulon {

inline constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
inline constexpr uint32_t kFreeSector = 0xFFFFFFFF;

class TOle2Header {
 public:
  static constexpr std::array<uint8_t, 8> FileSignature = {0xD0, 0xCF, 0x11, 0xE0,
                                                           0xA1, 0xB1, 0x1A, 0xE1};
  // Bytes of the header before its 109 DIFAT slots.
  static constexpr uint32_t DataSize = 76;
  static constexpr uint32_t DifatSlotCount = 109;

  // Reads the header at the source's current position and accepts only
  // 512- or 4096-byte sectors, 64-byte mini sectors and a 4096-byte mini
  // stream cutoff; anything else fails with "The file "" is invalid".
  explicit TOle2Header(TByteSource& stream);

  int64_t StartOfs = 0;
  std::array<uint8_t, DataSize> Data{};
  uint32_t SectorSize = 0;
  int32_t uSectorShift = 0;
  uint32_t ulMiniSectorCutoff = 0;

  uint16_t uMiniSectorShift() const;
  uint32_t MiniSectorSize() const { return 1u << uMiniSectorShift(); }
  uint32_t csectFat() const;
  uint32_t sectDirStart() const;
  uint32_t FulMiniSectorCutoff() const;
  uint32_t sectMiniFatStart() const;
  uint32_t csectMiniFat() const;
  uint32_t sectDifStart() const;
  uint32_t csectDif() const;
  int32_t uDIFEntryShift() const { return uSectorShift - 2; }
  // Number of 32-bit entries in one sector.
  uint32_t EntriesPerSector() const { return SectorSize / 4; }

  // Position of sector `sect` in the byte source. The header takes the
  // first sector, so sector N begins at (N + 1) x SectorSize.
  int64_t SectToStPos(uint32_t sect) const;
  // Sectors that lie at least partly inside the byte source: every count
  // and chain of the container is checked against this.
  uint32_t SectorCount() const { return FSectorCount; }

 private:
  uint32_t FSectorCount = 0;
};

}  // namespace tabulon
