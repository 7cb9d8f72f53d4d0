// xls2vcf cells: opens a workbook as the window does and prints what the
// workbook model holds for one sheet, in the schema of the corpus's xlrd
// views, so that a script can compare the two cell by cell.
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <variant>

#include <nlohmann/json.hpp>

#include "XlsAdapter/biff/WorkbookFile.h"
#include "XlsAdapter/ole2/XlsErrors.h"
#include "cli/Commands.h"
#include "platform/TextEncoding.h"

namespace tabulon::cli {
namespace {

using Json = nlohmann::ordered_json;

// The kind and value of a cell value: an error value is the text the model
// holds for it, so it lists as text.
Json CellEntry(size_t row, const TCellRecord& cell, const std::string& format) {
  struct TKindValue {
    const char* Kind;
    Json Value;
  };
  const TKindValue kindValue = std::visit(
      [](const auto& v) -> TKindValue {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::monostate>) return {"blank", ""};
        if constexpr (std::is_same_v<T, double>) return {"number", v};
        if constexpr (std::is_same_v<T, std::u16string>) return {"text", ToUtf8(v)};
        if constexpr (std::is_same_v<T, bool>) return {"bool", v};
      },
      cell.GetValue());
  return Json::array({row + 1, cell.Column() + 1, kindValue.Kind, kindValue.Value, format});
}

// Every cell of the worksheet in row, then column order; of two cells in
// one column the one a lookup finds.
Json SheetCells(const TWorkbookGlobals& globals, const TWorkSheet& sheet) {
  std::map<uint16_t, std::string> formats;  // by XF index
  const auto formatOf = [&](uint16_t xf) -> const std::string& {
    auto it = formats.find(xf);
    if (it == formats.end()) it = formats.emplace(xf, ToUtf8(globals.GetFormatList(xf).Format)).first;
    return it->second;
  };
  Json cells = Json::array();
  for (const auto& [row, list] : sheet.Cells().FCellList.Rows()) {
    list.Sort();
    for (size_t i = 0; i < list.Count(); ++i) {
      const TCellRecord& cell = list.GetItems(i);
      if (i > 0 && list.GetItems(i - 1).Column() == cell.Column()) continue;
      cells.push_back(CellEntry(row, cell, formatOf(cell.XF())));
    }
  }
  return cells;
}

void RunCells(const std::string& fileName, int sheetNumber) {
  const std::unique_ptr<TWorkbook> workbook = OpenWorkbookFile(fileName);
  const TWorkbookGlobals& globals = workbook->Globals();
  // As the grid import chooses a sheet: numbers below 1 mean 1.
  if (sheetNumber < 1) sheetNumber = 1;
  if (sheetNumber > globals.SheetCount()) {
    FailIndexOutOfRange(sheetNumber, "ActiveSheet", 1, globals.SheetCount());
  }
  Json out;
  Json names = Json::array();
  for (int32_t i = 0; i < globals.SheetCount(); ++i) names.push_back(ToUtf8(globals.SheetName(i)));
  out["sheets"] = std::move(names);
  out["active"] = workbook->GetActiveSheet() + 1;
  out["datemode"] = globals.Is1904() ? 1 : 0;
  const size_t index = static_cast<size_t>(sheetNumber - 1);
  out["cells"] = workbook->IsWorksheet(index) ? SheetCells(globals, workbook->GetWorkSheets(index))
                                              : Json::array();
  std::cout << out.dump() << '\n';
}

}  // namespace

void AddCellsCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand(
      "cells", "Print as JSON the sheets, active sheet, date system and the cells of one sheet "
               "of BOOK.xls as the workbook model holds them");
  auto fileName = std::make_shared<std::string>();
  auto sheet = std::make_shared<int>(1);
  cmd->add_option("BOOK", *fileName, "the .xls workbook")->required();
  cmd->add_option("--sheet", *sheet, "the sheet to list, counted from 1 (default 1)");
  cmd->callback([fileName, sheet] { RunCells(*fileName, *sheet); });
}

}  // namespace tabulon::cli
