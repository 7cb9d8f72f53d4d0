// Every workbook of the shared corpus: its Workbook stream is opened and read
// record by record to its end. Under the sanitizer build this shows that no
// real file makes the reader read out of bounds, leak or crash. Files the
// reader refuses must be refused with one of the system's messages.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

#include "XlsAdapter/biff/FormulaRecords.h"
#include "XlsAdapter/biff/MultipleValueRecords.h"
#include "XlsAdapter/biff/SST.h"
#include "XlsAdapter/biff/TextCellRecords.h"
#include "platform/FileSource.h"
#include "tests/biff/BiffTestUtil.h"
#include "tests/biff/CorpusUtil.h"

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
  const std::vector<fs::path> files = CorpusWorkbooks();
  if (files.empty()) GTEST_SKIP() << "no corpus at " << TABULON_CORPUS_DIR;
  TRefusals refused;
  size_t read = 0;
  for (const fs::path& path : files) {
    const std::string failure = FailureOf([&] { ReadWorkbook(path); });
    if (failure == "no failure") {
      ++read;
      continue;
    }
    refused[failure].push_back(path.filename().string());
    EXPECT_TRUE(IsReaderMessage(failure)) << path.filename() << ": " << failure;
  }
  std::cout << "corpus: " << files.size() << " files, " << read << " read to the end\n";
  PrintRefusals(refused);
}

}  // namespace
}  // namespace tabulon
