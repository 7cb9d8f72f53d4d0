// An open compound document with one selected stream, read sequentially.
// The byte source stays with the caller and must not be used by anyone else
// while the container is open.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "XlsAdapter/ole2/Ole2Directory.h"
#include "XlsAdapter/ole2/Ole2FAT.h"
#include "XlsAdapter/ole2/Ole2Header.h"
#include "XlsAdapter/ole2/Ole2MiniFAT.h"
#include "XlsAdapter/ole2/SectorBuffer.h"
#include "platform/ByteSource.h"

namespace tabulon {

class TOle2File {
 public:
  // Opens the container whose header begins at the source's current
  // position: reads the header, the FAT, the mini FAT and the root entry.
  // Fails with EExcelException ("The file "" is invalid" or "Error reading
  // Excel records. File invalid").
  explicit TOle2File(TByteSource& aStream);
  TOle2File(const TOle2File&) = delete;
  TOle2File& operator=(const TOle2File&) = delete;

  // Selects the first directory entry named `streamName` (letters A to Z
  // compared without case) and rewinds to its start. Fails with
  // "The file "" is invalid" when there is none.
  void SelectStream(std::u16string_view streamName);
  // The first directory entry of that name, or none.
  std::unique_ptr<TOle2Directory> FindDir(std::u16string_view dirName);

  // Copies `count` bytes of the selected stream and advances. Does nothing
  // for 0 bytes or without a selected stream. Asking for more than is left
  // fails with "End of stream reached with %d bytes left to read" and
  // leaves the position unchanged.
  void ReadMem(void* buffer, size_t count);
  // True when fewer than count + 1 bytes are left.
  bool NextEof(int64_t count) const { return FStreamPos + count >= Length(); }

  int64_t Length() const { return FDir ? FDir->ulSize : 0; }
  int64_t Position() const { return FStreamPos; }
  bool Eof() const { return FStreamPos >= Length(); }
  // The reader never knows the name of the file it reads.
  std::string FileName() const { return {}; }

 private:
  // Marks the chain positions that reads move into, so that a chain that
  // comes back to a sector fails instead of reading the same bytes again.
  class TChainTracker {
   public:
    void Reset(size_t tableSize);
    void Enter(uint64_t chainIndex, uint32_t sect);

   private:
    std::unique_ptr<TVisitedSectors> FVisited;
    int64_t FLastIndex = -1;
  };

  void ReadMiniStream(uint8_t* dest, size_t count);
  void ReadSectors(uint8_t* dest, size_t count);

  TOle2Header FHeader;
  TSectorBuffer FSectorBuffer;
  TOle2FAT FFAT;
  TOle2MiniFAT FMiniFAT;
  TOle2Directory FRoot;
  std::unique_ptr<TOle2Directory> FDir;
  int64_t FStreamPos = 0;
  TChainTracker FChain;
};

}  // namespace tabulon
