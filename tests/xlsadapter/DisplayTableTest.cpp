// Renders every row of the display table (value, format, what a spreadsheet
// application shows under US English) and compares. The rows our rules
// render differently are listed below with their reason, so that a change
// in any row, listed or not, shows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "XlsAdapter/XlsFormatValue.h"
#include "platform/PlainDecimal.h"
#include "platform/TextEncoding.h"

namespace tabulon {
namespace {

// Why a row differs from the application's text.
constexpr const char* kGeneralExponent =
    "the general conversion writes exponent form for decimal exponents below -3";
constexpr const char* kEighteenDigits =
    "rounding works on 18 significant digits: the stored 2.675 is 2.67499999999999982...";
constexpr const char* kBeyondCalendar =
    "day beyond 31 Dec 9999: each date run prints \"##\", the rest of the section still renders "
    "(the application shows #FMT)";
constexpr const char* kSecondsCut =
    "seconds are cut after rounding to the millisecond, not rounded to the second "
    "(the application itself cuts them under h:mm:ss)";
constexpr const char* kElapsedUnbounded = "elapsed hours print for any value (the application shows #FMT)";
constexpr const char* kNoScaling = "a \",\" after the placeholders groups digits; it does not divide by 1000";

struct KnownDifference {
  const char* Value;
  const char* Format;
  const char* Ours;
  const char* Why;
};

constexpr KnownDifference kKnownDifferences[] = {
    {"1e-05", "General", "1E-5", kGeneralExponent},
    {"1e-05", "@", "1E-5", kGeneralExponent},
    {"2.675", "0.00", "2.67", kEighteenDigits},
    {"2.675", "#,##0.00", "2.67", kEighteenDigits},
    {"2.675", "0.00E+00", "2.67E+00", kEighteenDigits},
    {"2.675", "\"$\"#,##0.00", "$2.67", kEighteenDigits},
    {"2.675", "\"$\"#,##0.00;[Red]\"$\"#,##0.00", "$2.67", kEighteenDigits},
    {"2.675", "#,##0.00_);(#,##0.00)", "2.67 ", kEighteenDigits},
    {"2.675", "#.##", "2.67", kEighteenDigits},
    {"2.675", "[Blue]0.00", "2.67", kEighteenDigits},
    {"12345678.9", "mm/dd/yyyy", "##", kBeyondCalendar},
    {"987654321.0", "mm/dd/yyyy", "##", kBeyondCalendar},
    {"12345678.9", "dd/mm/yyyy", "##", kBeyondCalendar},
    {"987654321.0", "dd/mm/yyyy", "##", kBeyondCalendar},
    {"12345678.9", "d-mmm-yy", "##-##-##", kBeyondCalendar},
    {"987654321.0", "d-mmm-yy", "##-##-##", kBeyondCalendar},
    {"12345678.9", "d-mmm", "##-##", kBeyondCalendar},
    {"987654321.0", "d-mmm", "##-##", kBeyondCalendar},
    {"12345678.9", "mmm-yy", "##-##", kBeyondCalendar},
    {"987654321.0", "mmm-yy", "##-##", kBeyondCalendar},
    {"12345678.9", "m/d/yy h:mm", "## 21:36", kBeyondCalendar},
    {"987654321.0", "m/d/yy h:mm", "## 0:00", kBeyondCalendar},
    {"12345678.9", "yyyy-mm-dd", "##-##-##", kBeyondCalendar},
    {"987654321.0", "yyyy-mm-dd", "##-##-##", kBeyondCalendar},
    {"12345678.9", "dddd, mmmm dd, yyyy", "##, ## ##, ##", kBeyondCalendar},
    {"987654321.0", "dddd, mmmm dd, yyyy", "##, ## ##, ##", kBeyondCalendar},
    {"12345678.9", "yyyy", "##", kBeyondCalendar},
    {"987654321.0", "yyyy", "##", kBeyondCalendar},
    {"12345678.9", "mmmm d, yyyy", "## ##, ##", kBeyondCalendar},
    {"987654321.0", "mmmm d, yyyy", "## ##, ##", kBeyondCalendar},
    {"12345678.9", "dd.mm.yyyy", "##", kBeyondCalendar},
    {"987654321.0", "dd.mm.yyyy", "##", kBeyondCalendar},
    {"1234.5678", "[h]:mm:ss", "29629:37:37", kSecondsCut},
    {"0.123456", "[h]:mm:ss", "2:57:46", kSecondsCut},
    {"1e-05", "[h]:mm:ss", "0:00:00", kSecondsCut},
    {"12345678.9", "[h]:mm:ss", "296296293:36:00", kElapsedUnbounded},
    {"98765.0", "[h]:mm:ss", "2370360:00:00", kElapsedUnbounded},
    {"987654321.0", "[h]:mm:ss", "23703703704:00:00", kElapsedUnbounded},
    {"1.0", "#,##0,\"K\"", "1K", kNoScaling},
    {"1.5", "#,##0,\"K\"", "2K", kNoScaling},
    {"-2.25", "#,##0,\"K\"", "-2K", kNoScaling},
    {"1234.5678", "#,##0,\"K\"", "1,235K", kNoScaling},
    {"-1234.5678", "#,##0,\"K\"", "-1,235K", kNoScaling},
    {"12345678.9", "#,##0,\"K\"", "12,345,679K", kNoScaling},
    {"45000.0", "#,##0,\"K\"", "45,000K", kNoScaling},
    {"45000.75", "#,##0,\"K\"", "45,001K", kNoScaling},
    {"0.75", "#,##0,\"K\"", "1K", kNoScaling},
    {"36526.5", "#,##0,\"K\"", "36,527K", kNoScaling},
    {"98765.0", "#,##0,\"K\"", "98,765K", kNoScaling},
    {"987654321.0", "#,##0,\"K\"", "987,654,321K", kNoScaling},
    {"2.675", "#,##0,\"K\"", "3K", kNoScaling},
};

// One line of a CSV file: fields split at commas, "quoted" fields with ""
// standing for one quote.
std::vector<std::string> SplitCsvLine(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
      fields.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else if (c != '\r') {
      fields.back() += c;
    }
  }
  return fields;
}

TCellVariant CellOf(const std::string& value) {
  if (value.starts_with("text:")) return FromUtf8(value.substr(5));
  const auto number = ParsePlainDecimal(value);
  EXPECT_TRUE(number) << value;
  return number.value_or(0);
}

TEST(DisplayTable, RendersWhatTheApplicationShowsButForTheListedRows) {
  const std::filesystem::path path = std::filesystem::path(TABULON_FORMATS_DIR) / "display.csv";
  std::ifstream file(path);
  if (!file) GTEST_SKIP() << "no " << path;

  std::map<std::pair<std::string, std::string>, const KnownDifference*> known;
  for (const KnownDifference& k : kKnownDifferences) known[{k.Value, k.Format}] = &k;

  std::string line;
  std::getline(file, line);  // the header
  int rows = 0, agreeing = 0, knownSeen = 0;
  while (std::getline(file, line)) {
    if (line.empty()) continue;
    const std::vector<std::string> f = SplitCsvLine(line);
    ASSERT_EQ(f.size(), 3u) << line;
    const std::string ours = ToUtf8(XlsRenderValue(CellOf(f[0]), FromUtf8(f[1]), false, UsEnglishLocaleSettings()).Text);
    ++rows;
    agreeing += ours == f[2];
    const auto k = known.find({f[0], f[1]});
    if (k == known.end()) {
      EXPECT_EQ(ours, f[2]) << f[0] << " with " << f[1];
    } else {
      ++knownSeen;
      EXPECT_EQ(ours, k->second->Ours) << f[0] << " with " << f[1] << " (" << k->second->Why << ")";
    }
  }
  EXPECT_EQ(knownSeen, static_cast<int>(std::size(kKnownDifferences))) << "a listed row is gone from the table";
  std::cout << "display.csv: " << agreeing << " of " << rows << " rows agree\n";
}

}  // namespace
}  // namespace tabulon
