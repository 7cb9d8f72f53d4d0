#include "XlsAdapter/biff/ContinuedReader.h"

#include <algorithm>
#include <cstring>

#include "XlsAdapter/ole2/XlsErrors.h"
#include "platform/LittleEndian.h"

namespace tabulon {
namespace {

// Moves to the next record of the chain when the position is at the end of
// its record; fails when the position lies beyond it or the chain ends.
void StepAtBoundary(const TBaseRecord*& aRecord, uint32_t& aPos) {
  if (aPos > aRecord->DataSize()) FailErrorReadingRecord();
  if (aPos < aRecord->DataSize()) return;
  aRecord = aRecord->Continue();
  if (aRecord == nullptr) FailErrorReadingRecord();
  aPos = 0;
}

void Widen(const std::string& shortData, std::u16string& wideData, uint32_t count) {
  wideData.resize(shortData.size());
  for (uint32_t i = 0; i < count; ++i) wideData[i] = static_cast<uint8_t>(shortData[i]);
}

}  // namespace

void ReadContinuedBytes(const TBaseRecord*& aRecord, uint32_t& aPos, uint8_t* dest,
                        size_t count) {
  while (count > 0) {
    StepAtBoundary(aRecord, aPos);
    const size_t n = std::min<size_t>(count, aRecord->DataSize() - aPos);
    if (dest != nullptr && n > 0) {
      std::memcpy(dest, aRecord->Data().data() + aPos, n);
      dest += n;
    }
    aPos += static_cast<uint32_t>(n);
    count -= n;
  }
  if (aPos > aRecord->DataSize()) FailErrorReadingRecord();
}

void ReadContinuedBlock(const TBaseRecord*& aRecord, uint32_t& aPos, size_t count,
                        std::vector<uint8_t>& dest) {
  constexpr size_t kChunk = 0x10000;
  while (count > 0) {
    const size_t n = std::min(count, kChunk);
    const size_t old = dest.size();
    dest.resize(old + n);
    ReadContinuedBytes(aRecord, aPos, dest.data() + old, n);
    count -= n;
  }
}

void ReadContinuedChars(const TBaseRecord*& aRecord, uint32_t& aPos, std::string& shortData,
                        std::u16string& wideData, uint8_t& optionFlags,
                        uint8_t& segmentFlags, uint32_t& charsDone, uint32_t charCount) {
  const auto isWide = [&] { return (optionFlags & 1) != 0; };
  if (isWide()) {
    wideData.resize(charCount);
  } else {
    shortData.resize(charCount);
  }
  while (charsDone < charCount) {
    if (aPos > aRecord->DataSize()) FailErrorReadingRecord();
    if (aPos == aRecord->DataSize()) {
      aRecord = aRecord->Continue();
      if (aRecord == nullptr || aRecord->DataSize() == 0) FailErrorReadingRecord();
      segmentFlags = aRecord->Data()[0];
      aPos = 1;
      if ((segmentFlags & 1) != 0 && !isWide()) {
        Widen(shortData, wideData, charsDone);
        optionFlags |= 1;
      }
    }
    const uint8_t* src = aRecord->Data().data() + aPos;
    const size_t available = aRecord->DataSize() - aPos;
    const uint32_t left = charCount - charsDone;
    if ((segmentFlags & 1) != 0) {
      // A dangling last byte of a 16-bit segment is no character: it is
      // skipped, and the string goes on in the next record.
      const size_t taken = std::min<size_t>(available, size_t{left} * 2);
      for (size_t i = 0; i + 1 < taken; i += 2) wideData[charsDone++] = GetU16(src + i);
      aPos += static_cast<uint32_t>(taken);
    } else {
      const size_t taken = std::min<size_t>(available, left);
      for (size_t i = 0; i < taken; ++i) {
        if (isWide()) {
          wideData[charsDone++] = src[i];
        } else {
          shortData[charsDone++] = static_cast<char>(src[i]);
        }
      }
      aPos += static_cast<uint32_t>(taken);
    }
  }
}

}  // namespace tabulon
