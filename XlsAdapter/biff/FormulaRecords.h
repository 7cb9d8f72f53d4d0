// FORMULA cells and the records that belong to a formula: SHRFMLA (shared
// token data), ARRAY and TABLE (attached to the formula they follow).
// Only a formula's cached result is ever read; tokens are kept as bytes.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"
#include "XlsAdapter/biff/CellRecord.h"

namespace tabulon {

// SHRFMLA (0x04BC): first and last row (u16), first and last column (u8),
// then from byte 8 the token array length (u16) and the shared tokens.
class TShrFmlaRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
  // Row + column x 65536 of the FORMULA record it follows; set by the loader.
  uint32_t Key = 0;
};

// The SHRFMLA records of one sheet, sorted by Key on the first search after
// an Add (a stable sort: of two records with one key the first one read is
// found).
class TShrFmlaRecordList {
 public:
  void Add(std::unique_ptr<TShrFmlaRecord> aRecord);
  size_t Count() const { return FItems.size(); }
  // The record with that key, or none.
  const TShrFmlaRecord* Find(uint32_t aKey) const;

 private:
  mutable std::vector<std::unique_ptr<TShrFmlaRecord>> FItems;  // sorted lazily
  mutable bool FSorted = true;
};

// ARRAY (0x0221): the array formula of the FORMULA record before it.
class TArrayRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
};

// TABLE (0x0236, at least 8 bytes). Created with the always-recalculate and
// calculate-on-open bits (0 and 1 of the u16 at bytes 6-7) set.
class TTableRecord : public TBaseRecord {
 public:
  TTableRecord(uint16_t aId, std::vector<uint8_t> aData);
};

// FORMULA (0x0006, at least 22 bytes): cached result in bytes 6-13, option
// flags at 14-15, token array length at 20-21, tokens from byte 22.
class TFormulaRecord : public TCellRecord {
 public:
  // Decodes the cached result and sets the calculate-on-open bit (bit 1 of
  // byte 14), so that a saved copy is recalculated when opened.
  TFormulaRecord(uint16_t aId, std::vector<uint8_t> aData);

  bool IsFormula() const override { return true; }
  TCellVariant GetValue() const override { return FFormulaValue; }
  // The text of the STRING record that follows a text result.
  void SetFormulaValue(TCellVariant value) { FFormulaValue = std::move(value); }

  void SetArrayRecord(std::unique_ptr<TBaseRecord> aRecord) { FArrayRecord = std::move(aRecord); }
  void SetTableRecord(std::unique_ptr<TBaseRecord> aRecord) { FTableRecord = std::move(aRecord); }
  const TBaseRecord* ArrayRecord() const { return FArrayRecord.get(); }
  const TBaseRecord* TableRecord() const { return FTableRecord.get(); }

  // A formula that only refers to shared token data (27 bytes, a 5-byte
  // token array holding one exp token) yields the key of that data: row +
  // column x 65536 of the cell where the shared formula was first stored.
  bool IsExp(uint32_t& key) const;
  // Takes over the token data of the SHRFMLA record `shared` (its bytes
  // from 8 on go to this record's byte 20). A formula keeps its own tokens
  // when the shared ones hold a token the walk does not know or run past
  // their data: only cached results are ever read, so one odd formula must
  // not refuse the workbook. Returns whether the tokens were taken over.
  bool MixShared(std::span<const uint8_t> shared);


 private:
  TCellVariant FFormulaValue;  // the cached result
  std::unique_ptr<TBaseRecord> FTableRecord;
  std::unique_ptr<TBaseRecord> FArrayRecord;
};

}  // namespace tabulon
