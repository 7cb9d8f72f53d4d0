// Loading a whole workbook: a contact list of many rows of shared strings,
// numbers and RK values, loaded from memory and read back cell by cell.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "XlsAdapter/biff/WorkbookFile.h"
#include "platform/MemorySource.h"
#include "tests/support/BiffBuilder.h"

namespace {

using namespace tabulon;

constexpr int kColumns = 8;

std::vector<uint8_t> ContactList(int rows) {
  testing::TBiffStream s;
  std::vector<std::u16string> strings;
  for (int r = 0; r < rows; ++r) strings.push_back(u"Name " + std::u16string(1, u'A' + r % 26) + u"-" + std::u16string(r % 7 + 1, u'x'));
  s.Bof(testing::kBofGlobals).BoundSheet(u"Contacts").Sst(strings).Eof();
  s.Bof(testing::kBofWorksheet);
  for (int r = 0; r < rows; ++r) {
    const uint16_t row = static_cast<uint16_t>(r);
    s.Row(row, 255);
    s.LabelSst(row, 0, 15, static_cast<uint32_t>(r));
    s.Label(row, 1, 15, u"555-0100");
    s.Number(row, 2, 15, r * 1.5);
    s.MulRk(row, 3, {{15, 0x3FF00000}, {15, 0x0000000A}, {15, 0x00000193}});
    s.BoolErr(row, 6, 15, 1, false);
    s.Blank(row, 7, 15);
  }
  s.Eof();
  return testing::MakeWorkbookFile(s.Data());
}

void BM_LoadWorkbook(benchmark::State& state) {
  const std::vector<uint8_t> file = ContactList(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TMemorySource source(file);
    benchmark::DoNotOptimize(OpenWorkbook(source));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * kColumns);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(file.size()));
}
BENCHMARK(BM_LoadWorkbook)->Arg(1000)->Arg(60000)->Unit(benchmark::kMillisecond);

void BM_LoadAndReadEveryCell(benchmark::State& state) {
  const std::vector<uint8_t> file = ContactList(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TMemorySource source(file);
    const auto workbook = OpenWorkbook(source);
    const TCellList& cells = workbook->GetWorkSheets(0).Cells().FCellList;
    for (int r = 0; r < state.range(0); ++r) {
      for (int c = 0; c < kColumns; ++c) benchmark::DoNotOptimize(cells.GetValue(r, c));
    }
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * kColumns);
}
BENCHMARK(BM_LoadAndReadEveryCell)->Arg(60000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
