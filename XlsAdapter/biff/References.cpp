#include "XlsAdapter/biff/References.h"

#include "XlsAdapter/biff/ContinuedReader.h"
#include "XlsAdapter/ole2/XlsErrors.h"
#include "platform/LittleEndian.h"

namespace tabulon {

void TReferences::AddSupBook(std::unique_ptr<TSupBookRecord> aRecord) {
  if (aRecord->IsLocal()) FLocalSupBook = static_cast<int32_t>(FSupBooks.Count());
  FSupBooks.Add(std::move(aRecord));
}

void TReferences::AddExternName(std::unique_ptr<TExternNameRecord> aRecord) {
  if (FSupBooks.Empty()) FailRecordsInvalid();
  FSupBooks.Last().AddExternName(std::move(aRecord));
}

void TReferences::AddExternSheet(const TExternSheetRecord& aRecord) {
  const TBaseRecord* record = &aRecord;
  uint32_t ofs = 0;
  uint8_t count[2];
  ReadContinuedBytes(record, ofs, count, 2);
  std::vector<uint8_t> entries;
  ReadContinuedBlock(record, ofs, size_t{GetU16(count)} * 6, entries);
  for (size_t at = 0; at < entries.size(); at += 6) {
    FExternRefs.push_back(
        {GetU16(&entries[at]), GetU16(&entries[at + 2]), GetU16(&entries[at + 4])});
  }
}

void TReferences::Clear() {
  FSupBooks.Clear();
  FExternRefs.clear();
  FLocalSupBook = -1;
}

int32_t TReferences::GetSheet(uint16_t index) const {
  if (index >= FExternRefs.size()) {
    FailIndexOutOfRange(index, "Sheet Reference", 0, static_cast<int>(FExternRefs.size()));
  }
  const TExternRef& ref = FExternRefs[index];
  if (ref.SupBookRecord == FLocalSupBook && ref.FirstSheet == ref.LastSheet) return ref.FirstSheet;
  return -1;
}

}  // namespace tabulon
