// A worksheet (BOF type 0x0010, dialog sheets too): its cells by row, row
// and column settings, merged ranges, notes, hyperlinks, drawing, and every
// other record in order.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "XlsAdapter/biff/CellStore.h"
#include "XlsAdapter/biff/ColInfo.h"
#include "XlsAdapter/biff/Drawing.h"
#include "XlsAdapter/biff/RecordList.h"
#include "XlsAdapter/biff/Sheet.h"
#include "XlsAdapter/biff/SheetRanges.h"

namespace tabulon {

// NOTE records by row.
using TNoteList = std::map<uint16_t, TRecordList<TNoteRecord>>;

class TWorkSheet : public TSheet {
 public:
  static constexpr int32_t kDefaultRowHeight = 255;     // twips
  static constexpr int32_t kCharWidth = 293;            // 1/256 of a character
  static constexpr int32_t kDefaultColWidth = 10 * kCharWidth;

  explicit TWorkSheet(TWorkbookGlobals* aWorkbookGlobals);
  void Clear() override;
  void LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader,
                      std::unique_ptr<TBOFRecord> First, TSST& SST) override;

  const TCells& Cells() const { return FCells; }
  const TNoteList& Notes() const { return FNotes; }
  const TColInfoList& Columns() const { return FColumns; }
  const TRangeList& Ranges() const { return FRanges; }
  const TBaseRecordList& HLinks() const { return FHLinks; }
  const TDrawing& Drawing() const { return FDrawing; }
  const TBaseRecordList& MiscRecords1() const { return FMiscRecords1; }
  const TBaseRecordList& MiscRecords2() const { return FMiscRecords2; }
  const TBaseRecordList& HPageBreaks() const { return FHPageBreaks; }
  const TBaseRecordList& VPageBreaks() const { return FVPageBreaks; }

  // Widths in 1/256 of a character, heights in twips, of 0-based columns
  // and rows: the column's or row's own setting, else the sheet's default;
  // 0 for a hidden one when `HiddenIsZero`.
  int32_t GetColWidth(int32_t aCol, bool HiddenIsZero = false) const;
  int32_t GetRowHeight(int32_t aRow, bool HiddenIsZero = false) const;
  bool GetColHidden(int32_t aCol) const;
  bool GetRowHidden(int32_t aRow) const;
  // XF index of the column's or the formatted row's format, -1 without one.
  int32_t GetColFormat(int32_t aCol) const;
  int32_t GetRowFormat(int32_t aRow) const;
  bool IsAutoRowHeight(int32_t aRow) const;

  // The first merged range that holds the cell, else the cell itself.
  TXlsCellRange CellMergedBounds(int32_t aRow, int32_t aCol) const;
  int32_t CellMergedListCount() const;
  // The merged range at that position of all ranges in reading order; the
  // all-zero range for a position outside them.
  TXlsCellRange CellMergedList(int32_t index) const;

  int32_t FDefColWidth = kDefaultColWidth;
  int32_t FDefRowHeight = kDefaultRowHeight;

 private:
  // Per-record state of one load.
  struct TLoadState;
  void FileRecord(TOle2File& DataStream, TRecordHeader& RecordHeader,
                  std::unique_ptr<TBaseRecord> aRecord, TSST& SST, TLoadState& state);
  // Files the records that belong to cells: packed cells, ROW, NOTE, and
  // the STRING, ARRAY and SHRFMLA records of formulas. Returns false for
  // any other record.
  bool FileCellRecord(std::unique_ptr<TBaseRecord>& aRecord, TLoadState& state);
  // Files ranges, column settings, hyperlinks and page breaks. Returns
  // false for any other record.
  bool FileLayoutRecord(TOle2File& DataStream, TRecordHeader& RecordHeader,
                        std::unique_ptr<TBaseRecord>& aRecord);
  void ApplyDefaultSizes(const TBaseRecord& aRecord, TLoadState& state);
  const TRowRecord* RowRecord(int32_t aRow) const;

  TBaseRecordList FMiscRecords1;
  TBaseRecordList FMiscRecords2;
  TBaseRecordList FHPageBreaks;
  TBaseRecordList FVPageBreaks;
  TDrawing FDrawing;
  TCells FCells;
  TRangeList FRanges;
  TNoteList FNotes;
  TColInfoList FColumns;
  TBaseRecordList FHLinks;
};

}  // namespace tabulon
