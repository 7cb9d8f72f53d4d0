// An allocation table of a compound document held whole in memory: entry i
// is the sector that follows sector i in its chain. Base of the FAT and the
// mini FAT.
#pragma once

#include <cstdint>
#include <vector>

#include "XlsAdapter/ole2/SectorBuffer.h"

namespace tabulon {

class TOle2AllocationTable {
 public:
  // Entry `sect`; a value outside the table fails with
  // "Error reading Excel records. File invalid".
  uint32_t GetNextSector(uint32_t sect) const;
  // The sector `steps` steps down the chain from `start`. A chain longer
  // than the table has entries must loop, and fails as above.
  uint32_t Walk(uint32_t start, uint64_t steps) const;
  size_t Count() const { return FEntries.size(); }

 protected:
  // Appends the entries held by the sector now in `buffer`.
  void AppendSector(const TSectorBuffer& buffer);

  std::vector<uint32_t> FEntries;
};

// Marks the sectors met along a chain: meeting one twice, or one outside the
// table, fails with "Error reading Excel records. File invalid".
class TVisitedSectors {
 public:
  explicit TVisitedSectors(size_t count) : FSeen(count, false) {}
  void Visit(uint32_t sect);

 private:
  std::vector<bool> FSeen;
};

}  // namespace tabulon
