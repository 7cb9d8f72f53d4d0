#include "XlsAdapter/biff/ChartSheet.h"

#include "XlsAdapter/biff/RecordReader.h"

namespace tabulon {

void TZylChart::Clear() {
  TSheet::Clear();
  FChartRecords.Clear();
  FRemainingData.reset();
}

void TZylChart::LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader,
                               std::unique_ptr<TBOFRecord> First, TSST& SST) {
  Clear();
  uint64_t depth = 0;
  for (;;) {
    const uint16_t id = RecordHeader.Id;
    std::unique_ptr<TBaseRecord> record = LoadRecord(DataStream, RecordHeader);
    if (id == RecordId::Eof && record->Continue() != nullptr) {
      FRemainingData = record->DetachContinue();
    }
    AttachIfLabelSST(*record, SST);
    if (!FileCommonRecord(record)) {
      const TBaseRecord& kept = *record;
      FChartRecords.Add(std::move(record));
      if (depth == 0) RememberRecord(kept);
    }
    if (id == RecordId::Begin) {
      ++depth;
    } else if (id == RecordId::Eof || id == RecordId::End) {
      if (depth == 0) break;
      --depth;
    }
  }
  FBOF = std::move(First);
}

}  // namespace tabulon
