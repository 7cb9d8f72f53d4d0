#include "XlsAdapter/biff/UnsupportedSheet.h"

#include "XlsAdapter/biff/RecordReader.h"

namespace tabulon {

void TZylUnsupportedSheet::Clear() {
  TSheet::Clear();
  FSheetRecords.Clear();
}

void TZylUnsupportedSheet::LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader,
                                          std::unique_ptr<TBOFRecord> First, TSST& SST) {
  Clear();
  uint16_t id = 0;
  do {
    id = RecordHeader.Id;
    std::unique_ptr<TBaseRecord> record = LoadRecord(DataStream, RecordHeader);
    AttachIfLabelSST(*record, SST);
    if (!FileCommonRecord(record)) {
      const TBaseRecord& kept = *record;
      FSheetRecords.Add(std::move(record));
      RememberRecord(kept);
    }
  } while (id != RecordId::Eof);
  FBOF = std::move(First);
}

}  // namespace tabulon
