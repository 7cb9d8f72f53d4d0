// A BIFF8 unicode string ([MS-XLS] XLUnicodeRichExtendedString and its
// shorter forms): a character count of 1 or 2 bytes, an option byte, the
// characters (one byte or 16 bits each), then optional rich-text runs and
// far-east data. No code page is applied: a one-byte character is the code
// unit of the same value.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"

namespace tabulon {

class TExcelString {
 public:
  // Option byte bits.
  static constexpr uint8_t kWide = 0x01;
  static constexpr uint8_t kFarEast = 0x04;
  static constexpr uint8_t kRichText = 0x08;

  // Decodes one string from `aRecord` at `ofs`, following its CONTINUE
  // chain; both are left just past the string. `aStrLenLength` is the width
  // of the count, 1 or 2. Fails with "Error reading record" when the string
  // runs past the chain.
  TExcelString(int aStrLenLength, const TBaseRecord*& aRecord, uint32_t& ofs);

  int GetCharSize() const { return (OptionFlags & kWide) != 0 ? 2 : 1; }
  bool HasRichText() const { return (OptionFlags & kRichText) != 0; }
  bool HasFarInfo() const { return (OptionFlags & kFarEast) != 0; }
  // Size of the string as stored: count, option byte, run count, far-east
  // size, characters, runs, far-east data.
  uint32_t TotalSize() const;
  std::u16string GetValue() const;
  // Writes the string in its stored layout (TotalSize bytes) to `dest`.
  void CopyToPtr(uint8_t* dest) const;

  int StrLenLength = 2;
  uint16_t StrLen = 0;
  uint8_t OptionFlags = 0;
  std::u16string WideData;  // the text when OptionFlags bit 0 is set
  std::string ShortData;    // the text, one byte a character, otherwise
  uint16_t NumberRichTextFormats = 0;
  std::vector<uint8_t> RichTextFormats;  // the runs as stored, 4 bytes each
  uint32_t FarEastDataSize = 0;
  std::vector<uint8_t> FarEastData;  // as stored, never interpreted
};

// `count` characters stored from `ofs` of `aRecord` on, one byte each or
// 16-bit as bit 0 of `options` says, following the record's CONTINUE chain
// (each continuation starts with an option byte of its own). For strings
// whose count and option byte a record keeps at places of its own (FONT,
// FORMAT). Fails with "Error reading record" past the chain.
std::u16string DecodeCharacters(const TBaseRecord& aRecord, uint32_t ofs, uint32_t count,
                                uint8_t options);

}  // namespace tabulon
