// The cell store of a worksheet: the cells filed by row, each row's cells
// in file order until the row is first searched and in column order from
// then on, and the ROW records by row.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "XlsAdapter/biff/CellRecord.h"
#include "XlsAdapter/biff/FormulaRecords.h"
#include "XlsAdapter/biff/MultipleValueRecords.h"
#include "XlsAdapter/biff/RichString.h"
#include "XlsAdapter/biff/RowRecord.h"
#include "XlsAdapter/biff/XlsCellValue.h"

namespace tabulon {

// The cells of one row.
class TCellRecordList {
 public:
  // Appends the cell; the row then counts as unsorted.
  void Add(std::unique_ptr<TCellRecord> aRecord);
  size_t Count() const { return FItems.size(); }
  // `index` must be below Count().
  TCellRecord& GetItems(size_t index) const { return *FItems.at(index); }
  // Sorts the row by column if it is unsorted (of two cells in one column
  // the one added last comes first), then searches it: true and the first
  // position with that column, or false and the position where such a cell
  // would be inserted.
  bool Find(int32_t aCol, size_t& Index) const;
  // Sorts the row by column if it is unsorted.
  void Sort() const;
  bool Sorted() const { return FSorted; }

 private:
  mutable std::vector<std::unique_ptr<TCellRecord>> FItems;  // sorted lazily
  mutable bool FSorted = true;
};

// The cell lists of a sheet by row. Only rows that have cells take memory;
// every other row up to the count reads as an empty list.
class TCellList {
 public:
  // Files the cell under `aRow`.
  void AddRecord(std::unique_ptr<TCellRecord> aRecord, uint16_t aRow);
  // Highest row with a cell + 1.
  size_t Count() const { return FCount; }
  // The cells of a row (an empty list for a row without cells).
  const TCellRecordList& GetItems(size_t aRow) const;
  // The rows that have cells, in row order.
  const std::map<size_t, TCellRecordList>& Rows() const { return FRows; }

  // The value of the cell at (Row, Col), 0-based: empty with XF -1 when
  // there is none. `RTFRuns` (when given) receives the runs of a rich
  // string. Fails with "Invalid Row (%d)" / "Invalid Column (%d)" outside
  // rows 0-65535 and columns 0-255.
  TXlsCellValue GetValueX2(int64_t Row, int64_t Col, TRTFRunList* RTFRuns) const;
  TXlsCellValue GetValue(int64_t Row, int64_t Col) const { return GetValueX2(Row, Col, nullptr); }

  // Gives every formula that refers to shared token data the tokens of its
  // SHRFMLA record; formulas whose key is not found keep theirs.
  void FixFormulas(const TShrFmlaRecordList& ShrFmlas);
  void Clear();

 private:
  std::map<size_t, TCellRecordList> FRows;
  size_t FCount = 0;
};

class TCells {
 public:
  void AddCell(std::unique_ptr<TCellRecord> aRecord, uint16_t aRow);
  // Files one cell per entry of a MULRK or MULBLANK record.
  void AddMultipleCells(TMultipleValueRecord& aRecord);
  void AddRow(std::unique_ptr<TRowRecord> aRecord) { FRowList.AddRecord(std::move(aRecord)); }
  // When the row list is shorter than the cell list: a standard ROW record
  // for every row that has cells but no ROW record, and for the last row
  // of the cell list. Afterwards the row list is at least as long as the
  // cell list.
  void FixRows();
  void Clear();

  TRowRecordList FRowList;
  TCellList FCellList;
};

}  // namespace tabulon
