#include "XlsAdapter/biff/Workbook.h"

#include "XlsAdapter/biff/RecordReader.h"
#include "XlsAdapter/ole2/XlsErrors.h"

namespace tabulon {

void TWorkbook::Clear() {
  FSheets.clear();
  FGlobals->Clear();
}

void TWorkbook::LoadFromStream(TOle2File& DataStream) {
  Clear();
  TRecordHeader header;
  ReadRecordHeader(DataStream, header);
  for (;;) {
    if (DataStream.NextEof(3) || header.Id == 0) break;
    const uint16_t id = header.Id;
    std::unique_ptr<TBaseRecord> record = LoadRecord(DataStream, header);
    if (id == RecordId::Bof) {
      std::unique_ptr<TBOFRecord> bof = TakeAs<TBOFRecord>(record);
      if (bof == nullptr) FailRecordsInvalid();
      if (bof->BOFType() == kBofGlobals) {
        FGlobals->LoadFromStream(DataStream, header, std::move(bof), FGlobals->SST());
      } else {
        LoadSheet(DataStream, header, std::move(bof));
      }
    } else if (id != RecordId::Eof) {
      FailRecordsInvalid();
    }
    const size_t declared = FGlobals->BoundSheets().Count();
    if (declared > 0 && FSheets.size() >= declared) break;
  }
  FGlobals->SST().Sort();
}

void TWorkbook::LoadSheet(TOle2File& DataStream, TRecordHeader& RecordHeader,
                          std::unique_ptr<TBOFRecord> First) {
  std::unique_ptr<TSheet> sheet;
  switch (First->BOFType()) {
    case kBofWorksheet: sheet = std::make_unique<TWorkSheet>(FGlobals.get()); break;
    case kBofChart: sheet = std::make_unique<TZylChart>(FGlobals.get()); break;
    default: sheet = std::make_unique<TZylUnsupportedSheet>(FGlobals.get()); break;
  }
  TSheet& added = *sheet;
  FSheets.push_back(std::move(sheet));
  added.LoadFromStream(DataStream, RecordHeader, std::move(First), FGlobals->SST());
}

bool TWorkbook::IsWorksheet(size_t index) const {
  return index < FSheets.size() && dynamic_cast<const TWorkSheet*>(FSheets[index].get());
}

TWorkSheet& TWorkbook::GetWorkSheets(size_t index) const {
  return dynamic_cast<TWorkSheet&>(GetSheet(index));
}

}  // namespace tabulon
