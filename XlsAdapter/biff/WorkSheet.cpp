#include "XlsAdapter/biff/WorkSheet.h"

#include "XlsAdapter/biff/FormulaRecords.h"
#include "XlsAdapter/biff/HLinkRecords.h"
#include "XlsAdapter/biff/RecordReader.h"
#include "XlsAdapter/biff/TextCellRecords.h"
#include "XlsAdapter/ole2/XlsErrors.h"

namespace tabulon {

struct TWorkSheet::TLoadState {
  explicit TLoadState(TBaseRecordList* list) : Current(list) {}
  // Where records that are filed nowhere else go: the first list before
  // WINDOW2, the second from WINDOW2 on.
  TBaseRecordList* Current;
  // The last FORMULA record of the sheet, owned by the cell store: STRING,
  // ARRAY and SHRFMLA records belong to it.
  TFormulaRecord* LastFormula = nullptr;
  // The default column width in characters, as DEFCOLWIDTH last set it.
  uint16_t DefaultWidthChars = 8;
  bool StandardWidthSeen = false;
  TShrFmlaRecordList ShrFmlas;
};

TWorkSheet::TWorkSheet(TWorkbookGlobals* aWorkbookGlobals)
    : TSheet(aWorkbookGlobals), FDrawing(aWorkbookGlobals) {}

void TWorkSheet::Clear() {
  TSheet::Clear();
  FMiscRecords1.Clear();
  FMiscRecords2.Clear();
  FHPageBreaks.Clear();
  FVPageBreaks.Clear();
  FDrawing.Clear();
  FCells.Clear();
  FRanges.clear();
  FNotes.clear();
  FColumns.Clear();
  FHLinks.Clear();
  FDefColWidth = kDefaultColWidth;
  FDefRowHeight = kDefaultRowHeight;
}

void TWorkSheet::LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader,
                                std::unique_ptr<TBOFRecord> First, TSST& SST) {
  Clear();
  TLoadState state(&FMiscRecords1);
  uint16_t id = 0;
  do {
    id = RecordHeader.Id;
    FileRecord(DataStream, RecordHeader, tabulon::LoadRecord(DataStream, RecordHeader), SST,
               state);
  } while (id != RecordId::Eof);
  FCells.FCellList.FixFormulas(state.ShrFmlas);
  FCells.FixRows();
  FBOF = std::move(First);
}

void TWorkSheet::FileRecord(TOle2File& DataStream, TRecordHeader& RecordHeader,
                            std::unique_ptr<TBaseRecord> aRecord, TSST& SST, TLoadState& state) {
  const uint16_t id = aRecord->Id();
  if (id == RecordId::Window2) state.Current = &FMiscRecords2;
  if (id == RecordId::Formula) state.LastFormula = dynamic_cast<TFormulaRecord*>(aRecord.get());
  ApplyDefaultSizes(*aRecord, state);
  AttachIfLabelSST(*aRecord, SST);

  // Cells first: nearly every record of a sheet is one.
  if (auto cell = TakeAs<TCellRecord>(aRecord)) {
    const uint16_t row = cell->Row();
    FCells.AddCell(std::move(cell), row);
    return;
  }
  if (IsDrawingRecord(id)) {
    FDrawing.LoadFromStream(DataStream, RecordHeader, std::move(aRecord), SST);
    return;
  }
  if (FileCommonRecord(aRecord) || FileCellRecord(aRecord, state) ||
      FileLayoutRecord(DataStream, RecordHeader, aRecord)) {
    return;
  }
  const TBaseRecord& kept = *aRecord;
  state.Current->Add(std::move(aRecord));
  RememberRecord(kept);
}

void TWorkSheet::ApplyDefaultSizes(const TBaseRecord& aRecord, TLoadState& state) {
  switch (aRecord.Id()) {
    case RecordId::DefColWidth:
      if (const auto* defColWidth = dynamic_cast<const TDefColWidthRecord*>(&aRecord)) {
        // A STANDARDWIDTH record read before takes precedence over a default
        // width of 8 characters, not over any other.
        const uint16_t width = defColWidth->Width();
        if (!state.StandardWidthSeen || width != 8) {
          state.DefaultWidthChars = width;
          FDefColWidth = width * kCharWidth;
        }
      }
      break;
    case RecordId::StandardWidth:
      if (const auto* standard = dynamic_cast<const TStandardWidthRecord*>(&aRecord)) {
        if (state.DefaultWidthChars == 8) {
          FDefColWidth = standard->Width();
          state.StandardWidthSeen = true;
        }
      }
      break;
    case RecordId::DefaultRowHeight:
      if (const auto* defRowHeight = dynamic_cast<const TDefRowHeightRecord*>(&aRecord)) {
        FDefRowHeight = defRowHeight->Height();
      }
      break;
    default: break;
  }
}

bool TWorkSheet::FileCellRecord(std::unique_ptr<TBaseRecord>& aRecord, TLoadState& state) {
  if (auto* packed = dynamic_cast<TMultipleValueRecord*>(aRecord.get())) {
    FCells.AddMultipleCells(*packed);
    aRecord.reset();
  } else if (auto row = TakeAs<TRowRecord>(aRecord)) {
    FCells.AddRow(std::move(row));
  } else if (auto note = TakeAs<TNoteRecord>(aRecord)) {
    const uint16_t noteRow = note->Row();
    FNotes[noteRow].Add(std::move(note));
  } else if (const auto* text = dynamic_cast<const TStringRecord*>(aRecord.get())) {
    if (state.LastFormula == nullptr) FailRecordsInvalid();
    state.LastFormula->SetFormulaValue(text->Value());
    aRecord.reset();
  } else if (dynamic_cast<const TArrayRecord*>(aRecord.get()) != nullptr) {
    if (state.LastFormula == nullptr) FailRecordsInvalid();
    state.LastFormula->SetArrayRecord(std::move(aRecord));
  } else if (auto shared = TakeAs<TShrFmlaRecord>(aRecord)) {
    if (state.LastFormula == nullptr) FailRecordsInvalid();
    shared->Key = state.LastFormula->Row() + (uint32_t{state.LastFormula->Column()} << 16);
    state.ShrFmlas.Add(std::move(shared));
  } else {
    return false;
  }
  return true;
}

bool TWorkSheet::FileLayoutRecord(TOle2File& DataStream, TRecordHeader& RecordHeader,
                                  std::unique_ptr<TBaseRecord>& aRecord) {
  if (const auto* colInfo = dynamic_cast<const TColInfoRecord*>(aRecord.get())) {
    FColumns.AddRecord(*colInfo);
    aRecord.reset();
  } else if (const auto* condFmt = dynamic_cast<const TCondFmtRecord*>(aRecord.get())) {
    auto block = std::make_unique<TCondFmt>();
    TCondFmt& added = *block;
    FRanges.push_back(std::move(block));
    added.LoadFromStream(DataStream, RecordHeader, *condFmt);
    aRecord.reset();
  } else if (const auto* merging = dynamic_cast<const TCellMergingRecord*>(aRecord.get())) {
    auto merged = std::make_unique<TMergedCells>();
    TMergedCells& added = *merged;
    FRanges.push_back(std::move(merged));
    added.LoadFromRecord(*merging);
    aRecord.reset();
  } else if (dynamic_cast<const THLinkRecord*>(aRecord.get()) != nullptr) {
    FHLinks.Add(std::move(aRecord));
  } else if (aRecord->Id() == RecordId::HorizontalPageBreaks) {
    FHPageBreaks.Add(std::move(aRecord));
  } else if (aRecord->Id() == RecordId::VerticalPageBreaks) {
    FVPageBreaks.Add(std::move(aRecord));
  } else {
    return false;
  }
  return true;
}

const TRowRecord* TWorkSheet::RowRecord(int32_t aRow) const {
  if (aRow < 0 || !FCells.FRowList.HasRow(static_cast<size_t>(aRow))) return nullptr;
  return &FCells.FRowList.GetItems(static_cast<size_t>(aRow));
}

int32_t TWorkSheet::GetColWidth(int32_t aCol, bool HiddenIsZero) const {
  const TColInfo* info = aCol < 0 ? nullptr : FColumns.Find(static_cast<size_t>(aCol));
  if (info == nullptr) return FDefColWidth;
  return HiddenIsZero && info->Hidden() ? 0 : info->Width;
}

int32_t TWorkSheet::GetRowHeight(int32_t aRow, bool HiddenIsZero) const {
  const TRowRecord* row = RowRecord(aRow);
  if (row == nullptr) return FDefRowHeight;
  return HiddenIsZero && row->IsHidden() ? 0 : row->Height();
}

bool TWorkSheet::GetColHidden(int32_t aCol) const {
  const TColInfo* info = aCol < 0 ? nullptr : FColumns.Find(static_cast<size_t>(aCol));
  return info != nullptr && info->Hidden();
}

bool TWorkSheet::GetRowHidden(int32_t aRow) const {
  const TRowRecord* row = RowRecord(aRow);
  return row != nullptr && row->IsHidden();
}

int32_t TWorkSheet::GetColFormat(int32_t aCol) const {
  const TColInfo* info = aCol < 0 ? nullptr : FColumns.Find(static_cast<size_t>(aCol));
  return info != nullptr ? info->XF : -1;
}

int32_t TWorkSheet::GetRowFormat(int32_t aRow) const {
  const TRowRecord* row = RowRecord(aRow);
  return row != nullptr && row->IsFormatted() ? row->GetXF() : -1;
}

bool TWorkSheet::IsAutoRowHeight(int32_t aRow) const {
  const TRowRecord* row = RowRecord(aRow);
  return row == nullptr || row->IsAutoHeight();
}

TXlsCellRange TWorkSheet::CellMergedBounds(int32_t aRow, int32_t aCol) const {
  TXlsCellRange bounds{aCol, aRow, aCol, aRow};
  for (const auto& range : FRanges) {
    const auto* merged = dynamic_cast<const TMergedCells*>(range.get());
    if (merged != nullptr && merged->CheckCell(aRow, aCol, bounds)) break;
  }
  return bounds;
}

int32_t TWorkSheet::CellMergedListCount() const {
  size_t count = 0;
  for (const auto& range : FRanges) {
    if (const auto* merged = dynamic_cast<const TMergedCells*>(range.get())) {
      count += merged->MergedCount();
    }
  }
  return static_cast<int32_t>(count);
}

TXlsCellRange TWorkSheet::CellMergedList(int32_t index) const {
  if (index < 0) return {};
  size_t rest = static_cast<size_t>(index);
  for (const auto& range : FRanges) {
    const auto* merged = dynamic_cast<const TMergedCells*>(range.get());
    if (merged == nullptr) continue;
    if (rest < merged->MergedCount()) return merged->MergedCell(rest);
    rest -= merged->MergedCount();
  }
  return {};
}

}  // namespace tabulon
