// Runs xls2vcf cells on real and built workbooks.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <nlohmann/json.hpp>

#include "tests/cli/RunXls2vcf.h"
#include "tests/support/BiffBuilder.h"

namespace tabulon {
namespace {

using Json = nlohmann::json;
using testing::RunXls2vcf;
using testing::TBiffStream;
using testing::TCliOutcome;

std::string Fixture(const char* name) {
  return std::string(TABULON_SOURCE_DIR) + "/tests/fixtures/workbooks/" + name;
}

// A workbook file built in memory, removed with the object.
class TTempWorkbook {
 public:
  explicit TTempWorkbook(const TBiffStream& stream)
      : FPath(std::filesystem::temp_directory_path() /
              ("cells-test-" + std::to_string(::getpid()) + "-" + std::to_string(++FCount) + ".xls")) {
    const testing::Bytes file = testing::MakeWorkbookFile(stream.Data());
    std::ofstream(FPath, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                 static_cast<std::streamsize>(file.size()));
  }
  ~TTempWorkbook() { std::filesystem::remove(FPath); }
  std::string Path() const { return FPath.string(); }

 private:
  static inline int FCount = 0;
  std::filesystem::path FPath;
};

Json Cells(const std::vector<std::string>& args) {
  std::vector<std::string> command = {"cells"};
  command.insert(command.end(), args.begin(), args.end());
  const TCliOutcome o = RunXls2vcf(command);
  EXPECT_EQ(o.Exit, 0) << o.Err;
  EXPECT_EQ(o.Out.back(), '\n');
  return Json::parse(o.Out, nullptr, false);
}

TEST(CellsCommand, ListsTheCellsOfTheFirstSheet) {
  const Json out = Cells({Fixture("xlwt-cells.xls")});
  EXPECT_EQ(out["sheets"], Json::array({"Contacts", "Second"}));
  EXPECT_EQ(out["active"], 2);
  EXPECT_EQ(out["datemode"], 0);
  const Json& cells = out["cells"];
  ASSERT_EQ(cells.size(), 34u);
  EXPECT_EQ(cells[0], Json::array({1, 1, "text", "Name", "General"}));
  const auto at = [&](int row, int col) {
    for (const Json& cell : cells) {
      if (cell[0] == row && cell[1] == col) return cell;
    }
    return Json();
  };
  EXPECT_EQ(at(2, 4), Json::array({2, 4, "number", 1234567.891, "General"}));
  EXPECT_EQ(at(2, 5), Json::array({2, 5, "bool", true, "General"}));
  EXPECT_EQ(at(2, 6), Json::array({2, 6, "text", "#DIV/0!", "General"}));
  EXPECT_EQ(at(3, 1), Json::array({3, 1, "text", "Zo\u00eb \u65e5\u672c", "General"}));
  EXPECT_EQ(at(6, 1), Json::array({6, 1, "blank", "", "General"}));
  EXPECT_EQ(at(7, 1), Json::array({7, 1, "number", 45000.25, "yyyy-mm-dd hh:mm"}));
  // Row, then column order.
  for (size_t i = 1; i < cells.size(); ++i) {
    EXPECT_LT(std::make_pair(cells[i - 1][0].get<int>(), cells[i - 1][1].get<int>()),
              std::make_pair(cells[i][0].get<int>(), cells[i][1].get<int>()));
  }
}

TEST(CellsCommand, ListsTheChosenSheetAndThe1904System) {
  EXPECT_EQ(Cells({Fixture("xlwt-cells.xls"), "--sheet", "2"})["cells"],
            Json::parse(R"([[1, 1, "text", "active", "General"]])"));
  EXPECT_EQ(Cells({"--sheet", "0", Fixture("xlwt-cells.xls")})["cells"][0][3], "Name");
  EXPECT_EQ(Cells({Fixture("xlwt-1904.xls")})["datemode"], 1);
}

TEST(CellsCommand, ASheetThatIsNoWorksheetListsNoCells) {
  TBiffStream s;
  s.Bof(testing::kBofGlobals).BoundSheet(u"Chart").BoundSheet(u"Data").Window1(1).Eof();
  s.Bof(testing::kBofChart).Begin().End().Eof();
  s.Bof(testing::kBofWorksheet).Label(0, 0, 15, std::u16string(u"a\xD800z")).Eof();
  const TTempWorkbook file(s);
  const Json chart = Cells({file.Path()});
  EXPECT_EQ(chart["cells"], Json::array());
  EXPECT_EQ(chart["active"], 2);
  // A lone surrogate is written as U+FFFD.
  EXPECT_EQ(Cells({file.Path(), "--sheet", "2"})["cells"][0][3], "a\xEF\xBF\xBDz");
}

TEST(CellsCommand, FailuresPrintTheMessageAndExitWithOne) {
  const struct {
    std::vector<std::string> Args;
    std::string Message;
  } cases[] = {
      {{Fixture("xlwt-cells.xls"), "--sheet", "3"},
       "The index \"3\" of the property \"ActiveSheet\" is not in the range 1-2\n"},
      {{Fixture("make-workbooks")}, "The file \"\" is invalid\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> command = {"cells"};
    command.insert(command.end(), c.Args.begin(), c.Args.end());
    const TCliOutcome o = RunXls2vcf(command);
    EXPECT_EQ(o.Exit, 1) << c.Message;
    EXPECT_EQ(o.Err, c.Message);
    EXPECT_EQ(o.Out, "");
  }
  const TCliOutcome missing = RunXls2vcf({"cells", "/nonexistent/book.xls"});
  EXPECT_EQ(missing.Exit, 1);
  EXPECT_NE(missing.Err.find("/nonexistent/book.xls"), std::string::npos);
  EXPECT_EQ(RunXls2vcf({"cells"}).Exit, 2);
  EXPECT_EQ(RunXls2vcf({"cells", Fixture("xlwt-cells.xls"), "--sheet", "two"}).Exit, 2);
}

}  // namespace
}  // namespace tabulon
