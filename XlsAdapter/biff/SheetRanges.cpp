#include "XlsAdapter/biff/SheetRanges.h"

#include "XlsAdapter/biff/ContinuedReader.h"
#include "XlsAdapter/biff/RecordReader.h"
#include "XlsAdapter/ole2/ExcelException.h"
#include "XlsAdapter/ole2/XlsMessages.h"
#include "platform/LittleEndian.h"

namespace tabulon {
namespace {

// First row, last row, first column, last column (u16 each).
TXlsCellRange DecodeRange(const uint8_t* p) {
  return {GetU16(p + 4), GetU16(p), GetU16(p + 6), GetU16(p + 2)};
}

// A count (u16) and that many 8-byte ranges at the reading position.
std::vector<TXlsCellRange> ReadRangeList(const TBaseRecord*& record, uint32_t& ofs) {
  uint8_t count[2];
  ReadContinuedBytes(record, ofs, count, 2);
  std::vector<uint8_t> bytes;
  ReadContinuedBlock(record, ofs, size_t{GetU16(count)} * 8, bytes);
  std::vector<TXlsCellRange> ranges;
  ranges.reserve(bytes.size() / 8);
  for (size_t at = 0; at < bytes.size(); at += 8) ranges.push_back(DecodeRange(&bytes[at]));
  return ranges;
}

}  // namespace

void TMergedCells::LoadFromRecord(const TCellMergingRecord& aRecord) {
  const TBaseRecord* record = &aRecord;
  uint32_t ofs = 0;
  FRanges = ReadRangeList(record, ofs);
}

bool TMergedCells::CheckCell(int32_t aRow, int32_t aCol, TXlsCellRange& CellBounds) const {
  for (const TXlsCellRange& range : FRanges) {
    if (range.Top <= aRow && aRow <= range.Bottom && range.Left <= aCol && aCol <= range.Right) {
      CellBounds = range;
      return true;
    }
  }
  return false;
}

void TCondFmt::LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader,
                              const TCondFmtRecord& aRecord) {
  FFlags = aRecord.GetWord(2);
  FBounds = DecodeRange(aRecord.Data().data() + 4);
  const TBaseRecord* record = &aRecord;
  uint32_t ofs = 12;
  FRanges = ReadRangeList(record, ofs);
  for (uint16_t i = 0; i < aRecord.CFCount(); ++i) {
    std::unique_ptr<TBaseRecord> next = LoadRecord(DataStream, RecordHeader);
    std::unique_ptr<TCFRecord> rule = TakeAs<TCFRecord>(next);
    if (rule == nullptr) throw EExcelException(XlsMessages::InvalidCondFmt);
    FRules.Add(std::move(rule));
  }
}

}  // namespace tabulon
