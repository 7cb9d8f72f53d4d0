// The in-memory workbook: the globals and one sheet per sheet substream, in
// sheet order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "XlsAdapter/biff/ChartSheet.h"
#include "XlsAdapter/biff/Sheet.h"
#include "XlsAdapter/biff/UnsupportedSheet.h"
#include "XlsAdapter/biff/WorkSheet.h"
#include "XlsAdapter/biff/WorkbookGlobals.h"
#include "XlsAdapter/ole2/Ole2File.h"

namespace tabulon {

using TSheetList = std::vector<std::unique_ptr<TSheet>>;

class TWorkbook {
 public:
  static constexpr uint16_t kBofGlobals = 0x0005;
  static constexpr uint16_t kBofWorksheet = 0x0010;
  static constexpr uint16_t kBofChart = 0x0020;

  TWorkbook() : FGlobals(std::make_unique<TWorkbookGlobals>()) {}
  TWorkbook(const TWorkbook&) = delete;
  TWorkbook& operator=(const TWorkbook&) = delete;

  // Loads the workbook stream selected in `DataStream`, replacing what the
  // workbook held. Substreams are dispatched by their BOF type: globals,
  // worksheets (0x0010), charts (0x0020) and every other kind, which is
  // kept unread. The load stops at the end of the stream, at a zero record
  // id (padding), or once there are as many sheets as BOUNDSHEET records.
  // Fails with "Error reading Excel records. File invalid" on a record
  // other than BOF or EOF between substreams, and with the messages of the
  // loaders; the workbook then keeps what was loaded before the failure.
  void LoadFromStream(TOle2File& DataStream);
  void Clear();

  TWorkbookGlobals& Globals() { return *FGlobals; }
  const TWorkbookGlobals& Globals() const { return *FGlobals; }
  size_t SheetCount() const { return FSheets.size(); }
  // `index` (0-based) must be below SheetCount().
  TSheet& GetSheet(size_t index) const { return *FSheets.at(index); }
  // WINDOW1's active sheet, 0-based.
  int32_t GetActiveSheet() const { return FGlobals->ActiveSheet(); }
  bool IsWorksheet(size_t index) const;
  // Sheet `index` as a worksheet: fails with std::bad_cast for another kind
  // of sheet, so callers ask IsWorksheet first.
  TWorkSheet& GetWorkSheets(size_t index) const;

 private:
  // Makes the sheet of the BOF record's type, appends it and loads it.
  void LoadSheet(TOle2File& DataStream, TRecordHeader& RecordHeader,
                 std::unique_ptr<TBOFRecord> First);

  // Declared first, destroyed last: the sheets' string cells refer to the
  // globals' shared string table.
  std::unique_ptr<TWorkbookGlobals> FGlobals;
  TSheetList FSheets;
};

}  // namespace tabulon
