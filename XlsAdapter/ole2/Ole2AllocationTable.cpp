#include "XlsAdapter/ole2/Ole2AllocationTable.h"

#include "XlsAdapter/ole2/XlsErrors.h"
#include "platform/LittleEndian.h"

namespace tabulon {

uint32_t TOle2AllocationTable::GetNextSector(uint32_t sect) const {
  if (sect >= FEntries.size()) FailRecordsInvalid();
  return FEntries[sect];
}

uint32_t TOle2AllocationTable::Walk(uint32_t start, uint64_t steps) const {
  if (steps >= FEntries.size() && steps > 0) FailRecordsInvalid();
  uint32_t sect = start;
  for (uint64_t i = 0; i < steps; ++i) sect = GetNextSector(sect);
  return sect;
}

void TOle2AllocationTable::AppendSector(const TSectorBuffer& buffer) {
  const std::vector<uint8_t>& data = buffer.Data();
  for (size_t i = 0; i + 4 <= data.size(); i += 4) FEntries.push_back(GetU32(&data[i]));
}

void TVisitedSectors::Visit(uint32_t sect) {
  if (sect >= FSeen.size() || FSeen[sect]) FailRecordsInvalid();
  FSeen[sect] = true;
}

}  // namespace tabulon
