// XF (0x00E0): a cell format. Its position in the workbook's XF list is the
// XF index that cells, rows and columns name.
#pragma once

#include <cstdint>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"
#include "XlsAdapter/biff/FontRecord.h"
#include "XlsAdapter/biff/FormatRecord.h"
#include "XlsAdapter/biff/RecordList.h"
#include "XlsAdapter/biff/ZylFormat.h"

namespace tabulon {

enum TBorderSide : uint8_t { bsLeft, bsRight, bsTop, bsBottom, bsDiagonal };

// Font index (u16), format id (u16), protection and parent (u16 at 4),
// alignment (bytes 6-8), border styles (bytes 10-11), border colours (u16
// at 12, u32 at 14), fill pattern (bits 26-31 of the u32 at 14) and fill
// colours (u16 at 18).
class TXFRecord : public TSizedRecord<20> {
 public:
  using TSizedRecord::TSizedRecord;

  uint16_t FontIndex() const { return GetWord(0); }
  uint16_t FormatIndex() const { return GetWord(2); }
  // The font list position of the XF's font: indexes above 3 are lowered
  // by one (there is no font 4); one outside the list gives 0.
  int32_t GetActualFontIndex(const TFontRecordList& FontList) const;

  bool Locked() const { return (GetByte(4) & 0x01) != 0; }
  bool Hidden() const { return (GetByte(4) & 0x02) != 0; }
  int32_t Parent() const { return GetWord(4) & 0xFFF0; }
  THZylAlignment HAlign() const { return static_cast<THZylAlignment>(GetByte(6) & 0x07); }
  bool WrapText() const { return (GetByte(6) & 0x08) != 0; }
  TVZylAlignment VAlign() const { return static_cast<TVZylAlignment>((GetByte(6) >> 4) & 0x07); }
  uint8_t Rotation() const { return GetByte(7); }
  uint8_t Indent() const { return GetByte(8) & 0x0F; }
  bool ShrinkToFit() const { return (GetByte(8) & 0x10) != 0; }
  TZylBorderStyle GetBorderStyle(TBorderSide side) const;
  // The 7-bit colour index as stored.
  uint8_t GetBorderColorIndex(TBorderSide side) const;
  TZylDiagonalBorder DiagonalStyle() const;
  uint8_t CellPattern() const { return static_cast<uint8_t>(GetCardinal(14) >> 26); }
  uint8_t CellFgColorIndex() const { return GetWord(18) & 0x7F; }
  uint8_t CellBgColorIndex() const { return (GetWord(18) >> 7) & 0x7F; }

  // The full format, with the XF's font and number format string. Without
  // any font record the font is empty.
  TZylFormat ZylFormat(const TFontRecordList& FontList, const TFormatRecordList& FormatList) const;
};

// A border colour as a 1-based palette position: c - 7 above 7, else 1.
int32_t BorderColorPosition(uint8_t stored);

class TXFRecordList : public TRecordList<TXFRecord> {
 public:
  // One flag per palette position 1..ColorCount (element i for position
  // i + 1): whether any XF uses that colour for a visible border, its fill
  // or its font.
  std::vector<bool> GetUsedColors(int ColorCount, const TFontRecordList& FontList) const;
};

}  // namespace tabulon
