#include "XlsAdapter/biff/CellStore.h"

#include <algorithm>

namespace tabulon {

void TCellRecordList::Add(std::unique_ptr<TCellRecord> aRecord) {
  FItems.push_back(std::move(aRecord));
  FSorted = false;
}

namespace {

int32_t ColumnOf(const std::unique_ptr<TCellRecord>& cell) { return cell->Column(); }

}  // namespace

void TCellRecordList::Sort() const {
  if (FSorted) return;
  // Reversed first, so that of two cells in one column the one added last
  // comes first: a later record for a cell overrides an earlier one.
  std::ranges::reverse(FItems);
  std::ranges::stable_sort(FItems, {}, ColumnOf);
  FSorted = true;
}

bool TCellRecordList::Find(int32_t aCol, size_t& Index) const {
  Sort();
  const auto it = std::ranges::lower_bound(FItems, aCol, {}, ColumnOf);
  Index = static_cast<size_t>(it - FItems.begin());
  return it != FItems.end() && ColumnOf(*it) == aCol;
}

void TCellList::AddRecord(std::unique_ptr<TCellRecord> aRecord, uint16_t aRow) {
  // Files list their rows in ascending order: the last row, or one after
  // it, is found without a search.
  auto it = FRows.empty() ? FRows.end() : std::prev(FRows.end());
  if (it == FRows.end() || it->first != aRow) it = FRows.try_emplace(FRows.end(), aRow);
  it->second.Add(std::move(aRecord));
  FCount = std::max(FCount, size_t{aRow} + 1);
}

const TCellRecordList& TCellList::GetItems(size_t aRow) const {
  static const TCellRecordList kEmpty;
  const auto it = FRows.find(aRow);
  return it == FRows.end() ? kEmpty : it->second;
}

TXlsCellValue TCellList::GetValueX2(int64_t Row, int64_t Col, TRTFRunList* RTFRuns) const {
  CheckCellAddress(Row, Col);
  if (RTFRuns != nullptr) RTFRuns->clear();
  const TCellRecordList& cells = GetItems(static_cast<size_t>(Row));
  size_t index = 0;
  if (!cells.Find(static_cast<int32_t>(Col), index)) return {};
  return cells.GetItems(index).CellValue(RTFRuns);
}

void TCellList::FixFormulas(const TShrFmlaRecordList& ShrFmlas) {
  if (ShrFmlas.Count() == 0) return;
  for (auto& [row, cells] : FRows) {
    for (size_t i = 0; i < cells.Count(); ++i) {
      auto* formula = dynamic_cast<TFormulaRecord*>(&cells.GetItems(i));
      uint32_t key = 0;
      if (formula == nullptr || !formula->IsExp(key)) continue;
      if (const TShrFmlaRecord* shared = ShrFmlas.Find(key)) formula->MixShared(shared->Data());
    }
  }
}

void TCellList::Clear() {
  FRows.clear();
  FCount = 0;
}

void TCells::AddCell(std::unique_ptr<TCellRecord> aRecord, uint16_t aRow) {
  FCellList.AddRecord(std::move(aRecord), aRow);
}

void TCells::AddMultipleCells(TMultipleValueRecord& aRecord) {
  while (!aRecord.Eof()) {
    std::unique_ptr<TCellRecord> cell = aRecord.ExtractOneRecord();
    const uint16_t row = cell->Row();
    AddCell(std::move(cell), row);
  }
}

void TCells::FixRows() {
  if (FRowList.Count() >= FCellList.Count()) return;
  for (const auto& [row, cells] : FCellList.Rows()) {
    if (cells.Count() > 0) FRowList.AddRow(static_cast<uint16_t>(row));
  }
}

void TCells::Clear() {
  FRowList.Clear();
  FCellList.Clear();
}

}  // namespace tabulon
