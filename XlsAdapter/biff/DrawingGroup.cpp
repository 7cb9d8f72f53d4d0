#include "XlsAdapter/biff/DrawingGroup.h"

#include "XlsAdapter/biff/RecordReader.h"

namespace tabulon {

void TDrawingGroup::LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader,
                                   std::unique_ptr<TBaseRecord> First) {
  FRecords.Add(std::move(First));
  while (RecordHeader.Id == RecordId::MsoDrawingGroup) {
    FRecords.Add(LoadRecord(DataStream, RecordHeader));
  }
}

}  // namespace tabulon
