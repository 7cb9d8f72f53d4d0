#include "XlsAdapter/ole2/Ole2File.h"

#include "XlsAdapter/ole2/ExcelException.h"
#include "XlsAdapter/ole2/XlsErrors.h"
#include "XlsAdapter/ole2/XlsMessages.h"
#include "platform/Printf.h"
#include "platform/TextEncoding.h"

namespace tabulon {
namespace {

TOle2Directory ReadRoot(const TOle2Header& header, TSectorBuffer& buffer) {
  buffer.Load(header.sectDirStart());
  return TOle2Directory(buffer.Data(), 0);
}

}  // namespace

TOle2File::TOle2File(TByteSource& aStream)
    : FHeader(aStream),
      FSectorBuffer(FHeader, aStream),
      FFAT(FHeader, FSectorBuffer, aStream),
      FMiniFAT(FHeader, FFAT, FSectorBuffer),
      FRoot(ReadRoot(FHeader, FSectorBuffer)) {}

std::unique_ptr<TOle2Directory> TOle2File::FindDir(std::u16string_view dirName) {
  const std::u16string wanted = AsciiUpper(dirName);
  TVisitedSectors visited(FHeader.SectorCount());
  for (uint32_t sect = FHeader.sectDirStart(); sect != kEndOfChain;
       sect = FFAT.GetNextSector(sect)) {
    visited.Visit(sect);
    FSectorBuffer.Load(sect);
    const std::vector<uint8_t>& data = FSectorBuffer.Data();
    for (uint32_t pos = 0; pos + TOle2Directory::EntrySize <= data.size();
         pos += TOle2Directory::EntrySize) {
      if (AsciiUpper(TOle2Directory::GetName(data, pos)) == wanted) {
        return std::make_unique<TOle2Directory>(data, pos);
      }
    }
  }
  return nullptr;
}

void TOle2File::SelectStream(std::u16string_view streamName) {
  FDir.reset();
  FStreamPos = 0;
  FDir = FindDir(streamName);
  if (!FDir) FailFileInvalid();
  const bool mini = FDir->ulSize < FHeader.ulMiniSectorCutoff;
  FChain.Reset(mini ? FMiniFAT.Count() : FFAT.Count());
}

void TOle2File::ReadMem(void* buffer, size_t count) {
  if (count == 0 || !FDir) return;
  const int64_t end = FStreamPos + static_cast<int64_t>(count);
  if (FDir->ulSize < end) {
    throw EExcelException(
        Printf(XlsMessages::EndOfStream, static_cast<int>(end - FDir->ulSize)));
  }
  uint8_t* dest = static_cast<uint8_t*>(buffer);
  if (FDir->ulSize < FHeader.ulMiniSectorCutoff) {
    ReadMiniStream(dest, count);
  } else {
    ReadSectors(dest, count);
  }
}

void TOle2File::ReadMiniStream(uint8_t* dest, size_t count) {
  const uint32_t miniSize = FHeader.MiniSectorSize();
  const uint32_t perSector = FHeader.SectorSize / miniSize;
  uint64_t chainIndex = static_cast<uint64_t>(FStreamPos) / miniSize;
  uint32_t mini = FMiniFAT.FindSector(FDir->SectStart(), static_cast<uint32_t>(chainIndex));
  size_t done = 0;
  while (true) {
    FChain.Enter(chainIndex, mini);
    FSectorBuffer.Load(FFAT.FindSector(FRoot.SectStart(), mini / perSector));
    const uint32_t origin = (mini % perSector) * miniSize;
    const size_t n = FSectorBuffer.ReadMem(dest + done, origin + FStreamPos % miniSize,
                                           count - done, origin + miniSize);
    FStreamPos += static_cast<int64_t>(n);
    done += n;
    if (done >= count) return;
    mini = FMiniFAT.GetNextSector(mini);
    ++chainIndex;
  }
}

void TOle2File::ReadSectors(uint8_t* dest, size_t count) {
  const uint32_t sectorSize = FHeader.SectorSize;
  uint64_t chainIndex = static_cast<uint64_t>(FStreamPos) / sectorSize;
  uint32_t sect = FFAT.FindSector(FDir->SectStart(), static_cast<uint32_t>(chainIndex));
  size_t done = 0;
  while (true) {
    FChain.Enter(chainIndex, sect);
    FSectorBuffer.Load(sect);
    const size_t n = FSectorBuffer.ReadMem(dest + done, FStreamPos % sectorSize,
                                           count - done, sectorSize);
    FStreamPos += static_cast<int64_t>(n);
    done += n;
    if (done >= count) return;
    sect = FFAT.GetNextSector(sect);
    ++chainIndex;
  }
}

void TOle2File::TChainTracker::Reset(size_t tableSize) {
  FVisited = std::make_unique<TVisitedSectors>(tableSize);
  FLastIndex = -1;
}

void TOle2File::TChainTracker::Enter(uint64_t chainIndex, uint32_t sect) {
  // Reads only move forward, so a chain position is entered once, in order.
  if (static_cast<int64_t>(chainIndex) <= FLastIndex) return;
  FVisited->Visit(sect);
  FLastIndex = static_cast<int64_t>(chainIndex);
}

}  // namespace tabulon
