// FONT (0x0031): one font of the workbook's font list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"
#include "XlsAdapter/biff/RecordList.h"
#include "XlsAdapter/biff/ZylFormat.h"

namespace tabulon {

// Height (u16), attributes (u16: bit 1 italic, bit 3 strike-out), colour
// index (u16), weight (u16), escapement (u16), underline, family and
// character set (bytes 10-12), then the name: count at byte 14, option byte
// at 15, characters from 16.
class TFontRecord : public TSizedRecord<16> {
 public:
  using TSizedRecord::TSizedRecord;

  uint16_t Height() const { return GetWord(0); }
  uint16_t ColorIndex() const { return GetWord(4); }
  uint16_t Weight() const { return GetWord(6); }
  TZylFontStyles Style() const;
  TZylUnderline Underline() const;
  uint8_t Family() const { return GetByte(11); }
  uint8_t Charset() const { return GetByte(12); }
  // Fails with "Error reading record" when the characters run past the
  // record and its CONTINUE chain.
  std::u16string Name() const;

  TZylFont ZylFont() const;
};

// The font list has no entry for font index 4: font indexes 0-3 are list
// positions 0-3 and an index n above 3 is position n - 1.
using TFontRecordList = TRecordList<TFontRecord>;

}  // namespace tabulon
