// Any bytes opened as a compound document: open, select the workbook stream
// and read it in record-sized pieces. Only the reader's own failures may
// come out.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "XlsAdapter/ole2/ExcelException.h"
#include "XlsAdapter/ole2/Ole2File.h"
#include "platform/MemorySource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tabulon::TMemorySource source(std::span<const uint8_t>(data, size));
  try {
    tabulon::TOle2File file(source);
    file.SelectStream(u"Workbook");
    std::vector<uint8_t> buffer(8224);
    size_t piece = 4;
    while (!file.Eof()) {
      const size_t n = std::min<size_t>(piece, static_cast<size_t>(file.Length() - file.Position()));
      file.ReadMem(buffer.data(), n);
      piece = piece * 3 % 8223 + 1;
    }
  } catch (const tabulon::EExcelException&) {
  }
  return 0;
}
