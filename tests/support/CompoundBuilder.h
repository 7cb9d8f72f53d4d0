// Builds compound documents ([MS-CFB]) in memory, with the layout exposed so
// that a test can break exactly the bytes it is about.
//
//   TCompoundBuilder builder;                 // 512-byte sectors
//   builder.AddStream(u"Workbook", bytes);
//   TCompoundImage image = builder.Build();
//   image.SetFatEntry(image.StreamSectors(u"Workbook")[1], image.StreamSectors(u"Workbook")[0]);
//
// Layout: the header sector, then (after any filler sectors) the FAT
// sectors, DIFAT sectors, directory, mini FAT, mini stream and the streams
// in the order added. Streams shorter than the mini stream cutoff live in
// the mini stream.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tests/support/ByteWriter.h"

namespace tabulon::testing {

struct TCompoundOptions {
  int SectorShift = 9;        // 9 (512-byte sectors) or 12 (4096)
  uint32_t MiniCutoff = 4096;  // written to the header
  size_t Prefix = 0;          // bytes in front of the container
  // Header DIFAT slots of 0xFFFFFFFF in front of the used ones; each stands
  // for a FAT sector of free entries, so the layout starts that many times
  // (SectorSize / 4) sectors further on, after zero-filled filler sectors.
  uint32_t LeadingFreeFatSlots = 0;
  // FAT sectors named in the header; the others go to DIFAT sectors.
  uint32_t HeaderFatSlots = 109;
  // Ends the used header slots with 0xFFFFFFFE instead of filling the rest
  // with 0xFFFFFFFF (needed when DIFAT sectors follow fewer than 109 slots).
  bool EndHeaderSlotsWithEndOfChain = false;
};

class TCompoundImage {
 public:
  Bytes Data;
  size_t Prefix = 0;
  uint32_t SectorSize = 512;
  std::vector<uint32_t> FatSectors;
  std::vector<uint32_t> DifatSectors;
  std::vector<uint32_t> DirSectors;
  std::vector<uint32_t> MiniFatSectors;
  // Sectors (or, for a stream in the mini stream, mini sectors) of each
  // stream's chain, by stream name.
  std::map<std::u16string, std::vector<uint32_t>> Chains;
  std::map<std::u16string, bool> InMiniStream;

  const std::vector<uint32_t>& StreamSectors(const std::u16string& name) const {
    return Chains.at(name);
  }
  // Offset of sector `sect` in Data.
  size_t SectorOffset(uint32_t sect) const;
  // Offset of a header field in Data.
  size_t HeaderOffset(size_t field) const { return Prefix + field; }
  void SetU32(size_t offset, uint32_t value);
  void SetU16(size_t offset, uint16_t value);
  void SetU8(size_t offset, uint8_t value) { Data.at(offset) = value; }
  uint32_t GetU32(size_t offset) const;
  // FAT and mini FAT entries, through the sectors that hold them.
  void SetFatEntry(uint32_t sect, uint32_t value);
  void SetMiniFatEntry(uint32_t miniSect, uint32_t value);
  // Offset in Data of directory entry `index` (0 is the root).
  size_t DirEntryOffset(uint32_t index) const;
};

class TCompoundBuilder {
 public:
  explicit TCompoundBuilder(TCompoundOptions options = {}) : FOptions(options) {}
  TCompoundBuilder& AddStream(std::u16string name, Bytes data);
  TCompoundImage Build() const;

 private:
  TCompoundOptions FOptions;
  std::vector<std::pair<std::u16string, Bytes>> FStreams;
};

// A container holding one stream, "Workbook", with the given bytes.
Bytes MakeWorkbookFile(const Bytes& workbookStream, TCompoundOptions options = {});

}  // namespace tabulon::testing
