// The globals and worksheet records of TBiffStream.
#include "tests/support/BiffBuilder.h"

namespace tabulon::testing {

Bytes FontData(const TFontFields& font) {
  const TXlString name{.Text = font.Name, .CountWidth = 1};
  return TByteWriter().U16(font.Height).U16(font.Attributes).U16(font.ColorIndex)
      .U16(font.Weight).U16(font.Escapement).U8(font.Underline).U8(font.Family)
      .U8(font.CharSet).U8(0).Raw(name.Encode()).Take();
}

Bytes XfData(const TXfFields& xf) {
  const auto& s = xf.BorderStyles;
  const auto& c = xf.BorderColors;
  const uint16_t sideColors = static_cast<uint16_t>(c[0] | (c[1] << 7) | (xf.Diagonal << 14));
  const uint32_t otherColors = c[2] | (c[3] << 7) | (uint32_t{c[4]} << 14) |
                               (uint32_t{xf.DiagonalStyle} << 21) | (uint32_t{xf.Pattern} << 26);
  return TByteWriter().U16(xf.Font).U16(xf.Format).U16(xf.Protection).U8(xf.Alignment)
      .U8(xf.Rotation).U8(xf.Indent).U8(0).U8(static_cast<uint8_t>(s[0] | (s[1] << 4)))
      .U8(static_cast<uint8_t>(s[2] | (s[3] << 4))).U16(sideColors).U32(otherColors)
      .U16(static_cast<uint16_t>(xf.PatternFg | (xf.PatternBg << 7))).Take();
}

TBiffStream& TBiffStream::Window1(uint16_t activeSheet) {
  return Record(0x003D, TByteWriter().U16(0).U16(0).U16(0x4000).U16(0x2000).U16(0x38)
                            .U16(activeSheet).U16(0).U16(1).U16(0x258).Take());
}

TBiffStream& TBiffStream::DateMode(bool is1904) {
  return Record(0x0022, TByteWriter().U16(is1904 ? 1 : 0).Take());
}

TBiffStream& TBiffStream::Font(const TFontFields& font) { return Record(0x0031, FontData(font)); }

TBiffStream& TBiffStream::Xf(const TXfFields& xf) { return Record(0x00E0, XfData(xf)); }

TBiffStream& TBiffStream::Format(uint16_t id, std::u16string_view text) {
  return Record(0x041E, TByteWriter().U16(id).Raw(XlString(text)).Take());
}

TBiffStream& TBiffStream::Palette(const std::vector<uint32_t>& colors) {
  TByteWriter data;
  data.U16(static_cast<uint16_t>(colors.size()));
  for (uint32_t color : colors) data.U32(color);
  return Record(0x0092, data.Take());
}

TBiffStream& TBiffStream::Row(uint16_t row, uint16_t height, uint16_t options, uint16_t xf) {
  return Record(0x0208, TByteWriter().U16(row).U16(0).U16(1).U16(height).U16(0).U16(0)
                            .U16(options).U16(xf).Take());
}

TBiffStream& TBiffStream::ColInfo(uint16_t first, uint16_t last, uint16_t width, uint16_t xf,
                                  uint16_t options) {
  return Record(0x007D,
                TByteWriter().U16(first).U16(last).U16(width).U16(xf).U16(options).U16(0).Take());
}

TBiffStream& TBiffStream::DefColWidth(uint16_t characters) {
  return Record(0x0055, TByteWriter().U16(characters).Take());
}

TBiffStream& TBiffStream::StandardWidth(uint16_t width) {
  return Record(0x0099, TByteWriter().U16(width).Take());
}

TBiffStream& TBiffStream::DefaultRowHeight(uint16_t height) {
  return Record(0x0225, TByteWriter().U16(0).U16(height).Take());
}

TBiffStream& TBiffStream::MergedCells(const std::vector<std::array<uint16_t, 4>>& ranges) {
  TByteWriter data;
  data.U16(static_cast<uint16_t>(ranges.size()));
  for (const auto& r : ranges) data.U16(r[0]).U16(r[1]).U16(r[2]).U16(r[3]);
  return Record(0x00E5, data.Take());
}

TBiffStream& TBiffStream::Window2(uint16_t options) {
  return Record(0x023E, TByteWriter().U16(options).U16(0).U16(0).U32(0x40).U16(0).U16(0)
                            .U32(0).Take());
}

TBiffStream& TBiffStream::Scl(uint16_t numerator, uint16_t denominator) {
  return Record(0x00A0, TByteWriter().U16(numerator).U16(denominator).Take());
}

TBiffStream& TBiffStream::Pane(uint16_t colSplit, uint16_t rowSplit) {
  return Record(0x0041,
                TByteWriter().U16(colSplit).U16(rowSplit).U16(rowSplit).U16(colSplit).U16(0).Take());
}

TBiffStream& TBiffStream::Begin() { return Record(0x1033, {}); }

TBiffStream& TBiffStream::End() { return Record(0x1034, {}); }

TBiffStream& TBiffStream::Obj(uint16_t objectType, uint16_t objectId) {
  // Common object data (type 0x15, 18 bytes), then the end sub-record.
  return Record(0x005D, TByteWriter().U16(0x15).U16(0x12).U16(objectType).U16(objectId)
                            .U16(0x6011).Fill(12).U16(0).U16(0).Take());
}

}  // namespace tabulon::testing
