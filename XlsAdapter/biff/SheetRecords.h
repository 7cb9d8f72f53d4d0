// The records of a sheet that readers ask about: window, zoom, page setup,
// panes, default sizes and the sheet's dimensions. Each is kept among the
// sheet's records; the sheet remembers the last one of each kind.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"
#include "XlsAdapter/biff/WorkbookRecords.h"

namespace tabulon {

// WINDOW2 (0x023E): options (u16) first.
class TWindow2Record : public TSizedRecord<2> {
 public:
  using TSizedRecord::TSizedRecord;
  uint16_t Options() const { return GetWord(0); }
  bool ShowGridLines() const { return (Options() & 0x0002) != 0; }
  bool ShowGridHeaders() const { return (Options() & 0x0004) != 0; }
  bool FrozenPanes() const { return (Options() & 0x0008) != 0; }
  bool FrozenWithoutSplit() const { return (Options() & 0x0100) != 0; }
  bool Selected() const { return (Options() & 0x0200) != 0; }
};

// SCL (0x00A0): zoom as numerator and denominator (u16 each).
class TSCLRecord : public TSizedRecord<4> {
 public:
  using TSizedRecord::TSizedRecord;
  // Numerator x 100 / denominator, rounded to the nearest integer with ties
  // to even; 100 when the denominator is 0.
  int32_t Zoom() const;
};

// HEADER (0x0014) and FOOTER (0x0015): a string with a 2-byte count.
class TPageHeaderFooterRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
  // Empty when the record has no data.
  std::u16string Text() const;
};
class TPageHeaderRecord : public TPageHeaderFooterRecord {
 public:
  using TPageHeaderFooterRecord::TPageHeaderFooterRecord;
};
class TPageFooterRecord : public TPageHeaderFooterRecord {
 public:
  using TPageHeaderFooterRecord::TPageHeaderFooterRecord;
};

// PRINTGRIDLINES (0x002B): 1 when grid lines are printed.
class TPrintGridLinesRecord : public TWordFlagRecord {
 public:
  using TWordFlagRecord::TWordFlagRecord;
  bool PrintGridLines() const { return Flag() == 1; }
};

// HCENTER (0x0083), VCENTER (0x0084): 1 when the page is centred.
class TPrintCenteredRecord : public TWordFlagRecord {
 public:
  using TWordFlagRecord::TWordFlagRecord;
  bool Centered() const { return Flag() == 1; }
};

// REFMODE (0x000F): anything but 1 means R1C1 references.
class TRefModeRecord : public TWordFlagRecord {
 public:
  using TWordFlagRecord::TWordFlagRecord;
  bool IsR1C1() const { return Flag() != 1; }
};

// AUTOFILTERINFO (0x009D): the number of filter drop-downs.
class TAutoFilterInfoRecord : public TWordFlagRecord {
 public:
  using TWordFlagRecord::TWordFlagRecord;
  uint16_t DropDownCount() const { return Flag(); }
};

// DEFCOLWIDTH (0x0055): default column width in characters.
class TDefColWidthRecord : public TWordFlagRecord {
 public:
  using TWordFlagRecord::TWordFlagRecord;
  uint16_t Width() const { return Flag(); }
};

// STANDARDWIDTH (0x0099): default column width in 1/256 of a character.
class TStandardWidthRecord : public TWordFlagRecord {
 public:
  using TWordFlagRecord::TWordFlagRecord;
  uint16_t Width() const { return Flag(); }
};

// DEFAULTROWHEIGHT (0x0225): options (u16), then the height in twips.
class TDefRowHeightRecord : public TSizedRecord<4> {
 public:
  using TSizedRecord::TSizedRecord;
  uint16_t Height() const { return GetWord(2); }
};

// LEFTMARGIN to BOTTOMMARGIN (0x0026-0x0029): a double in inches.
class TMarginRecord : public TSizedRecord<8> {
 public:
  using TSizedRecord::TSizedRecord;
  double Value() const { return GetDouble(0); }
};

// SETUP (0x00A1, 34 bytes): page setup. When option bit 2 says the printer
// settings are absent, paper size reads 0, scale and resolutions 100 and
// copies 1.
class TSetupRecord : public TSizedRecord<34> {
 public:
  using TSizedRecord::TSizedRecord;
  uint16_t Options() const { return GetWord(10); }
  bool NoPrinterSettings() const { return (Options() & 0x0004) != 0; }
  uint16_t PaperSize() const { return NoPrinterSettings() ? 0 : GetWord(0); }
  uint16_t Scale() const { return NoPrinterSettings() ? 100 : GetWord(2); }
  uint16_t FitWidth() const { return GetWord(6); }
  uint16_t FitHeight() const { return GetWord(8); }
  uint16_t HResolution() const { return NoPrinterSettings() ? 100 : GetWord(12); }
  uint16_t VResolution() const { return NoPrinterSettings() ? 100 : GetWord(14); }
  double HeaderMargin() const { return GetDouble(16); }
  double FooterMargin() const { return GetDouble(24); }
  uint16_t Copies() const { return NoPrinterSettings() ? 1 : GetWord(32); }
};

// PLS (0x004D): the printer environment (u16), then opaque driver data.
class TPlsRecord : public TWordFlagRecord {
 public:
  using TWordFlagRecord::TWordFlagRecord;
};

// WSBOOL (0x0081): outline and fit-to-page options.
class TWsBoolRecord : public TWordFlagRecord {
 public:
  using TWordFlagRecord::TWordFlagRecord;
  bool AutomaticOutlineStyles() const { return (Flag() & 0x0020) != 0; }
  bool SummaryRowsBelowDetail() const { return (Flag() & 0x0040) != 0; }
  bool SummaryColsRightOfDetail() const { return (Flag() & 0x0080) != 0; }
  bool FitToPage() const { return (Flag() & 0x0100) != 0; }
};

// PANE (0x0041): horizontal and vertical split (u16 each: for frozen
// panes the columns and rows that stay visible), then the first visible row
// and column of the lower right pane.
class TPaneRecord : public TSizedRecord<8> {
 public:
  using TSizedRecord::TSizedRecord;
  uint16_t ColSplit() const { return GetWord(0); }
  uint16_t RowSplit() const { return GetWord(2); }
  uint16_t FirstVisibleRow() const { return GetWord(4); }
  uint16_t FirstVisibleCol() const { return GetWord(6); }
};

// GUTS (0x0080): outline gutter sizes and levels (u16 each).
class TGutsRecord : public TSizedRecord<8> {
 public:
  using TSizedRecord::TSizedRecord;
};

// DIMENSIONS (0x0200): the sheet's used range as the writer saw it.
struct TDimensionsRec {
  uint32_t FirstRow = 0;
  uint32_t LastRow = 0;  // last row + 1
  uint16_t FirstCol = 0;
  uint16_t LastCol = 0;  // last column + 1
  uint16_t Extra = 0;
  bool operator==(const TDimensionsRec&) const = default;
};

class TDimensionsRecord : public TSizedRecord<14> {
 public:
  using TSizedRecord::TSizedRecord;
  TDimensionsRec Dimensions() const;
};

}  // namespace tabulon
