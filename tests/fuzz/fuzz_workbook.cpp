// Any bytes as a workbook stream: loaded as a whole workbook, then every
// cell, format, sheet setting and defined name is read back. Only the
// reader's own failures may come out.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "XlsAdapter/biff/WorkbookFile.h"
#include "XlsAdapter/ole2/ExcelException.h"
#include "platform/MemorySource.h"
#include "tests/support/CompoundBuilder.h"

namespace {

using namespace tabulon;

void ReadSheet(const TWorkbookGlobals& globals, const TWorkSheet& sheet) {
  for (const auto& [row, cells] : sheet.Cells().FCellList.Rows()) {
    for (size_t i = 0; i < cells.Count(); ++i) {
      const TCellRecord& cell = cells.GetItems(i);
      if (cell.Column() > 255) continue;
      TRTFRunList runs;
      const TXlsCellValue value = sheet.Cells().FCellList.GetValueX2(row, cell.Column(), &runs);
      globals.GetFormatList(value.XF);
      sheet.CellMergedBounds(static_cast<int32_t>(row), cell.Column());
    }
    sheet.GetRowHeight(static_cast<int32_t>(row), true);
    sheet.GetRowFormat(static_cast<int32_t>(row));
  }
  for (int32_t i = 0; i < sheet.CellMergedListCount(); ++i) sheet.CellMergedList(i);
  sheet.GetColWidth(3, true);
  sheet.PageHeader();
  sheet.PageFooter();
  sheet.Margins();
  sheet.SheetZoom();
  sheet.CodeName();
  int32_t a = 0, b = 0;
  sheet.GetFrozenPanes(a, b);
  sheet.GetSplitWindow(a, b);
}

void ReadWorkbook(const TWorkbook& workbook) {
  const TWorkbookGlobals& globals = workbook.Globals();
  for (int32_t i = 0; i < globals.SheetCount(); ++i) globals.SheetName(i);
  for (size_t i = 0; i < workbook.SheetCount(); ++i) {
    if (workbook.IsWorksheet(i)) ReadSheet(globals, workbook.GetWorkSheets(i));
  }
  for (const auto& name : globals.Names()) {
    name->Name();
    name->GetR1();
    name->GetC2();
    name->RefersToSheet(globals.References());
  }
  globals.XF().GetUsedColors(56, globals.Fonts());
  globals.ColorPalette(0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 0x10000) return 0;
  const std::vector<uint8_t> file = testing::MakeWorkbookFile(std::vector<uint8_t>(data, data + size));
  try {
    TMemorySource source(file);
    const std::unique_ptr<TWorkbook> workbook = OpenWorkbook(source);
    ReadWorkbook(*workbook);
  } catch (const EExcelException&) {
  }
  return 0;
}
