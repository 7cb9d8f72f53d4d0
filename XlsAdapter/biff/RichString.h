// Text with rich-text formatting runs, as a shared string or an RSTRING
// cell holds it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tabulon {

struct TRTFRun {
  uint16_t FirstChar = 0;  // index of the first character the run formats
  uint16_t FontIndex = 0;  // font index as stored in the file
  bool operator==(const TRTFRun&) const = default;
};

using TRTFRunList = std::vector<TRTFRun>;

struct TRichString {
  std::u16string Value;
  TRTFRunList RTFRuns;
};

// Runs stored as 4 bytes each (first character, font index).
TRTFRunList DecodeRTFRuns(const uint8_t* runs, size_t count);

}  // namespace tabulon
