// Range records of a worksheet, kept in the order they were read: merged
// cells (MERGEDCELLS, 0x00E5) and conditional formats (CONDFMT, 0x01B0,
// with the CF records that follow it).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"
#include "XlsAdapter/biff/RecordHeader.h"
#include "XlsAdapter/biff/RecordList.h"
#include "XlsAdapter/ole2/Ole2File.h"

namespace tabulon {

// A block of cells, 0-based and inclusive in the model.
struct TXlsCellRange {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  bool operator==(const TXlsCellRange&) const = default;
};

class TSheetRange {
 public:
  virtual ~TSheetRange() = default;
};

// MERGEDCELLS: a count (u16), then that many ranges of first row, last
// row, first column, last column (u16 each), running on into CONTINUE
// records.
class TCellMergingRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
};

class TMergedCells : public TSheetRange {
 public:
  // Reads the ranges of the record; fails with "Error reading record" when
  // they run past the record and its chain.
  void LoadFromRecord(const TCellMergingRecord& aRecord);
  size_t MergedCount() const { return FRanges.size(); }
  const TXlsCellRange& MergedCell(size_t index) const { return FRanges.at(index); }
  // The first range that holds the cell, if any.
  bool CheckCell(int32_t aRow, int32_t aCol, TXlsCellRange& CellBounds) const;

 private:
  std::vector<TXlsCellRange> FRanges;
};

// CONDFMT: the number of CF records that follow (u16), flags (u16), the
// bounding range (8 bytes), then a range list (count u16, 8-byte ranges).
class TCondFmtRecord : public TSizedRecord<14> {
 public:
  using TSizedRecord::TSizedRecord;
  uint16_t CFCount() const { return GetWord(0); }
};

// CF (0x01B1): one rule of a conditional format, kept as read.
class TCFRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
};

// DVAL (0x01B2): data validation settings, kept as read.
class TDValRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
};

class TCondFmt : public TSheetRange {
 public:
  // Reads the block's ranges from `aRecord`, then exactly as many records
  // from the stream as it announces, each of which must be a CF record
  // (else "Invalid conditional format record").
  void LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader,
                      const TCondFmtRecord& aRecord);
  const std::vector<TXlsCellRange>& Ranges() const { return FRanges; }
  const TRecordList<TCFRecord>& Rules() const { return FRules; }

 private:
  uint16_t FFlags = 0;
  TXlsCellRange FBounds;
  std::vector<TXlsCellRange> FRanges;
  TRecordList<TCFRecord> FRules;
};

using TRangeList = std::vector<std::unique_ptr<TSheetRange>>;

}  // namespace tabulon
