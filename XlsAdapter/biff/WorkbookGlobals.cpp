#include "XlsAdapter/biff/WorkbookGlobals.h"

#include "XlsAdapter/biff/RecordReader.h"
#include "XlsAdapter/ole2/XlsErrors.h"

namespace tabulon {

void TWorkbookGlobals::Clear() {
  TBaseSection::Clear();
  FSST.Clear();
  FReferences.Clear();
  FBoundSheets.Clear();
  FWindow1 = nullptr;
  F1904 = nullptr;
  FBookBool = nullptr;
  FPrecision = nullptr;
  FPaletteCache = nullptr;
  FMiscRecords.Clear();
  FNames.Clear();
  FDrawingGroup.Clear();
  FXF.Clear();
  FFonts.Clear();
  FFormats.Clear();
  FPaletteIndex = 0;
  FHasMacro = false;
  FIsXltTemplate = false;
  FCodeName.clear();
}

void TWorkbookGlobals::LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader,
                                      std::unique_ptr<TBOFRecord> First, TSST& /*SST*/) {
  Clear();
  uint16_t id = 0;
  do {
    id = RecordHeader.Id;
    std::unique_ptr<TBaseRecord> record = LoadRecord(DataStream, RecordHeader);
    NoteRecord(*record);
    FileRecord(DataStream, RecordHeader, std::move(record));
  } while (id != RecordId::Eof);
  FBOF = std::move(First);
}

void TWorkbookGlobals::NoteRecord(const TBaseRecord& aRecord) {
  switch (aRecord.Id()) {
    case RecordId::XF:
      if (FXF.Empty()) FMiscRecords.Add(std::make_unique<TSubListRecord>(TSubListRecord::slXF));
      FPaletteIndex = FMiscRecords.Count();
      break;
    case RecordId::Font:
      if (FFonts.Empty()) {
        FMiscRecords.Add(std::make_unique<TSubListRecord>(TSubListRecord::slFont));
      }
      break;
    case RecordId::Format:
      if (FFormats.Empty()) {
        FMiscRecords.Add(std::make_unique<TSubListRecord>(TSubListRecord::slFormat));
      }
      break;
    case RecordId::Style: FPaletteIndex = FMiscRecords.Count(); break;
    case RecordId::ObProj: FHasMacro = true; break;
    case RecordId::CodeName:
      if (const auto* codeName = dynamic_cast<const TCodeNameRecord*>(&aRecord)) {
        FCodeName = codeName->Value();
      }
      break;
    case RecordId::Bof: FailRecordsInvalid();
    default: break;
  }
}

void TWorkbookGlobals::FileRecord(TOle2File& DataStream, TRecordHeader& RecordHeader,
                                  std::unique_ptr<TBaseRecord> aRecord) {
  if (dynamic_cast<const TIgnoreRecord*>(aRecord.get()) != nullptr) return;
  if (FileListRecord(aRecord) || FileReferenceRecord(aRecord)) return;
  if (auto eof = TakeAs<TEOFRecord>(aRecord)) {
    FEOF = std::move(eof);
  } else if (const auto* sst = dynamic_cast<const TSSTRecord*>(aRecord.get())) {
    FSST.Load(*sst);
  } else if (dynamic_cast<const TDrawingGroupRecord*>(aRecord.get()) != nullptr) {
    FDrawingGroup.LoadFromStream(DataStream, RecordHeader, std::move(aRecord));
  } else if (dynamic_cast<const TTemplateRecord*>(aRecord.get()) != nullptr) {
    FIsXltTemplate = true;
  } else {
    KeepMiscRecord(std::move(aRecord));
  }
}

bool TWorkbookGlobals::FileListRecord(std::unique_ptr<TBaseRecord>& aRecord) {
  if (auto sheet = TakeAs<TBoundSheetRecord>(aRecord)) {
    FBoundSheets.Add(std::move(sheet));
  } else if (auto name = TakeAs<TNameRecord>(aRecord)) {
    FNames.Add(std::move(name));
  } else if (auto xf = TakeAs<TXFRecord>(aRecord)) {
    FXF.Add(std::move(xf));
  } else if (auto font = TakeAs<TFontRecord>(aRecord)) {
    FFonts.Add(std::move(font));
  } else if (auto format = TakeAs<TFormatRecord>(aRecord)) {
    FFormats.Add(std::move(format));
  } else {
    return false;
  }
  return true;
}

bool TWorkbookGlobals::FileReferenceRecord(std::unique_ptr<TBaseRecord>& aRecord) {
  if (auto supBook = TakeAs<TSupBookRecord>(aRecord)) {
    FReferences.AddSupBook(std::move(supBook));
  } else if (auto externName = TakeAs<TExternNameRecord>(aRecord)) {
    FReferences.AddExternName(std::move(externName));
  } else if (const auto* externSheet = dynamic_cast<const TExternSheetRecord*>(aRecord.get())) {
    FReferences.AddExternSheet(*externSheet);
  } else {
    return false;
  }
  return true;
}

void TWorkbookGlobals::KeepMiscRecord(std::unique_ptr<TBaseRecord> aRecord) {
  const TBaseRecord* kept = aRecord.get();
  FMiscRecords.Add(std::move(aRecord));
  if (const auto* window1 = dynamic_cast<const TWindow1Record*>(kept)) FWindow1 = window1;
  if (const auto* dateMode = dynamic_cast<const T1904Record*>(kept)) F1904 = dateMode;
  if (const auto* bookBool = dynamic_cast<const TBookBoolRecord*>(kept)) FBookBool = bookBool;
  if (const auto* precision = dynamic_cast<const TPrecisionRecord*>(kept)) FPrecision = precision;
  if (const auto* palette = dynamic_cast<const TPaletteRecord*>(kept)) FPaletteCache = palette;
}

std::u16string TWorkbookGlobals::SheetName(int32_t index) const {
  return FBoundSheets.GetItems(static_cast<size_t>(index)).SheetName();
}

TXlsSheetVisible TWorkbookGlobals::SheetVisible(int32_t index) const {
  return FBoundSheets.GetItems(static_cast<size_t>(index)).SheetVisible();
}

uint16_t TWorkbookGlobals::SheetOptionFlags(int32_t index) const {
  return FBoundSheets.GetItems(static_cast<size_t>(index)).OptionFlags();
}

int32_t TWorkbookGlobals::ActiveSheet() const {
  return FWindow1 != nullptr ? FWindow1->ActiveSheet() : 0;
}

uint32_t TWorkbookGlobals::ColorPalette(int32_t index) const {
  if (FPaletteCache != nullptr) {
    const int32_t count = FPaletteCache->Count();
    if (index < 0 || index >= count) FailIndexOutOfRange(index, "Palette Color Index", 0, count - 1);
    return FPaletteCache->GetColor(static_cast<uint16_t>(index));
  }
  if (index < 0 || index >= kDefaultPaletteSize) {
    FailIndexOutOfRange(index, "Palette index", 0, kDefaultPaletteSize - 1);
  }
  return DefaultPalette()[static_cast<size_t>(index)];
}

TZylFormat TWorkbookGlobals::GetFormatList(int32_t index) const {
  if (FXF.Empty()) return {};
  if (index < 0 || static_cast<size_t>(index) >= FXF.Count()) index = 0;
  return FXF.GetItems(static_cast<size_t>(index)).ZylFormat(FFonts, FFormats);
}

}  // namespace tabulon
