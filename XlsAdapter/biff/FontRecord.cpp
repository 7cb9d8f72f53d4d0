#include "XlsAdapter/biff/FontRecord.h"

#include "XlsAdapter/biff/ExcelString.h"

namespace tabulon {

TZylFontStyles TFontRecord::Style() const {
  TZylFontStyles style;
  const uint16_t attributes = GetWord(2);
  if (Weight() == 700) style.Include(flsBold);
  if ((attributes & 0x02) != 0) style.Include(flsItalic);
  if ((attributes & 0x08) != 0) style.Include(flsStrikeOut);
  const uint16_t escapement = GetWord(8);
  if (escapement == 1) style.Include(flsSuperscript);
  if (escapement == 2) style.Include(flsSubscript);
  return style;
}

TZylUnderline TFontRecord::Underline() const {
  switch (GetByte(10)) {
    case 0x01: return fu_Single;
    case 0x02: return fu_Double;
    case 0x21: return fu_SingleAccounting;
    case 0x22: return fu_DoubleAccounting;
    default: return fu_None;
  }
}

std::u16string TFontRecord::Name() const { return DecodeCharacters(*this, 16, GetByte(14), GetByte(15)); }

TZylFont TFontRecord::ZylFont() const {
  TZylFont font;
  font.Name = Name();
  font.Size20 = Height();
  font.ColorIndex = int32_t{ColorIndex()} - 7;
  font.Style = Style();
  font.Underline = Underline();
  font.Family = Family();
  font.CharSet = Charset();
  return font;
}

}  // namespace tabulon
