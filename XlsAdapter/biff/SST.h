// The workbook's shared string table: one growing byte arena of entries,
// each a 12-byte header (reference count first) followed by the string in
// its stored layout with a 2-byte count, and an ordered list of the entries'
// arena offsets. Offsets never change while the table exists, so cells hold
// offsets, not positions, and survive the sort.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"
#include "XlsAdapter/biff/RichString.h"

namespace tabulon {

// SST (0x00FC): total references (u32), string count (u32), then the
// strings, running on into CONTINUE records.
class TSSTRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
};

class TSST {
 public:
  static constexpr uint32_t kEntryHeaderSize = 12;

  // Appends the strings of an SST record and its CONTINUE chain, in file
  // order: after loading, position i holds string i. Fewer strings than the
  // record's count fail with "Error reading record".
  void Load(const TBaseRecord& aSSTRecord);
  // Empties the list; the arena keeps its bytes, so offsets stay valid.
  void Clear() { FList.clear(); }

  size_t Count() const { return FList.size(); }
  // Arena offset of the entry at list position `index` (below Count()).
  uint32_t EntryAt(size_t index) const { return FList[index]; }
  // The bytes of the entry at arena offset `entry`.
  const uint8_t* GetEntry(uint32_t entry) const { return FBuffer.data() + entry; }
  uint32_t UsedSize() const { return static_cast<uint32_t>(FBuffer.size()); }

  uint16_t RefCount(uint32_t entry) const;
  // Reference counts are 16 bits wide: one that reaches 0xFFFF stays there,
  // so that a much-shared string never counts as unreferenced.
  void AddRef(uint32_t entry);
  void Release(uint32_t entry);

  std::u16string GetString(uint32_t entry) const;
  TRichString GetRichString(uint32_t entry) const;

  // Entry order: the smaller entry first, then the stored string bytes
  // compared as unsigned bytes. Equal entries hold the same string.
  int Compare(uint32_t a, uint32_t b) const;
  // Orders the list by entry order (not stable).
  void Sort();
  // Binary search of the sorted list for an entry equal to `entry`: true and
  // the first equal position, or false and the insertion position.
  bool Find(uint32_t entry, size_t& index) const;

 private:
  struct TEntryLayout {
    uint16_t Count;
    uint8_t Options;
    uint16_t Runs;
    uint32_t CharsOfs;  // from the entry's start
    uint32_t Size;      // header, string, runs and far-east data
  };
  TEntryLayout Layout(uint32_t entry) const;

  std::vector<uint8_t> FBuffer;
  std::vector<uint32_t> FList;
};

}  // namespace tabulon
