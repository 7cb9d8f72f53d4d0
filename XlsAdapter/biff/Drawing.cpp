#include "XlsAdapter/biff/Drawing.h"

#include <optional>

#include "XlsAdapter/biff/RecordReader.h"
#include "XlsAdapter/ole2/XlsErrors.h"

namespace tabulon {

bool IsDrawingRecord(uint16_t aId) {
  return aId == RecordId::MsoDrawing || aId == RecordId::Obj || aId == RecordId::Txo;
}

void TDrawing::LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader,
                              std::unique_ptr<TBaseRecord> First, TSST& SST) {
  Keep(DataStream, RecordHeader, std::move(First), SST);
  while (IsDrawingRecord(RecordHeader.Id)) {
    Keep(DataStream, RecordHeader, LoadRecord(DataStream, RecordHeader), SST);
  }
}

void TDrawing::Keep(TOle2File& DataStream, TRecordHeader& RecordHeader,
                    std::unique_ptr<TBaseRecord> aRecord, TSST& SST) {
  const auto* obj = dynamic_cast<const TObjRecord*>(aRecord.get());
  // -1: not an OBJ record, or one without common object data.
  const int objectType = obj != nullptr ? obj->ObjectType().value_or(-1) : -1;
  FRecords.Add(std::move(aRecord));
  if (objectType == TObjRecord::kPictureObject && RecordHeader.Id == RecordId::ImData) {
    FRecords.Add(LoadRecord(DataStream, RecordHeader));
  }
  if (objectType != TObjRecord::kChartObject) return;
  std::unique_ptr<TBaseRecord> next = LoadRecord(DataStream, RecordHeader);
  std::unique_ptr<TBOFRecord> bof = TakeAs<TBOFRecord>(next);
  if (bof == nullptr) FailRecordsInvalid();
  auto embedded = std::make_unique<TZylChart>(FWorkbookGlobals);
  embedded->LoadFromStream(DataStream, RecordHeader, std::move(bof), SST);
  FCharts.push_back(std::move(embedded));
}

void TDrawing::Clear() {
  FRecords.Clear();
  FCharts.clear();
}

}  // namespace tabulon
