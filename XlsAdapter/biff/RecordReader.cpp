#include "XlsAdapter/biff/RecordReader.h"

#include <vector>

#include "XlsAdapter/biff/FormulaRecords.h"
#include "XlsAdapter/biff/HLinkRecords.h"
#include "XlsAdapter/biff/RecordFactory.h"
#include "XlsAdapter/ole2/ExcelException.h"
#include "XlsAdapter/ole2/XlsErrors.h"
#include "XlsAdapter/ole2/XlsMessages.h"
#include "platform/LittleEndian.h"

namespace tabulon {
namespace {

std::vector<uint8_t> ReadData(TOle2File& DataStream, uint16_t size) {
  std::vector<uint8_t> data(size);
  DataStream.ReadMem(data.data(), size);
  return data;
}

// The header after a record: an EOF of length 0 when fewer than 4 bytes are
// left. Returns whether a header was read from the stream.
bool ReadNextHeader(TOle2File& DataStream, TRecordHeader& RecordHeader) {
  if (DataStream.NextEof(3)) {
    RecordHeader = {RecordId::Eof, 0};
    return false;
  }
  ReadRecordHeader(DataStream, RecordHeader);
  return true;
}

// A record that must follow `owner` directly, read and handed over.
template <class TOwner>
TOwner& RequireOwner(TBaseRecord& owner) {
  auto* typed = dynamic_cast<TOwner*>(&owner);
  if (typed == nullptr) FailRecordsInvalid();
  return *typed;
}

bool MayPrecedeString(const TBaseRecord& record) {
  return dynamic_cast<const TFormulaRecord*>(&record) != nullptr ||
         dynamic_cast<const TShrFmlaRecord*>(&record) != nullptr ||
         dynamic_cast<const TArrayRecord*>(&record) != nullptr ||
         dynamic_cast<const TTableRecord*>(&record) != nullptr;
}

}  // namespace

void ReadRecordHeader(TOle2File& DataStream, TRecordHeader& RecordHeader) {
  uint8_t bytes[4];
  DataStream.ReadMem(bytes, sizeof bytes);
  RecordHeader = {GetU16(bytes), GetU16(bytes + 2)};
}

std::unique_ptr<TBaseRecord> LoadRecord(TOle2File& DataStream, TRecordHeader& RecordHeader) {
  const uint16_t id = RecordHeader.Id;
  std::vector<uint8_t> data = ReadData(DataStream, RecordHeader.Size);
  if (id == RecordId::FilePass) throw EExcelException(XlsMessages::PasswordProtected);
  std::unique_ptr<TBaseRecord> record = CreateRecord(id, std::move(data));

  if (!ReadNextHeader(DataStream, RecordHeader)) return record;
  switch (RecordHeader.Id) {
    case RecordId::Continue:
      LoadContinueRecords(DataStream, *record, RecordHeader);
      break;
    case RecordId::Table: {
      auto& formula = RequireOwner<TFormulaRecord>(*record);
      formula.SetTableRecord(LoadRecord(DataStream, RecordHeader));
      break;
    }
    case RecordId::Array: {
      auto& formula = RequireOwner<TFormulaRecord>(*record);
      formula.SetArrayRecord(LoadRecord(DataStream, RecordHeader));
      break;
    }
    case RecordId::HLinkToolTip: {
      auto& link = RequireOwner<THLinkRecord>(*record);
      link.AddHint(LoadRecord(DataStream, RecordHeader));
      break;
    }
    case RecordId::String:
      if (!MayPrecedeString(*record)) FailRecordsInvalid();
      break;
    default:
      break;
  }
  return record;
}

void LoadContinueRecords(TOle2File& DataStream, TBaseRecord& aRecord,
                         TRecordHeader& RecordHeader) {
  TBaseRecord* last = &aRecord;
  while (RecordHeader.Id == RecordId::Continue) {
    auto next = std::make_unique<TContinueRecord>(RecordId::Continue,
                                                  ReadData(DataStream, RecordHeader.Size));
    TBaseRecord* added = next.get();
    last->AddContinue(std::move(next));
    last = added;
    if (!ReadNextHeader(DataStream, RecordHeader)) return;
  }
}

}  // namespace tabulon
