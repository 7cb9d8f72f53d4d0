// Renders a million cell values through the number formats contact lists
// use most: amounts, currencies, percentages, zip codes, phone numbers,
// dates and times, and text cells.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "XlsAdapter/XlsFormatValue.h"

namespace {

constexpr int kValues = 1'000'000;

struct Cell {
  tabulon::TCellVariant Value;
  std::u16string_view Format;
};

// A fixed, repeatable mix: each format with values of the kind it is used for.
std::vector<Cell> MakeCells() {
  static constexpr std::array<std::u16string_view, 16> kFormats = {
      u"", u"0", u"0.00", u"#,##0.00", u"\"$\"#,##0.00;[Red]\"$\"#,##0.00", u"0.00%",
      u"00000", u"[<=99999]00000;00000-0000", u"[<=9999999]###-####;(###) ###-####",
      u"mm/dd/yyyy", u"d-mmm-yy", u"h:mm AM/PM", u"m/d/yy h:mm", u"dddd, mmmm d, yyyy",
      u"General", u"@"};
  std::vector<Cell> cells;
  cells.reserve(kValues);
  uint64_t seed = 42;
  const auto next = [&seed] {
    seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(seed >> 11) / 9007199254740992.0;  // [0, 1)
  };
  for (int i = 0; i < kValues; ++i) {
    const size_t f = static_cast<size_t>(i) % kFormats.size();
    const double r = next();
    tabulon::TCellVariant value;
    if (f == 15) {
      value = std::u16string(u"Anne-Marie");
    } else if (f >= 9 && f <= 13) {
      value = 20000 + r * 30000;  // dates 1954-2036 with a time of day
    } else if (f == 8) {
      value = r < 0.5 ? 2000000 + r * 1e7 : 2e9 + r * 7e9;  // phone numbers
    } else if (f == 6 || f == 7) {
      value = r < 0.5 ? r * 199998 : 1e8 + r * 8e8;  // zip and zip+4 codes
    } else if (f == 5) {
      value = r - 0.3;
    } else {
      value = (r - 0.2) * 1e6;
    }
    cells.push_back({std::move(value), kFormats[f]});
  }
  return cells;
}

void RenderMillionValues(benchmark::State& state) {
  const std::vector<Cell> cells = MakeCells();
  const tabulon::TLocaleSettings& settings = tabulon::UsEnglishLocaleSettings();
  for (auto _ : state) {
    for (const Cell& c : cells) {
      tabulon::TXlsRendering r = tabulon::XlsRenderValue(c.Value, c.Format, false, settings);
      benchmark::DoNotOptimize(r);
    }
  }
  state.SetItemsProcessed(state.iterations() * kValues);
}

BENCHMARK(RenderMillionValues)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
