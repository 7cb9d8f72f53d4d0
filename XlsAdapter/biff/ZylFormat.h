// The complete format of an XF index as readers see it: font, borders,
// number format, fill, alignment and protection. Colour indexes are 1-based
// palette positions: 1 is palette entry 0 (file colour index 8).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

namespace tabulon {

enum TZylFontStyle : uint8_t {
  flsBold = 0,
  flsItalic = 1,
  flsStrikeOut = 2,
  flsSuperscript = 3,
  flsSubscript = 4,
};

// A set of font styles; member n is the bit 2^n.
class TZylFontStyles {
 public:
  constexpr TZylFontStyles() = default;
  constexpr TZylFontStyles(std::initializer_list<TZylFontStyle> members) {
    for (TZylFontStyle s : members) Include(s);
  }
  constexpr bool Contains(TZylFontStyle s) const { return (FBits >> s) & 1; }
  constexpr void Include(TZylFontStyle s) { FBits = static_cast<uint8_t>(FBits | (1u << s)); }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr bool operator==(const TZylFontStyles&) const = default;

 private:
  uint8_t FBits = 0;
};

enum TZylUnderline : uint8_t {
  fu_None,
  fu_Single,
  fu_Double,
  fu_SingleAccounting,
  fu_DoubleAccounting,
};

// Numbered like the file's border styles.
enum TZylBorderStyle : uint8_t {
  fbs_None,
  fbs_Thin,
  fbs_Medium,
  fbs_Dashed,
  fbs_Dotted,
  fbs_Thick,
  fbs_Double,
  fbs_Hair,
  fbs_Medium_dashed,
  fbs_Dash_dot,
  fbs_Medium_dash_dot,
  fbs_Dash_dot_dot,
  fbs_Medium_dash_dot_dot,
  fbs_Slanted_dash_dot,
};

enum TZylDiagonalBorder : uint8_t { fdb_None, fdb_DiagDown, fdb_DiagUp, fdb_Both };

enum THZylAlignment : uint8_t {
  fha_general,
  fha_left,
  fha_center,
  fha_right,
  fha_fill,
  fha_justify,
  fha_center_across_selection,
};

enum TVZylAlignment : uint8_t { fva_top, fva_center, fva_bottom, fva_justify, fva_distributed };

// The file's fill pattern + 1: 1 is no fill, 2 solid, up to 19.
using TZylPatternStyle = uint8_t;

struct TZylFont {
  std::u16string Name;
  uint16_t Size20 = 0;     // height in twentieths of a point
  int32_t ColorIndex = 0;  // the font's colour index - 7
  TZylFontStyles Style;
  TZylUnderline Underline = fu_None;
  uint8_t Family = 0;
  uint8_t CharSet = 0;
  bool operator==(const TZylFont&) const = default;
};

struct TZylOneBorder {
  TZylBorderStyle Style = fbs_None;
  int32_t ColorIndex = 0;
  bool operator==(const TZylOneBorder&) const = default;
};

struct TZylBorders {
  TZylOneBorder Left, Right, Top, Bottom, Diagonal;
  TZylDiagonalBorder DiagonalStyle = fdb_None;
  bool operator==(const TZylBorders&) const = default;
};

struct TZylFillPattern {
  TZylPatternStyle Pattern = 1;
  int32_t FgColorIndex = 0;
  int32_t BgColorIndex = 0;
  bool operator==(const TZylFillPattern&) const = default;
};

struct TZylFormat {
  TZylFont Font;
  TZylBorders Borders;
  std::u16string Format;  // the number format string
  TZylFillPattern FillPattern;
  THZylAlignment HAlignment = fha_general;
  TVZylAlignment VAlignment = fva_bottom;
  bool Locked = false;
  bool Hidden = false;
  int32_t Parent = 0;  // bytes 4-5 of the XF with the four low bits cleared
  bool WrapText = false;
  bool ShrinkToFit = false;
  uint8_t Rotation = 0;
  uint8_t Indent = 0;
  bool operator==(const TZylFormat&) const = default;
};

}  // namespace tabulon
