#include "XlsAdapter/biff/TextCellRecords.h"

#include "XlsAdapter/biff/ContinuedReader.h"
#include "XlsAdapter/biff/ExcelString.h"
#include "XlsAdapter/ole2/XlsErrors.h"
#include "platform/LittleEndian.h"

namespace tabulon {
namespace {

// The text (and where it ended) of a string with a 2-byte count at `ofs`.
std::u16string DecodeText(const TBaseRecord*& record, uint32_t& ofs) {
  return TExcelString(2, record, ofs).GetValue();
}

}  // namespace

TCellVariant TLabelRecord::GetValue() const {
  const TBaseRecord* record = this;
  uint32_t ofs = 6;
  return DecodeText(record, ofs);
}

TCellVariant TRStringRecord::GetValue() const { return GetAsRichString().Value; }

TCellVariant TRStringRecord::GetValueX2(TRTFRunList& runs) const {
  TRichString rich = GetAsRichString();
  runs = std::move(rich.RTFRuns);
  return std::move(rich.Value);
}

TRichString TRStringRecord::GetAsRichString() const {
  const TBaseRecord* record = this;
  uint32_t ofs = 6;
  TRichString rich{DecodeText(record, ofs), {}};
  uint8_t count[2];
  ReadContinuedBytes(record, ofs, count, 2);
  std::vector<uint8_t> runs;
  ReadContinuedBlock(record, ofs, size_t{GetU16(count)} * 4, runs);
  rich.RTFRuns = DecodeRTFRuns(runs.data(), runs.size() / 4);
  return rich;
}

TLabelSSTRecord::TLabelSSTRecord(uint16_t aId, std::vector<uint8_t> aData)
    : TCellRecord(aId, std::move(aData)) {
  RequireSize(10);
}

TLabelSSTRecord::~TLabelSSTRecord() { Detach(); }

void TLabelSSTRecord::Detach() {
  if (FSST != nullptr && pSSTEntry >= 0) FSST->Release(static_cast<uint32_t>(pSSTEntry));
  FSST = nullptr;
  pSSTEntry = -1;
}

void TLabelSSTRecord::AttachToSST(TSST& aSST) {
  Detach();
  const uint32_t index = GetCardinal(6);
  if (index >= aSST.Count()) FailRecordsInvalid();
  FSST = &aSST;
  pSSTEntry = aSST.EntryAt(index);
  aSST.AddRef(static_cast<uint32_t>(pSSTEntry));
}

std::u16string TLabelSSTRecord::GetAsString() const {
  if (FSST == nullptr) return {};
  return FSST->GetString(static_cast<uint32_t>(pSSTEntry));
}

TRichString TLabelSSTRecord::GetAsRichString() const {
  if (FSST == nullptr) return {};
  return FSST->GetRichString(static_cast<uint32_t>(pSSTEntry));
}

TCellVariant TLabelSSTRecord::GetValue() const {
  if (FSST == nullptr) return {};
  return GetAsString();
}

TCellVariant TLabelSSTRecord::GetValueX2(TRTFRunList& runs) const {
  if (FSST == nullptr) {
    runs.clear();
    return {};
  }
  TRichString rich = GetAsRichString();
  runs = std::move(rich.RTFRuns);
  return std::move(rich.Value);
}

std::u16string TStringRecord::Value() const {
  const TBaseRecord* record = this;
  uint32_t ofs = 0;
  return DecodeText(record, ofs);
}

}  // namespace tabulon
