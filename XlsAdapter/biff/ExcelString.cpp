#include "XlsAdapter/biff/ExcelString.h"

#include <cstring>

#include "XlsAdapter/biff/ContinuedReader.h"
#include "XlsAdapter/biff/RichString.h"
#include "platform/LittleEndian.h"
#include "platform/TextEncoding.h"

namespace tabulon {

TRTFRunList DecodeRTFRuns(const uint8_t* runs, size_t count) {
  TRTFRunList list(count);
  for (size_t i = 0; i < count; ++i) {
    list[i] = {GetU16(runs + 4 * i), GetU16(runs + 4 * i + 2)};
  }
  return list;
}

TExcelString::TExcelString(int aStrLenLength, const TBaseRecord*& aRecord, uint32_t& ofs)
    : StrLenLength(aStrLenLength == 1 ? 1 : 2) {
  uint8_t field[4] = {};
  ReadContinuedBytes(aRecord, ofs, field, StrLenLength);
  StrLen = StrLenLength == 1 ? field[0] : GetU16(field);
  ReadContinuedBytes(aRecord, ofs, &OptionFlags, 1);
  if (HasRichText()) {
    ReadContinuedBytes(aRecord, ofs, field, 2);
    NumberRichTextFormats = GetU16(field);
  }
  if (HasFarInfo()) {
    ReadContinuedBytes(aRecord, ofs, field, 4);
    FarEastDataSize = GetU32(field);
  }

  uint8_t segmentFlags = OptionFlags;
  uint32_t done = 0;
  ReadContinuedChars(aRecord, ofs, ShortData, WideData, OptionFlags, segmentFlags, done, StrLen);
  if ((OptionFlags & kWide) != 0) {
    ShortData.clear();
  } else {
    WideData.clear();
  }

  ReadContinuedBlock(aRecord, ofs, size_t{NumberRichTextFormats} * 4, RichTextFormats);
  ReadContinuedBlock(aRecord, ofs, FarEastDataSize, FarEastData);
}

std::u16string DecodeCharacters(const TBaseRecord& aRecord, uint32_t ofs, uint32_t count,
                                uint8_t options) {
  const TBaseRecord* record = &aRecord;
  std::string shortData;
  std::u16string wideData;
  uint8_t optionFlags = options & TExcelString::kWide;
  uint8_t segmentFlags = optionFlags;
  uint32_t done = 0;
  ReadContinuedChars(record, ofs, shortData, wideData, optionFlags, segmentFlags, done, count);
  return (optionFlags & TExcelString::kWide) != 0 ? wideData : FromLatin1(shortData);
}

uint32_t TExcelString::TotalSize() const {
  uint32_t size = StrLen * GetCharSize() + StrLenLength + 1;
  if (HasRichText()) size += 2 + 4 * NumberRichTextFormats;
  if (HasFarInfo()) size += 4 + FarEastDataSize;
  return size;
}

std::u16string TExcelString::GetValue() const {
  return (OptionFlags & kWide) != 0 ? WideData : FromLatin1(ShortData);
}

void TExcelString::CopyToPtr(uint8_t* dest) const {
  if (StrLenLength == 1) {
    *dest++ = static_cast<uint8_t>(StrLen);
  } else {
    SetU16(dest, StrLen);
    dest += 2;
  }
  *dest++ = OptionFlags;
  if (HasRichText()) {
    SetU16(dest, NumberRichTextFormats);
    dest += 2;
  }
  if (HasFarInfo()) {
    SetU32(dest, FarEastDataSize);
    dest += 4;
  }
  if ((OptionFlags & kWide) != 0) {
    for (char16_t c : WideData) {
      SetU16(dest, c);
      dest += 2;
    }
  } else {
    std::memcpy(dest, ShortData.data(), ShortData.size());
    dest += ShortData.size();
  }
  if (!RichTextFormats.empty()) {
    std::memcpy(dest, RichTextFormats.data(), RichTextFormats.size());
    dest += RichTextFormats.size();
  }
  if (!FarEastData.empty()) std::memcpy(dest, FarEastData.data(), FarEastData.size());
}

}  // namespace tabulon
