#include "XlsAdapter/biff/RecordFactory.h"

#include <algorithm>
#include <array>

#include "XlsAdapter/biff/BofRecords.h"
#include "XlsAdapter/biff/BoundSheet.h"
#include "XlsAdapter/biff/ChartSheet.h"
#include "XlsAdapter/biff/ColInfo.h"
#include "XlsAdapter/biff/DrawingRecords.h"
#include "XlsAdapter/biff/FontRecord.h"
#include "XlsAdapter/biff/FormatRecord.h"
#include "XlsAdapter/biff/FormulaRecords.h"
#include "XlsAdapter/biff/HLinkRecords.h"
#include "XlsAdapter/biff/MultipleValueRecords.h"
#include "XlsAdapter/biff/NameRecord.h"
#include "XlsAdapter/biff/Palette.h"
#include "XlsAdapter/biff/References.h"
#include "XlsAdapter/biff/RowRecord.h"
#include "XlsAdapter/biff/SST.h"
#include "XlsAdapter/biff/SheetRanges.h"
#include "XlsAdapter/biff/SheetRecords.h"
#include "XlsAdapter/biff/TextCellRecords.h"
#include "XlsAdapter/biff/ValueCellRecords.h"
#include "XlsAdapter/biff/WorkbookRecords.h"
#include "XlsAdapter/biff/XFRecord.h"

namespace tabulon {
namespace {

struct TRecordClass {
  uint16_t Id;
  TCreateRecord Create;
};

// Sorted by id (checked below). To give a record kind its own class, add a
// row here with CreateRecordOf<TheClass>.
constexpr TRecordClass kRecordClasses[] = {
    {0x0006, &CreateRecordOf<TFormulaRecord>},           // FORMULA
    {0x000A, &CreateRecordOf<TEOFRecord>},               // EOF
    {0x000E, &CreateRecordOf<TPrecisionRecord>},         // PRECISION
    {0x000F, &CreateRecordOf<TRefModeRecord>},           // REFMODE
    {0x0014, &CreateRecordOf<TPageHeaderRecord>},        // HEADER
    {0x0015, &CreateRecordOf<TPageFooterRecord>},        // FOOTER
    {0x0017, &CreateRecordOf<TExternSheetRecord>},       // EXTERNSHEET
    {0x0018, &CreateRecordOf<TNameRecord>},              // NAME
    {0x001C, &CreateRecordOf<TNoteRecord>},              // NOTE
    {0x0022, &CreateRecordOf<T1904Record>},              // DATEMODE
    {0x0023, &CreateRecordOf<TExternNameRecord>},        // EXTERNNAME
    {0x0026, &CreateRecordOf<TMarginRecord>},            // LEFTMARGIN
    {0x0027, &CreateRecordOf<TMarginRecord>},            // RIGHTMARGIN
    {0x0028, &CreateRecordOf<TMarginRecord>},            // TOPMARGIN
    {0x0029, &CreateRecordOf<TMarginRecord>},            // BOTTOMMARGIN
    {0x002B, &CreateRecordOf<TPrintGridLinesRecord>},    // PRINTGRIDLINES
    {0x0031, &CreateRecordOf<TFontRecord>},              // FONT
    {0x003C, &CreateRecordOf<TContinueRecord>},          // CONTINUE
    {0x003D, &CreateRecordOf<TWindow1Record>},           // WINDOW1
    {0x0041, &CreateRecordOf<TPaneRecord>},              // PANE
    {0x004D, &CreateRecordOf<TPlsRecord>},               // PLS
    {0x0055, &CreateRecordOf<TDefColWidthRecord>},       // DEFCOLWIDTH
    {0x0059, &CreateRecordOf<TIgnoreRecord>},            // XCT
    {0x005A, &CreateRecordOf<TIgnoreRecord>},            // CRN
    {0x005D, &CreateRecordOf<TObjRecord>},               // OBJ
    {0x0060, &CreateRecordOf<TTemplateRecord>},          // TEMPLATE
    {0x007D, &CreateRecordOf<TColInfoRecord>},           // COLINFO
    {0x0080, &CreateRecordOf<TGutsRecord>},              // GUTS
    {0x0081, &CreateRecordOf<TWsBoolRecord>},            // WSBOOL
    {0x0083, &CreateRecordOf<TPrintCenteredRecord>},     // HCENTER
    {0x0084, &CreateRecordOf<TPrintCenteredRecord>},     // VCENTER
    {0x0085, &CreateRecordOf<TBoundSheetRecord>},        // BOUNDSHEET
    {0x0092, &CreateRecordOf<TPaletteRecord>},           // PALETTE
    {0x0099, &CreateRecordOf<TStandardWidthRecord>},     // STANDARDWIDTH
    {0x009D, &CreateRecordOf<TAutoFilterInfoRecord>},    // AUTOFILTERINFO
    {0x00A0, &CreateRecordOf<TSCLRecord>},               // SCL
    {0x00A1, &CreateRecordOf<TSetupRecord>},             // SETUP
    {0x00BD, &CreateRecordOf<TMulRKRecord>},             // MULRK
    {0x00BE, &CreateRecordOf<TMulBlankRecord>},          // MULBLANK
    {0x00D3, &CreateRecordOf<TObProjRecord>},            // OBPROJ
    {0x00D6, &CreateRecordOf<TRStringRecord>},           // RSTRING
    {0x00D7, &CreateRecordOf<TIgnoreRecord>},            // DBCELL
    {0x00DA, &CreateRecordOf<TBookBoolRecord>},          // BOOKBOOL
    {0x00E0, &CreateRecordOf<TXFRecord>},                // XF
    {0x00E5, &CreateRecordOf<TCellMergingRecord>},       // MERGEDCELLS
    {0x00EB, &CreateRecordOf<TDrawingGroupRecord>},      // MSODRAWINGGROUP
    {0x00EC, &CreateRecordOf<TDrawingRecord>},           // MSODRAWING
    {0x00ED, &CreateRecordOf<TIgnoreRecord>},            // MSODRAWINGSELECTION
    {0x00FC, &CreateRecordOf<TSSTRecord>},               // SST
    {0x00FD, &CreateRecordOf<TLabelSSTRecord>},          // LABELSST
    {0x00FF, &CreateRecordOf<TIgnoreRecord>},            // EXTSST
    {0x013D, &CreateRecordOf<TIgnoreRecord>},            // TABID
    {0x01AE, &CreateRecordOf<TSupBookRecord>},           // SUPBOOK
    {0x01B0, &CreateRecordOf<TCondFmtRecord>},           // CONDFMT
    {0x01B1, &CreateRecordOf<TCFRecord>},                // CF
    {0x01B2, &CreateRecordOf<TDValRecord>},              // DVAL
    {0x01B6, &CreateRecordOf<TTXORecord>},               // TXO
    {0x01B8, &CreateRecordOf<THLinkRecord>},             // HLINK
    {0x01BA, &CreateRecordOf<TCodeNameRecord>},          // CODENAME
    {0x01C1, &CreateRecordOf<TIgnoreRecord>},            // RECALCID
    {0x0200, &CreateRecordOf<TDimensionsRecord>},        // DIMENSIONS
    {0x0201, &CreateRecordOf<TBlankRecord>},             // BLANK
    {0x0203, &CreateRecordOf<TNumberRecord>},            // NUMBER
    {0x0204, &CreateRecordOf<TLabelRecord>},             // LABEL
    {0x0205, &CreateRecordOf<TBoolErrRecord>},           // BOOLERR
    {0x0207, &CreateRecordOf<TStringRecord>},            // STRING
    {0x0208, &CreateRecordOf<TRowRecord>},               // ROW
    {0x020B, &CreateRecordOf<TIgnoreRecord>},            // INDEX
    {0x0221, &CreateRecordOf<TArrayRecord>},             // ARRAY
    {0x0223, &CreateRecordOf<TExternNameRecord>},        // EXTERNNAME (old id)
    {0x0225, &CreateRecordOf<TDefRowHeightRecord>},      // DEFAULTROWHEIGHT
    {0x0236, &CreateRecordOf<TTableRecord>},             // TABLE
    {0x023E, &CreateRecordOf<TWindow2Record>},           // WINDOW2
    {0x027E, &CreateRecordOf<TRKRecord>},                // RK
    {0x0293, &CreateRecordOf<TStyleRecord>},             // STYLE
    {0x041E, &CreateRecordOf<TFormatRecord>},            // FORMAT
    {0x04BC, &CreateRecordOf<TShrFmlaRecord>},           // SHRFMLA
    {0x0800, &CreateRecordOf<TScreenTipRecord>},         // HLINKTOOLTIP
    {0x0809, &CreateRecordOf<TBOFRecord>},               // BOF
    {0x1033, &CreateRecordOf<TBeginRecord>},             // BEGIN (chart)
    {0x1034, &CreateRecordOf<TEndRecord>},               // END (chart)
    {0x1051, &CreateRecordOf<TChartAIRecord>},           // AI (chart)
    {0x1060, &CreateRecordOf<TIgnoreRecord>},            // FONTX (chart)
};

static_assert(std::ranges::adjacent_find(kRecordClasses, std::ranges::greater_equal{},
                                         &TRecordClass::Id) == std::end(kRecordClasses),
              "kRecordClasses must be sorted by id, each id once");

}  // namespace

std::unique_ptr<TBaseRecord> CreateRecord(uint16_t aId, std::vector<uint8_t> aData) {
  const auto* it = std::ranges::lower_bound(kRecordClasses, aId, {}, &TRecordClass::Id);
  if (it != std::end(kRecordClasses) && it->Id == aId) return it->Create(aId, std::move(aData));
  return std::make_unique<TBaseRecord>(aId, std::move(aData));
}

}  // namespace tabulon
