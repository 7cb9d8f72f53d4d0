#include "tests/support/CompoundBuilder.h"

#include <algorithm>
#include <stdexcept>

#include "platform/LittleEndian.h"

namespace tabulon::testing {
namespace {

constexpr uint32_t kFree = 0xFFFFFFFF;
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kFatSect = 0xFFFFFFFD;
constexpr uint32_t kDifSect = 0xFFFFFFFC;
constexpr uint32_t kMiniSize = 64;

uint32_t CeilDiv(uint64_t a, uint64_t b) { return static_cast<uint32_t>((a + b - 1) / b); }

// Numbers `count` consecutive sectors from `next` on.
std::vector<uint32_t> Take(uint32_t& next, uint32_t count) {
  std::vector<uint32_t> ids(count);
  for (uint32_t& id : ids) id = next++;
  return ids;
}

void Chain(std::vector<uint32_t>& table, uint32_t base, const std::vector<uint32_t>& ids) {
  for (size_t i = 0; i < ids.size(); ++i) {
    table[ids[i] - base] = i + 1 < ids.size() ? ids[i + 1] : kEndOfChain;
  }
}

void WriteDirEntry(uint8_t* p, std::u16string_view name, uint8_t type, uint32_t right,
                   uint32_t child, uint32_t start, uint32_t size) {
  for (size_t i = 0; i < name.size() && i < 31; ++i) SetU16(p + 2 * i, name[i]);
  SetU16(p + 64, static_cast<uint16_t>(2 * (std::min<size_t>(name.size(), 31) + 1)));
  p[66] = type;
  p[67] = 1;  // black
  SetU32(p + 68, kFree);
  SetU32(p + 72, right);
  SetU32(p + 76, child);
  SetU32(p + 116, start);
  SetU32(p + 120, size);
}

}  // namespace

size_t TCompoundImage::SectorOffset(uint32_t sect) const {
  return Prefix + (static_cast<size_t>(sect) + 1) * SectorSize;
}

void TCompoundImage::SetU32(size_t offset, uint32_t value) {
  if (offset + 4 > Data.size()) throw std::out_of_range("SetU32");
  tabulon::SetU32(&Data[offset], value);
}

void TCompoundImage::SetU16(size_t offset, uint16_t value) {
  if (offset + 2 > Data.size()) throw std::out_of_range("SetU16");
  tabulon::SetU16(&Data[offset], value);
}

uint32_t TCompoundImage::GetU32(size_t offset) const { return tabulon::GetU32(&Data.at(offset)); }

void TCompoundImage::SetFatEntry(uint32_t sect, uint32_t value) {
  const uint32_t perSector = SectorSize / 4;
  const uint32_t index = sect - FatSectors.front();  // the layout starts with the FAT
  SetU32(SectorOffset(FatSectors.at(index / perSector)) + 4 * (index % perSector), value);
}

void TCompoundImage::SetMiniFatEntry(uint32_t miniSect, uint32_t value) {
  const uint32_t perSector = SectorSize / 4;
  SetU32(SectorOffset(MiniFatSectors.at(miniSect / perSector)) + 4 * (miniSect % perSector),
         value);
}

size_t TCompoundImage::DirEntryOffset(uint32_t index) const {
  const uint32_t perSector = SectorSize / 128;
  return SectorOffset(DirSectors.at(index / perSector)) + 128 * (index % perSector);
}

TCompoundBuilder& TCompoundBuilder::AddStream(std::u16string name, Bytes data) {
  FStreams.emplace_back(std::move(name), std::move(data));
  return *this;
}

TCompoundImage TCompoundBuilder::Build() const {
  TCompoundImage image;
  image.Prefix = FOptions.Prefix;
  image.SectorSize = 1u << FOptions.SectorShift;
  const uint32_t sectorSize = image.SectorSize;
  const uint32_t perSector = sectorSize / 4;

  // Sizes of every part but the allocation tables.
  uint32_t miniSectors = 0;
  uint32_t bigSectors = 0;
  for (const auto& [name, data] : FStreams) {
    if (data.size() < FOptions.MiniCutoff) {
      miniSectors += CeilDiv(data.size(), kMiniSize);
    } else {
      bigSectors += CeilDiv(data.size(), sectorSize);
    }
  }
  const uint32_t dirSectors = CeilDiv((FStreams.size() + 1) * 128, sectorSize);
  const uint32_t miniFatSectors = CeilDiv(miniSectors * 4, sectorSize);
  const uint32_t miniStreamSectors = CeilDiv(miniSectors * kMiniSize, sectorSize);
  const uint32_t dataSectors = dirSectors + miniFatSectors + miniStreamSectors + bigSectors;

  const uint32_t headerSlots =
      std::min(FOptions.HeaderFatSlots, 109 - FOptions.LeadingFreeFatSlots);
  uint32_t fatCount = 1;
  uint32_t difatCount = 0;
  while (true) {
    difatCount = fatCount > headerSlots ? CeilDiv(fatCount - headerSlots, perSector - 1) : 0;
    if (uint64_t{fatCount} * perSector >= fatCount + difatCount + dataSectors) break;
    ++fatCount;
  }

  const uint32_t base = FOptions.LeadingFreeFatSlots * perSector;
  uint32_t next = base;
  image.FatSectors = Take(next, fatCount);
  image.DifatSectors = Take(next, difatCount);
  image.DirSectors = Take(next, dirSectors);
  image.MiniFatSectors = Take(next, miniFatSectors);
  const std::vector<uint32_t> miniStream = Take(next, miniStreamSectors);
  const uint32_t totalSectors = next;

  std::vector<uint32_t> fat(size_t{fatCount} * perSector, kFree);
  std::vector<uint32_t> miniFat(size_t{miniFatSectors} * perSector, kFree);
  for (uint32_t id : image.FatSectors) fat[id - base] = kFatSect;
  for (uint32_t id : image.DifatSectors) fat[id - base] = kDifSect;
  Chain(fat, base, image.DirSectors);
  Chain(fat, base, image.MiniFatSectors);
  Chain(fat, base, miniStream);

  image.Data.assign(image.Prefix + size_t{totalSectors + 1} * sectorSize, 0);
  std::fill_n(image.Data.begin(), image.Prefix, 0xAB);
  Bytes miniBytes(size_t{miniStreamSectors} * sectorSize, 0);
  std::vector<uint32_t> starts;
  uint32_t nextMini = 0;
  for (const auto& [name, data] : FStreams) {
    std::vector<uint32_t> ids;
    if (data.size() < FOptions.MiniCutoff) {
      ids = Take(nextMini, CeilDiv(data.size(), kMiniSize));
      Chain(miniFat, 0, ids);
      std::copy(data.begin(), data.end(), miniBytes.begin() + size_t{ids.empty() ? 0 : ids[0]} * kMiniSize);
      image.InMiniStream[name] = true;
    } else {
      ids = Take(next, CeilDiv(data.size(), sectorSize));
      Chain(fat, base, ids);
      image.Data.resize(image.Prefix + size_t{next + 1} * sectorSize, 0);
      std::copy(data.begin(), data.end(), image.Data.begin() + image.SectorOffset(ids[0]));
      image.InMiniStream[name] = false;
    }
    starts.push_back(ids.empty() ? kEndOfChain : ids[0]);
    image.Chains[name] = ids;
  }
  if (next > base + fat.size()) throw std::logic_error("FAT too small");

  for (size_t i = 0; i < miniStream.size(); ++i) {
    std::copy_n(miniBytes.begin() + i * sectorSize, sectorSize,
                image.Data.begin() + image.SectorOffset(miniStream[i]));
  }
  auto writeTable = [&](const std::vector<uint32_t>& table, const std::vector<uint32_t>& ids) {
    for (size_t i = 0; i < table.size(); ++i) {
      image.SetU32(image.SectorOffset(ids[i / perSector]) + 4 * (i % perSector), table[i]);
    }
  };
  writeTable(fat, image.FatSectors);
  writeTable(miniFat, image.MiniFatSectors);

  // Directory: the root, then the streams as a chain of right siblings.
  for (uint32_t i = 0; i < dirSectors * (sectorSize / 128); ++i) {
    uint8_t* p = &image.Data[image.DirEntryOffset(i)];
    SetU32(p + 68, kFree);
    SetU32(p + 72, kFree);
    SetU32(p + 76, kFree);
  }
  WriteDirEntry(&image.Data[image.DirEntryOffset(0)], u"Root Entry", 5, kFree,
                FStreams.empty() ? kFree : 1, miniStream.empty() ? kEndOfChain : miniStream[0],
                miniSectors * kMiniSize);
  for (uint32_t i = 0; i < FStreams.size(); ++i) {
    WriteDirEntry(&image.Data[image.DirEntryOffset(i + 1)], FStreams[i].first, 2,
                  i + 1 < FStreams.size() ? i + 2 : kFree, kFree, starts[i],
                  static_cast<uint32_t>(FStreams[i].second.size()));
  }

  // DIFAT: the header slots, then DIFAT sectors for the remaining FAT sectors.
  std::vector<uint32_t> slots(FOptions.LeadingFreeFatSlots, kFree);
  const uint32_t inHeader = std::min(fatCount, headerSlots);
  slots.insert(slots.end(), image.FatSectors.begin(), image.FatSectors.begin() + inHeader);
  if (FOptions.EndHeaderSlotsWithEndOfChain && slots.size() < 109) slots.push_back(kEndOfChain);
  slots.resize(109, kFree);
  for (size_t i = 0; i < slots.size(); ++i) image.SetU32(image.HeaderOffset(76 + 4 * i), slots[i]);
  size_t fatIndex = inHeader;
  for (size_t d = 0; d < image.DifatSectors.size(); ++d) {
    const size_t at = image.SectorOffset(image.DifatSectors[d]);
    for (uint32_t s = 0; s + 1 < perSector; ++s) {
      image.SetU32(at + 4 * s, fatIndex < fatCount ? image.FatSectors[fatIndex++] : kFree);
    }
    image.SetU32(at + sectorSize - 4,
                 d + 1 < image.DifatSectors.size() ? image.DifatSectors[d + 1] : kEndOfChain);
  }

  const uint8_t signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
  std::copy_n(signature, 8, image.Data.begin() + image.Prefix);
  image.SetU16(image.HeaderOffset(24), 0x003E);
  image.SetU16(image.HeaderOffset(26), FOptions.SectorShift == 12 ? 4 : 3);
  image.SetU16(image.HeaderOffset(28), 0xFFFE);
  image.SetU16(image.HeaderOffset(30), static_cast<uint16_t>(FOptions.SectorShift));
  image.SetU16(image.HeaderOffset(32), 6);
  image.SetU32(image.HeaderOffset(40), FOptions.SectorShift == 12 ? dirSectors : 0);
  image.SetU32(image.HeaderOffset(44), fatCount);
  image.SetU32(image.HeaderOffset(48), image.DirSectors[0]);
  image.SetU32(image.HeaderOffset(56), FOptions.MiniCutoff);
  image.SetU32(image.HeaderOffset(60), miniFatSectors ? image.MiniFatSectors[0] : kEndOfChain);
  image.SetU32(image.HeaderOffset(64), miniFatSectors);
  image.SetU32(image.HeaderOffset(68), difatCount ? image.DifatSectors[0] : kEndOfChain);
  image.SetU32(image.HeaderOffset(72), difatCount);
  return image;
}

Bytes MakeWorkbookFile(const Bytes& workbookStream, TCompoundOptions options) {
  return TCompoundBuilder(options).AddStream(u"Workbook", workbookStream).Build().Data;
}

}  // namespace tabulon::testing
