#include "XlsAdapter/biff/XFRecord.h"

namespace tabulon {

int32_t TXFRecord::GetActualFontIndex(const TFontRecordList& FontList) const {
  int32_t index = FontIndex();
  if (index > 3) --index;
  if (index < 0 || static_cast<size_t>(index) >= FontList.Count()) return 0;
  return index;
}

TZylBorderStyle TXFRecord::GetBorderStyle(TBorderSide side) const {
  switch (side) {
    case bsLeft: return static_cast<TZylBorderStyle>(GetByte(10) & 0x0F);
    case bsRight: return static_cast<TZylBorderStyle>(GetByte(10) >> 4);
    case bsTop: return static_cast<TZylBorderStyle>(GetByte(11) & 0x0F);
    case bsBottom: return static_cast<TZylBorderStyle>(GetByte(11) >> 4);
    case bsDiagonal: return static_cast<TZylBorderStyle>((GetCardinal(14) >> 21) & 0x0F);
  }
  return fbs_None;
}

uint8_t TXFRecord::GetBorderColorIndex(TBorderSide side) const {
  switch (side) {
    case bsLeft: return GetWord(12) & 0x7F;
    case bsRight: return (GetWord(12) >> 7) & 0x7F;
    case bsTop: return GetCardinal(14) & 0x7F;
    case bsBottom: return (GetCardinal(14) >> 7) & 0x7F;
    case bsDiagonal: return (GetCardinal(14) >> 14) & 0x7F;
  }
  return 0;
}

TZylDiagonalBorder TXFRecord::DiagonalStyle() const {
  return static_cast<TZylDiagonalBorder>(GetWord(12) >> 14);
}

int32_t BorderColorPosition(uint8_t stored) { return stored > 7 ? stored - 7 : 1; }

TZylFormat TXFRecord::ZylFormat(const TFontRecordList& FontList,
                                const TFormatRecordList& FormatList) const {
  TZylFormat format;
  if (!FontList.Empty()) format.Font = FontList.GetItems(GetActualFontIndex(FontList)).ZylFont();

  const auto border = [this](TBorderSide side) {
    return TZylOneBorder{GetBorderStyle(side), BorderColorPosition(GetBorderColorIndex(side))};
  };
  format.Borders.Left = border(bsLeft);
  format.Borders.Right = border(bsRight);
  format.Borders.Top = border(bsTop);
  format.Borders.Bottom = border(bsBottom);
  format.Borders.Diagonal = border(bsDiagonal);
  format.Borders.DiagonalStyle = DiagonalStyle();

  format.Format = FormatList.GetFormat(FormatIndex());

  format.FillPattern.Pattern = static_cast<TZylPatternStyle>(CellPattern() + 1);
  format.FillPattern.FgColorIndex = int32_t{CellFgColorIndex()} - 7;
  format.FillPattern.BgColorIndex = int32_t{CellBgColorIndex()} - 7;

  format.HAlignment = HAlign();
  format.VAlignment = VAlign();
  format.WrapText = WrapText();
  format.ShrinkToFit = ShrinkToFit();
  format.Rotation = Rotation();
  format.Indent = Indent();
  format.Locked = Locked();
  format.Hidden = Hidden();
  format.Parent = Parent();
  return format;
}

std::vector<bool> TXFRecordList::GetUsedColors(int ColorCount,
                                               const TFontRecordList& FontList) const {
  std::vector<bool> used(ColorCount > 0 ? ColorCount : 0, false);
  const auto mark = [&used](int32_t position) {
    if (position >= 1 && static_cast<size_t>(position) <= used.size()) used[position - 1] = true;
  };
  for (const auto& xf : FItems) {
    for (TBorderSide side : {bsLeft, bsRight, bsTop, bsBottom, bsDiagonal}) {
      if (xf->GetBorderStyle(side) != fbs_None) {
        mark(BorderColorPosition(xf->GetBorderColorIndex(side)));
      }
    }
    const uint8_t pattern = xf->CellPattern();
    if (pattern != 0) mark(int32_t{xf->CellFgColorIndex()} - 7);
    if (pattern != 0 && pattern != 1) mark(int32_t{xf->CellBgColorIndex()} - 7);
    if (!FontList.Empty()) {
      mark(int32_t{FontList.GetItems(xf->GetActualFontIndex(FontList)).ColorIndex()} - 7);
    }
  }
  return used;
}

}  // namespace tabulon
