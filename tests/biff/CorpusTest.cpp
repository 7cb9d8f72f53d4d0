// Every workbook of the shared corpus: its Workbook stream is opened and read
// record by record to its end. Under the sanitizer build this shows that no
// real file makes the reader read out of bounds, leak or crash. Files the
// reader refuses must be refused with one of the system's messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "XlsAdapter/biff/FormulaRecords.h"
#include "XlsAdapter/biff/MultipleValueRecords.h"
#include "XlsAdapter/biff/SST.h"
#include "XlsAdapter/biff/TextCellRecords.h"
#include "platform/FileSource.h"
#include "tests/biff/BiffTestUtil.h"

namespace tabulon {
namespace {

namespace fs = std::filesystem;

// Reads the stream and decodes what the lower layers decode: every cell's
// value, the shared strings (and LABELSST cells against them), packed
// records' cells, STRING texts.
void ReadWorkbook(const fs::path& path) {
  TFileSource source(path.string());
  TOle2File file(source);
  file.SelectStream(u"Workbook");
  TSST sst;  // outlives the cells attached to it
  const auto records = testing::LoadAllRecords(file);
  for (const auto& record : records) {
    if (dynamic_cast<const TSSTRecord*>(record.get())) sst.Load(*record);
    if (auto* label = dynamic_cast<TLabelSSTRecord*>(record.get())) label->AttachToSST(sst);
    if (auto* packed = dynamic_cast<TMultipleValueRecord*>(record.get())) {
      while (!packed->Eof()) packed->ExtractOneRecord()->CellValue();
    }
    if (const auto* cell = dynamic_cast<const TCellRecord*>(record.get())) {
      TRTFRunList runs;
      cell->CellValue(&runs);
    }
    if (const auto* text = dynamic_cast<const TStringRecord*>(record.get())) text->Value();
  }
  sst.Sort();
}

TEST(Corpus, EveryWorkbookStreamReadsToItsEndOrIsRefusedWithAMessage) {
  const fs::path dir = TABULON_CORPUS_DIR;
  if (!fs::is_directory(dir)) GTEST_SKIP() << "no corpus at " << dir;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.path().extension() == ".xls") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  const std::set<std::string> messages = {
      "The file \"\" is invalid", "Error reading Excel records. File invalid",
      "File is password protected", "Template file is saved with an invalid Excel version",
      "Error reading record", "Trying to add more than one CONTINUE record to the same record"};
  std::map<std::string, std::vector<std::string>> refused;
  size_t read = 0;
  for (const fs::path& path : files) {
    const std::string failure = FailureOf([&] { ReadWorkbook(path); });
    if (failure == "no failure") {
      ++read;
      continue;
    }
    refused[failure].push_back(path.filename().string());
    const bool known = messages.count(failure) > 0 ||
                       failure.starts_with("End of stream reached with ") ||
                       failure.starts_with("Record with ID 0x");
    EXPECT_TRUE(known) << path.filename() << ": " << failure;
  }
  std::cout << "corpus: " << files.size() << " files, " << read << " read to the end\n";
  for (const auto& [message, names] : refused) {
    std::cout << "  " << names.size() << " refused with \"" << message << "\":";
    for (const auto& name : names) std::cout << ' ' << name;
    std::cout << '\n';
  }
}

}  // namespace
}  // namespace tabulon
