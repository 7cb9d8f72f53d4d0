// The workbook globals substream: what all sheets share. The sheet
// directory, shared strings, cell formats, fonts, number formats, palette,
// window settings, date system, defined names and references to other
// workbooks.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "XlsAdapter/biff/BaseSection.h"
#include "XlsAdapter/biff/BoundSheet.h"
#include "XlsAdapter/biff/DrawingGroup.h"
#include "XlsAdapter/biff/FontRecord.h"
#include "XlsAdapter/biff/FormatRecord.h"
#include "XlsAdapter/biff/NameRecord.h"
#include "XlsAdapter/biff/Palette.h"
#include "XlsAdapter/biff/RecordList.h"
#include "XlsAdapter/biff/References.h"
#include "XlsAdapter/biff/SST.h"
#include "XlsAdapter/biff/WorkbookRecords.h"
#include "XlsAdapter/biff/XFRecord.h"
#include "XlsAdapter/biff/ZylFormat.h"

namespace tabulon {

class TWorkbookGlobals : public TBaseSection {
 public:
  void Clear() override;
  // Loads the globals substream; `SST` is not needed (the globals fill
  // their own table). Fails with "Error reading Excel records. File
  // invalid" on a BOF record inside it or an EXTERNNAME before any
  // SUPBOOK, with "Sheet name already exists: %s" on a repeated sheet name,
  // and with the messages of the records it reads.
  void LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader,
                      std::unique_ptr<TBOFRecord> First, TSST& SST) override;

  // The sheet directory; `index` is 0-based and must be below SheetCount().
  int32_t SheetCount() const { return static_cast<int32_t>(FBoundSheets.Count()); }
  std::u16string SheetName(int32_t index) const;
  TXlsSheetVisible SheetVisible(int32_t index) const;
  uint16_t SheetOptionFlags(int32_t index) const;

  // WINDOW1's active sheet, 0 without WINDOW1.
  int32_t ActiveSheet() const;
  bool Is1904() const { return F1904 != nullptr && F1904->Is1904(); }
  bool PrecisionAsDisplayed() const {
    return FPrecision != nullptr && FPrecision->PrecisionAsDisplayed();
  }
  bool SaveExternalLinkValues() const {
    return FBookBool != nullptr && FBookBool->SaveExternalLinkValues();
  }

  // The colour at a 0-based palette index: the last PALETTE record's, else
  // the default palette's. Out of range fails with "The index "%d" of the
  // property "Palette Color Index" is not in the range 0-<count - 1>", or
  // without a PALETTE record "... "Palette index" ... 0-55".
  uint32_t ColorPalette(int32_t index) const;

  // The format of an XF index; an index below 0 or beyond the XF list is
  // taken as 0, and a workbook without XF records gives the empty format.
  TZylFormat GetFormatList(int32_t index) const;

  TSST& SST() { return FSST; }
  const TSST& SST() const { return FSST; }
  const TXFRecordList& XF() const { return FXF; }
  const TFontRecordList& Fonts() const { return FFonts; }
  const TFormatRecordList& Formats() const { return FFormats; }
  const TNameRecordList& Names() const { return FNames; }
  const TReferences& References() const { return FReferences; }
  const TBoundSheetList& BoundSheets() const { return FBoundSheets; }
  const TDrawingGroup& DrawingGroup() const { return FDrawingGroup; }
  const TBaseRecordList& MiscRecords() const { return FMiscRecords; }
  // The number of other records before the last XF or STYLE record: where
  // a palette goes when the workbook is written.
  size_t PaletteIndex() const { return FPaletteIndex; }
  const std::u16string& CodeName() const { return FCodeName; }
  bool HasMacro() const { return FHasMacro; }
  bool IsXltTemplate() const { return FIsXltTemplate; }

 private:
  // The side effects of a record that come before it is filed.
  void NoteRecord(const TBaseRecord& aRecord);
  void FileRecord(TOle2File& DataStream, TRecordHeader& RecordHeader,
                  std::unique_ptr<TBaseRecord> aRecord);
  // Files XF, FONT, FORMAT, BOUNDSHEET and NAME records; false for others.
  bool FileListRecord(std::unique_ptr<TBaseRecord>& aRecord);
  // Files SUPBOOK, EXTERNNAME and EXTERNSHEET records; false for others.
  bool FileReferenceRecord(std::unique_ptr<TBaseRecord>& aRecord);
  // Keeps the record among the other records and refers to it when it is
  // one of the single records readers ask about.
  void KeepMiscRecord(std::unique_ptr<TBaseRecord> aRecord);

  TSST FSST;
  TReferences FReferences;
  TBoundSheetList FBoundSheets;
  TBaseRecordList FMiscRecords;
  TNameRecordList FNames;
  TDrawingGroup FDrawingGroup;
  const TWindow1Record* FWindow1 = nullptr;
  const T1904Record* F1904 = nullptr;
  const TBookBoolRecord* FBookBool = nullptr;
  const TPrecisionRecord* FPrecision = nullptr;
  TXFRecordList FXF;
  TFontRecordList FFonts;
  TFormatRecordList FFormats;
  const TPaletteRecord* FPaletteCache = nullptr;
  size_t FPaletteIndex = 0;
  bool FHasMacro = false;
  bool FIsXltTemplate = false;
  std::u16string FCodeName;
};

}  // namespace tabulon
