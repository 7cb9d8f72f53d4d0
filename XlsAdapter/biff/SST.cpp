#include "XlsAdapter/biff/SST.h"

#include <algorithm>
#include <cstring>

#include "XlsAdapter/biff/ContinuedReader.h"
#include "XlsAdapter/biff/ExcelString.h"
#include "platform/LittleEndian.h"

namespace tabulon {

void TSST::Load(const TBaseRecord& aSSTRecord) {
  const TBaseRecord* record = &aSSTRecord;
  uint32_t pos = 0;
  uint8_t counts[8];
  ReadContinuedBytes(record, pos, counts, sizeof counts);
  const uint32_t count = GetU32(counts + 4);
  for (uint32_t i = 0; i < count; ++i) {
    const TExcelString text(2, record, pos);
    const uint32_t entry = UsedSize();
    FBuffer.resize(entry + kEntryHeaderSize + text.TotalSize(), 0);
    text.CopyToPtr(FBuffer.data() + entry + kEntryHeaderSize);
    FList.push_back(entry);
  }
}

uint16_t TSST::RefCount(uint32_t entry) const { return GetU16(GetEntry(entry)); }

void TSST::AddRef(uint32_t entry) {
  const uint16_t count = RefCount(entry);
  if (count < 0xFFFF) SetU16(FBuffer.data() + entry, count + 1);
}

void TSST::Release(uint32_t entry) {
  const uint16_t count = RefCount(entry);
  if (count > 0 && count < 0xFFFF) SetU16(FBuffer.data() + entry, count - 1);
}

TSST::TEntryLayout TSST::Layout(uint32_t entry) const {
  const uint8_t* p = GetEntry(entry);
  TEntryLayout layout{};
  layout.Count = GetU16(p + 12);
  layout.Options = p[14];
  layout.CharsOfs = 15;
  uint32_t farEast = 0;
  if ((layout.Options & TExcelString::kRichText) != 0) {
    layout.Runs = GetU16(p + layout.CharsOfs);
    layout.CharsOfs += 2;
  }
  if ((layout.Options & TExcelString::kFarEast) != 0) {
    farEast = GetU32(p + layout.CharsOfs);
    layout.CharsOfs += 4;
  }
  const uint32_t charSize = (layout.Options & TExcelString::kWide) != 0 ? 2 : 1;
  layout.Size = layout.CharsOfs + layout.Count * charSize + 4u * layout.Runs + farEast;
  return layout;
}

std::u16string TSST::GetString(uint32_t entry) const {
  const TEntryLayout layout = Layout(entry);
  const uint8_t* chars = GetEntry(entry) + layout.CharsOfs;
  std::u16string text(layout.Count, u'\0');
  const bool wide = (layout.Options & TExcelString::kWide) != 0;
  for (uint16_t i = 0; i < layout.Count; ++i) {
    text[i] = wide ? GetU16(chars + 2 * i) : chars[i];
  }
  return text;
}

TRichString TSST::GetRichString(uint32_t entry) const {
  const TEntryLayout layout = Layout(entry);
  TRichString rich{GetString(entry), {}};
  if ((layout.Options & TExcelString::kRichText) != 0) {
    const uint32_t charSize = (layout.Options & TExcelString::kWide) != 0 ? 2 : 1;
    const uint8_t* runs = GetEntry(entry) + layout.CharsOfs + layout.Count * charSize;
    rich.RTFRuns = DecodeRTFRuns(runs, layout.Runs);
  }
  return rich;
}

int TSST::Compare(uint32_t a, uint32_t b) const {
  const uint32_t sizeA = Layout(a).Size;
  const uint32_t sizeB = Layout(b).Size;
  if (sizeA != sizeB) return sizeA < sizeB ? -1 : 1;
  const int order = std::memcmp(GetEntry(a) + kEntryHeaderSize, GetEntry(b) + kEntryHeaderSize,
                                sizeA - kEntryHeaderSize);
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

void TSST::Sort() {
  std::sort(FList.begin(), FList.end(),
            [this](uint32_t a, uint32_t b) { return Compare(a, b) < 0; });
}

bool TSST::Find(uint32_t entry, size_t& index) const {
  size_t lo = 0;
  size_t hi = FList.size();
  while (lo < hi) {
    const size_t mid = lo + (hi - lo) / 2;
    if (Compare(FList[mid], entry) < 0) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  index = lo;
  return lo < FList.size() && Compare(FList[lo], entry) == 0;
}

}  // namespace tabulon
