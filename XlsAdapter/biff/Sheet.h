// The base of every sheet kind: what all sheets remember of their window,
// zoom and page setup records, their code name and their dimensions.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "XlsAdapter/biff/BaseSection.h"
#include "XlsAdapter/biff/RecordList.h"
#include "XlsAdapter/biff/SheetRecords.h"
#include "XlsAdapter/biff/WorkbookRecords.h"

namespace tabulon {

class TWorkbookGlobals;

// Page margins in inches.
struct TXlsMargins {
  double Left = 0;
  double Top = 0;
  double Right = 0;
  double Bottom = 0;
  double Header = 0;
  double Footer = 0;
  bool operator==(const TXlsMargins&) const = default;
};

class TSheet : public TBaseSection {
 public:
  // `aWorkbookGlobals` is the workbook's globals, not owned.
  explicit TSheet(TWorkbookGlobals* aWorkbookGlobals) : FWorkbookGlobals(aWorkbookGlobals) {}
  void Clear() override;
  TWorkbookGlobals* WorkbookGlobals() const { return FWorkbookGlobals; }

  // From the remembered records, with the defaults of a sheet without them.
  bool Selected() const;         // false
  bool ShowGridLines() const;    // true
  bool ShowGridHeaders() const;  // true
  bool PrintGridLines() const;   // true
  std::u16string PageHeader() const;
  std::u16string PageFooter() const;
  // Left and right 0.748 (1.9 cm), top and bottom 0.984 (2.5 cm), header
  // and footer from the page setup (0 without).
  TXlsMargins Margins() const;
  int32_t SheetZoom() const;  // 100
  bool IsR1C1() const;        // false
  std::u16string CodeName() const;
  // The panes count as frozen without WINDOW2 or with its frozen bit. The
  // frozen rows and columns when the panes are frozen, else 0 and 0.
  void GetFrozenPanes(int32_t& row, int32_t& col) const;
  // The split positions when the panes are split, not frozen; else 0, 0.
  void GetSplitWindow(int32_t& xOffset, int32_t& yOffset) const;
  const TDimensionsRec& OriginalDimensions() const { return FOriginalDimensions; }

  const TWindow2Record* Window2() const { return FWindow2; }
  const TSetupRecord* Setup() const { return FSetup; }
  const TPlsRecord* PrinterDriverSettings() const { return FPrinterDriverSettings; }
  const TWsBoolRecord* WsBool() const { return FWSBool; }
  const TPrintCenteredRecord* HCenter() const { return FHCenter; }
  const TPrintCenteredRecord* VCenter() const { return FVCenter; }
  const TPaneRecord* Pane() const { return FPane; }
  const TGutsRecord* Guts() const { return FGuts; }
  const TAutoFilterInfoRecord* AutoFilterInfo() const { return FAutoFilterInfo; }

 protected:
  // Makes the record the remembered one of its kind (when it is one of the
  // remembered kinds). The record must stay where the sheet keeps it.
  void RememberRecord(const TBaseRecord& aRecord);
  // Files what every sheet kind files alike and returns true, or returns
  // false for a record left to the caller: a BOF record fails with "Error
  // reading Excel records. File invalid"; ignored records are released;
  // DIMENSIONS is decoded and released; EOF becomes FEOF; CODENAME the code
  // name record.
  bool FileCommonRecord(std::unique_ptr<TBaseRecord>& aRecord);

  TWorkbookGlobals* FWorkbookGlobals;

 private:
  const TWindow2Record* FWindow2 = nullptr;
  const TPageHeaderRecord* FPageHeader = nullptr;
  const TPageFooterRecord* FPageFooter = nullptr;
  const TPrintGridLinesRecord* FPrintGridLines = nullptr;
  const TMarginRecord* FLeftMargin = nullptr;
  const TMarginRecord* FRightMargin = nullptr;
  const TMarginRecord* FTopMargin = nullptr;
  const TMarginRecord* FBottomMargin = nullptr;
  const TSetupRecord* FSetup = nullptr;
  const TPlsRecord* FPrinterDriverSettings = nullptr;
  const TWsBoolRecord* FWSBool = nullptr;
  const TPrintCenteredRecord* FHCenter = nullptr;
  const TPrintCenteredRecord* FVCenter = nullptr;
  const TSCLRecord* FZoom = nullptr;
  const TGutsRecord* FGuts = nullptr;
  const TPaneRecord* FPane = nullptr;
  const TAutoFilterInfoRecord* FAutoFilterInfo = nullptr;
  const TRefModeRecord* FRefMode = nullptr;
  std::unique_ptr<TCodeNameRecord> FCodeName;
  TDimensionsRec FOriginalDimensions;
};

// Attaches a LABELSST cell to the shared string table; other records are
// left alone.
void AttachIfLabelSST(TBaseRecord& aRecord, TSST& SST);

}  // namespace tabulon
