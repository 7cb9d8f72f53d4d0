// The enumerations of the contact model. Each is stored in one byte; the
// numeric values are part of the model (the writer and the XML form test
// them), so they are fixed here.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace tabulon {

enum TvCardVersion : uint8_t { vvNone = 0, vv21 = 1, vv30 = 2, vv40 = 3 };

enum TvFieldType : uint8_t { ftHome = 0, ftWork = 1, ftOther = 2 };

enum TvPhoneType : uint8_t {
  ptText = 0,
  ptVoice = 1,
  ptFax = 2,
  ptCell = 3,
  ptVideo = 4,
  ptPager = 5,
  ptTextPhone = 6,
};
constexpr int kPhoneTypeCount = 7;

enum TvFileEncoding : uint8_t { feExternalURL = 0, feInternalBase64 = 1 };

enum TvImageType : uint8_t { itGIF = 0, itJPEG = 1, itPNG = 2 };

// A set of phone types in one byte: member n is the bit 2^n, so
// {ptVoice, ptCell} is 10.
class TvPhoneTypes {
 public:
  constexpr TvPhoneTypes() = default;
  constexpr TvPhoneTypes(std::initializer_list<TvPhoneType> members) {
    for (TvPhoneType t : members) Include(t);
  }
  static constexpr TvPhoneTypes FromByte(uint8_t bits) {
    TvPhoneTypes set;
    set.FBits = bits & 0x7F;
    return set;
  }

  constexpr bool Contains(TvPhoneType t) const { return (FBits >> t) & 1; }
  constexpr void Include(TvPhoneType t) { FBits = static_cast<uint8_t>(FBits | (1u << t)); }
  constexpr void Exclude(TvPhoneType t) { FBits = static_cast<uint8_t>(FBits & ~(1u << t)); }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr uint8_t Byte() const { return FBits; }
  constexpr bool operator==(const TvPhoneTypes&) const = default;

 private:
  uint8_t FBits = 0;
};

}  // namespace tabulon
