// The sheet directory: one BOUNDSHEET record (0x0085) per sheet, in sheet
// order, and the set of sheet names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"
#include "XlsAdapter/biff/RecordList.h"

namespace tabulon {

enum TXlsSheetVisible : uint8_t { sv_Visible = 0, sv_Hidden = 1, sv_VeryHidden = 2 };

// Stream position of the sheet's BOF (u32), option flags (u16: bits 0-1
// visibility, high byte the sheet type), then the name as a string with a
// 1-byte count.
class TBoundSheetRecord : public TSizedRecord<8> {
 public:
  using TSizedRecord::TSizedRecord;
  uint16_t OptionFlags() const { return GetWord(4); }
  // Visibility bits 3 report as visible.
  TXlsSheetVisible SheetVisible() const;
  // Fails with "Error reading record" when the name runs past the record
  // and its CONTINUE chain.
  std::u16string SheetName() const;
};

// Orders names by length, then by UTF-16 code units (case-sensitive).
struct TSheetNameOrder {
  bool operator()(const std::u16string& a, const std::u16string& b) const {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
  }
};
using TSheetNameList = std::set<std::u16string, TSheetNameOrder>;

class TBoundSheetList {
 public:
  // Appends the sheet; a name already in the directory fails with "Sheet
  // name already exists: %s".
  void Add(std::unique_ptr<TBoundSheetRecord> aRecord);
  void Clear();
  size_t Count() const { return FBoundSheets.Count(); }
  // `index` (0-based) must be below Count().
  const TBoundSheetRecord& GetItems(size_t index) const { return FBoundSheets.GetItems(index); }
  const TSheetNameList& SheetNames() const { return FSheetNames; }

 private:
  TSheetNameList FSheetNames;
  TRecordList<TBoundSheetRecord> FBoundSheets;
};

}  // namespace tabulon
