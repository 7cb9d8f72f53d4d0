// Every workbook of the shared corpus, opened as the window opens it and
// compared with what an independent reader (xlrd) sees in it. A file either
// loads or is refused with one of the system's messages; a loaded file's
// first worksheet holds every non-empty cell xlrd lists, with the same
// value (numbers to the last bit) and, where the cell's XF names a format
// defined by a FORMAT record, the same format string. The differences that
// are understood are listed below; any other difference fails.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "XlsAdapter/biff/WorkbookFile.h"
#include "XlsAdapter/ole2/ExcelException.h"
#include "platform/TextEncoding.h"
#include "tests/biff/CorpusUtil.h"

namespace tabulon {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

// What the model and xlrd see differently, by file and kind of difference,
// with the number of cells concerned.
struct TKnownDifference {
  const char* File;
  const char* Kind;
  size_t Cells;
};

// A formula whose cached result is the empty text (result kind 3) reads as
// empty, as cell values are specified; xlrd shows it as an empty text. Both
// display as an empty cell.
constexpr char kEmptyTextResult[] = "empty-text formula result read as empty";

const TKnownDifference kKnownDifferences[] = {
    {"15556.xls", kEmptyTextResult, 2},
    {"44891.xls", kEmptyTextResult, 2032},
    {"54206.xls", kEmptyTextResult, 64},
    {"55668.xls", kEmptyTextResult, 1},
    {"60460.xls", kEmptyTextResult, 43},
    {"Basic_Expense_Template_2011.xls", kEmptyTextResult, 60},
    {"FormulaEvalTestData.xls", kEmptyTextResult, 19},
    {"StringContinueRecords.xls", kEmptyTextResult, 3981},
    {"ex44921-21902.xls", kEmptyTextResult, 17},
};

struct TTally {
  size_t Files = 0;
  size_t Loaded = 0;
  TRefusals Refused;
  size_t CellsCompared = 0;
  size_t FormatsCompared = 0;
  size_t LoadedThoughXlrdRefused = 0;
  std::map<std::pair<std::string, std::string>, size_t> Differences;  // (file, kind)
  std::map<std::pair<std::string, std::string>, std::string> Examples;
};

// The first sheet xlrd shows: the first worksheet of the directory (xlrd
// leaves chart sheets, macro sheets and modules out).
int FirstWorksheetEntry(const TWorkbookGlobals& globals) {
  for (int32_t i = 0; i < globals.SheetCount(); ++i) {
    if ((globals.SheetOptionFlags(i) >> 8) == 0) return i;
  }
  return -1;
}

std::string Describe(const TCellVariant& value) {
  return std::visit(
      [](const auto& v) -> std::string {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::monostate>) return "empty";
        if constexpr (std::is_same_v<T, double>) return "number " + Json(v).dump();
        if constexpr (std::is_same_v<T, std::u16string>) return "text " + Json(ToUtf8(v)).dump();
        if constexpr (std::is_same_v<T, bool>) return v ? "true" : "false";
      },
      value);
}

// The kind of difference between an xlrd cell and the model's value, or
// empty when they agree.
std::string CompareValue(const Json& cell, const TXlsCellValue& model) {
  const std::string kind = cell[2];
  const Json& value = cell[3];
  if (model.XF < 0) return "cell missing";
  if (kind == "number") {
    const auto* number = std::get_if<double>(&model.Value);
    if (number == nullptr) return "number read as " + Describe(model.Value).substr(0, 5);
    if (value.is_null()) return std::isnan(*number) ? "" : "number differs";  // xlrd's NaN
    return std::bit_cast<uint64_t>(*number) == std::bit_cast<uint64_t>(value.get<double>())
               ? ""
               : "number differs";
  }
  if (kind == "bool") {
    const auto* flag = std::get_if<bool>(&model.Value);
    if (flag == nullptr) return "bool read as " + Describe(model.Value).substr(0, 5);
    return *flag == value.get<bool>() ? "" : "bool differs";
  }
  const auto* text = std::get_if<std::u16string>(&model.Value);
  if (text == nullptr) {
    // A formula whose cached result is the empty text (result kind 3)
    // reads as empty; xlrd shows it as an empty text.
    if (model.IsFormula && std::holds_alternative<std::monostate>(model.Value) &&
        value == "") {
      return kEmptyTextResult;
    }
    return kind + " read as " + Describe(model.Value).substr(0, 5);
  }
  return *text == FromUtf8(value.get<std::string>()) ? "" : kind + " differs";
}

void CompareFirstSheet(const std::string& name, const Json& view, const TWorkbook& workbook,
                       TTally& tally) {
  const TWorkbookGlobals& globals = workbook.Globals();
  const auto differ = [&](const std::string& kind, const std::string& example) {
    const auto key = std::make_pair(name, kind);
    if (tally.Differences[key]++ == 0) tally.Examples[key] = example;
  };
  if (view["datemode"] != (globals.Is1904() ? 1 : 0)) differ("date system", "");
  Json worksheetNames = Json::array();
  for (int32_t i = 0; i < globals.SheetCount(); ++i) {
    if ((globals.SheetOptionFlags(i) >> 8) == 0) worksheetNames.push_back(ToUtf8(globals.SheetName(i)));
  }
  if (view["sheets"] != worksheetNames) differ("worksheet names", worksheetNames.dump());
  const int entry = FirstWorksheetEntry(globals);
  if (entry < 0 || static_cast<size_t>(entry) >= workbook.SheetCount() ||
      !workbook.IsWorksheet(static_cast<size_t>(entry))) {
    if (!view["cells"].empty()) differ("no first worksheet", "");
    return;
  }
  const TWorkSheet& sheet = workbook.GetWorkSheets(static_cast<size_t>(entry));
  for (const Json& cell : view["cells"]) {
    if (cell[2] == "blank") continue;
    ++tally.CellsCompared;
    const int row = cell[0].get<int>() - 1;
    const int col = cell[1].get<int>() - 1;
    const TXlsCellValue model = sheet.Cells().FCellList.GetValue(row, col);
    const std::string where = "row " + std::to_string(row + 1) + " col " + std::to_string(col + 1);
    if (std::string kind = CompareValue(cell, model); !kind.empty()) {
      differ(kind, where + ": xlrd " + cell[3].dump() + ", model " + Describe(model.Value));
      continue;
    }
    const TXFRecordList& xfs = globals.XF();
    if (static_cast<size_t>(model.XF) >= xfs.Count()) continue;
    size_t format = 0;
    if (!globals.Formats().Find(xfs.GetItems(model.XF).FormatIndex(), format)) continue;
    ++tally.FormatsCompared;
    const std::string modelFormat = ToUtf8(globals.GetFormatList(model.XF).Format);
    if (modelFormat != cell[4].get<std::string>()) {
      differ("format differs", where + ": xlrd " + cell[4].dump() + ", model " + Json(modelFormat).dump());
    }
  }
}

void CheckWorkbook(const fs::path& path, TTally& tally) {
  const std::string name = path.filename().string();
  ++tally.Files;
  std::unique_ptr<TWorkbook> workbook;
  try {
    workbook = OpenWorkbookFile(path.string());
  } catch (const EExcelException& e) {
    tally.Refused[e.what()].push_back(name);
    EXPECT_TRUE(IsReaderMessage(e.what())) << name << ": " << e.what();
    return;
  }
  ++tally.Loaded;
  fs::path viewPath = path;
  viewPath.replace_extension(".xlrd.json");
  std::ifstream in(viewPath);
  if (!in) return;
  // xlrd writes a NaN cell value as a bare NaN, which JSON lacks.
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  static const std::regex nan(R"((\[\d+, \d+, "number", )NaN)");
  const Json view = Json::parse(std::regex_replace(text, nan, "$1null"), nullptr, false);
  ASSERT_FALSE(view.is_discarded()) << viewPath;
  if (!view.contains("cells")) {  // xlrd refused the file
    ++tally.LoadedThoughXlrdRefused;
    return;
  }
  CompareFirstSheet(name, view, *workbook, tally);
}

void Report(const TTally& tally) {
  size_t differing = 0;
  for (const auto& [key, count] : tally.Differences) differing += count;
  std::cout << "corpus: " << tally.Files << " files, " << tally.Loaded << " loaded, "
            << tally.Files - tally.Loaded << " refused; " << tally.CellsCompared
            << " cells compared (" << tally.FormatsCompared << " with a FORMAT record's format), "
            << differing << " differ; " << tally.LoadedThoughXlrdRefused
            << " loaded files xlrd refuses\n";
  PrintRefusals(tally.Refused);
  for (const auto& [key, count] : tally.Differences) {
    std::cout << "  " << key.first << ": " << count << " x " << key.second << " ("
              << tally.Examples.at(key) << ")\n";
  }
}

TEST(WorkbookCorpus, LoadsOrRefusesEveryFileAndAgreesWithXlrd) {
  const std::vector<fs::path> files = CorpusWorkbooks();
  if (files.empty()) GTEST_SKIP() << "no corpus at " << TABULON_CORPUS_DIR;
  TTally tally;
  for (const fs::path& path : files) CheckWorkbook(path, tally);
  Report(tally);

  std::map<std::pair<std::string, std::string>, size_t> known;
  for (const TKnownDifference& d : kKnownDifferences) known[{d.File, d.Kind}] = d.Cells;
  EXPECT_EQ(tally.Differences, known);
}

}  // namespace
}  // namespace tabulon
