// Any bytes as a workbook stream: read record by record to the end and
// decode every cell, string and shared string table met on the way. Only
// the reader's own failures may come out.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "XlsAdapter/biff/FormulaRecords.h"
#include "XlsAdapter/biff/MultipleValueRecords.h"
#include "XlsAdapter/biff/RecordReader.h"
#include "XlsAdapter/biff/SST.h"
#include "XlsAdapter/biff/TextCellRecords.h"
#include "XlsAdapter/ole2/ExcelException.h"
#include "XlsAdapter/ole2/Ole2File.h"
#include "platform/MemorySource.h"

namespace {

using namespace tabulon;

// A minimal container around the bytes: one FAT sector, one directory
// sector, the stream in ordinary sectors (padded to the cutoff).
std::vector<uint8_t> Wrap(const uint8_t* data, size_t size) {
  const size_t streamSize = std::max<size_t>(size, 4096);
  const size_t streamSectors = (streamSize + 511) / 512;
  std::vector<uint8_t> image(512 * (3 + streamSectors), 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) image[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  const uint8_t signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
  std::copy_n(signature, 8, image.begin());
  image[30] = 9;
  image[32] = 6;
  put32(44, 1);
  put32(48, 1);
  put32(56, 4096);
  put32(60, 0xFFFFFFFE);
  put32(68, 0xFFFFFFFE);
  put32(76, 0);
  for (int i = 1; i < 109; ++i) put32(76 + 4 * i, 0xFFFFFFFF);
  // FAT: sector 0 the FAT, 1 the directory, 2.. the stream.
  for (size_t i = 0; i < 128; ++i) put32(512 + 4 * i, 0xFFFFFFFF);
  put32(512, 0xFFFFFFFD);
  put32(516, 0xFFFFFFFE);
  for (size_t i = 0; i < streamSectors && i + 2 < 128; ++i) {
    put32(512 + 4 * (i + 2), i + 1 < streamSectors ? static_cast<uint32_t>(i + 3) : 0xFFFFFFFE);
  }
  const size_t dir = 1024;
  const char16_t name[] = u"Workbook";
  for (int i = 0; i < 8; ++i) image[dir + 2 * i] = static_cast<uint8_t>(name[i]);
  image[dir + 64] = 18;
  image[dir + 66] = 2;
  put32(dir + 116, 2);
  put32(dir + 120, static_cast<uint32_t>(streamSize));  // zeros after the bytes
  std::copy_n(data, size, image.begin() + 1536);
  return image;
}

void DecodeAll(TOle2File& file) {
  TSST sst;
  std::vector<std::unique_ptr<TBaseRecord>> records;
  TRecordHeader header;
  ReadRecordHeader(file, header);
  while (true) {
    const bool last = header.Id == 0x000A && header.Size == 0 && file.NextEof(3);
    records.push_back(LoadRecord(file, header));
    TBaseRecord* record = records.back().get();
    if (dynamic_cast<TSSTRecord*>(record)) sst.Load(*record);
    if (auto* label = dynamic_cast<TLabelSSTRecord*>(record)) label->AttachToSST(sst);
    if (auto* packed = dynamic_cast<TMultipleValueRecord*>(record)) {
      while (!packed->Eof()) packed->ExtractOneRecord()->CellValue();
    }
    if (auto* cell = dynamic_cast<TCellRecord*>(record)) {
      TRTFRunList runs;
      cell->CellValue(&runs);
    }
    if (auto* text = dynamic_cast<TStringRecord*>(record)) text->Value();
    if (auto* formula = dynamic_cast<TFormulaRecord*>(record)) {
      uint32_t key;
      formula->IsExp(key);
      const std::vector<uint8_t> tokens = record->Data();  // as if it were shared data
      formula->MixShared(tokens);
    }
    if (last) break;
  }
  sst.Sort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 120 * 512) return 0;  // one FAT sector describes the whole container
  const std::vector<uint8_t> image = Wrap(data, size);
  TMemorySource source(image);
  try {
    TOle2File file(source);
    file.SelectStream(u"Workbook");
    DecodeAll(file);
  } catch (const EExcelException&) {
  }
  return 0;
}
