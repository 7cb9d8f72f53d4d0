// References to other workbooks and sheets, as formulas name them:
// SUPBOOK (0x01AE) records with the EXTERNNAME (0x0023) records that follow
// each, and the EXTERNSHEET (0x0017) table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"
#include "XlsAdapter/biff/RecordList.h"

namespace tabulon {

class TExternNameRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
};

// Sheet count (u16), then either 0x0401 (u16, the record describes the
// workbook itself), 0x3A01 (add-in functions) or a workbook name.
class TSupBookRecord : public TSizedRecord<4> {
 public:
  using TSizedRecord::TSizedRecord;
  bool IsLocal() const { return GetWord(2) == 0x0401; }
  void AddExternName(std::unique_ptr<TExternNameRecord> aName) { FExternNames.Add(std::move(aName)); }
  const TRecordList<TExternNameRecord>& ExternNames() const { return FExternNames; }

 private:
  TRecordList<TExternNameRecord> FExternNames;
};

// Entry count (u16), then entries of three u16 values, running on into
// CONTINUE records.
class TExternSheetRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
};

struct TExternRef {
  uint16_t SupBookRecord = 0;  // position of the SUPBOOK
  uint16_t FirstSheet = 0;
  uint16_t LastSheet = 0;
};

class TReferences {
 public:
  // Appends the SUPBOOK; one that describes the workbook itself becomes the
  // local one.
  void AddSupBook(std::unique_ptr<TSupBookRecord> aRecord);
  // Attaches the name to the last SUPBOOK; without one, fails with "Error
  // reading Excel records. File invalid".
  void AddExternName(std::unique_ptr<TExternNameRecord> aRecord);
  // Appends the record's entries. Fails with "Error reading record" when
  // they run past the record and its chain.
  void AddExternSheet(const TExternSheetRecord& aRecord);
  void Clear();

  const TRecordList<TSupBookRecord>& SupBooks() const { return FSupBooks; }
  const std::vector<TExternRef>& ExternRefs() const { return FExternRefs; }
  // Position of the SUPBOOK of the workbook itself, -1 without one.
  int32_t LocalSupBook() const { return FLocalSupBook; }
  // The sheet that EXTERNSHEET entry `index` names: its first sheet when
  // the entry is of this workbook and names one sheet, else -1. An index
  // not below the number of entries fails with "The index "%d" of the
  // property "Sheet Reference" is not in the range 0-<entries>".
  int32_t GetSheet(uint16_t index) const;

 private:
  TRecordList<TSupBookRecord> FSupBooks;
  std::vector<TExternRef> FExternRefs;
  int32_t FLocalSupBook = -1;
};

}  // namespace tabulon
