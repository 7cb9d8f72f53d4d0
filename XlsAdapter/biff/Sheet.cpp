#include "XlsAdapter/biff/Sheet.h"

#include "XlsAdapter/biff/TextCellRecords.h"
#include "XlsAdapter/ole2/XlsErrors.h"

namespace tabulon {
namespace {

constexpr double kSideMargin = 0.7480314960629921;    // 1.9 cm
constexpr double kTopBottomMargin = 0.984251968503937;  // 2.5 cm

template <class TRecord>
void Remember(const TBaseRecord& aRecord, const TRecord*& field) {
  if (const auto* typed = dynamic_cast<const TRecord*>(&aRecord)) field = typed;
}

double MarginOr(const TMarginRecord* record, double fallback) {
  return record != nullptr ? record->Value() : fallback;
}

}  // namespace

void TSheet::Clear() {
  TBaseSection::Clear();
  FWindow2 = nullptr;
  FPageHeader = nullptr;
  FPageFooter = nullptr;
  FPrintGridLines = nullptr;
  FLeftMargin = FRightMargin = FTopMargin = FBottomMargin = nullptr;
  FSetup = nullptr;
  FPrinterDriverSettings = nullptr;
  FWSBool = nullptr;
  FHCenter = FVCenter = nullptr;
  FZoom = nullptr;
  FGuts = nullptr;
  FPane = nullptr;
  FAutoFilterInfo = nullptr;
  FRefMode = nullptr;
  FCodeName.reset();
  FOriginalDimensions = {};
}

void TSheet::RememberRecord(const TBaseRecord& aRecord) {
  switch (aRecord.Id()) {
    case RecordId::Window2: Remember(aRecord, FWindow2); break;
    case RecordId::Header: Remember(aRecord, FPageHeader); break;
    case RecordId::Footer: Remember(aRecord, FPageFooter); break;
    case RecordId::PrintGridLines: Remember(aRecord, FPrintGridLines); break;
    case RecordId::LeftMargin: Remember(aRecord, FLeftMargin); break;
    case RecordId::RightMargin: Remember(aRecord, FRightMargin); break;
    case RecordId::TopMargin: Remember(aRecord, FTopMargin); break;
    case RecordId::BottomMargin: Remember(aRecord, FBottomMargin); break;
    case RecordId::Setup: Remember(aRecord, FSetup); break;
    case RecordId::Pls: Remember(aRecord, FPrinterDriverSettings); break;
    case RecordId::WsBool: Remember(aRecord, FWSBool); break;
    case RecordId::HCenter: Remember(aRecord, FHCenter); break;
    case RecordId::VCenter: Remember(aRecord, FVCenter); break;
    case RecordId::Scl: Remember(aRecord, FZoom); break;
    case RecordId::Guts: Remember(aRecord, FGuts); break;
    case RecordId::Pane: Remember(aRecord, FPane); break;
    case RecordId::AutoFilterInfo: Remember(aRecord, FAutoFilterInfo); break;
    case RecordId::RefMode: Remember(aRecord, FRefMode); break;
    default: break;
  }
}

bool TSheet::FileCommonRecord(std::unique_ptr<TBaseRecord>& aRecord) {
  if (dynamic_cast<const TBOFRecord*>(aRecord.get()) != nullptr) FailRecordsInvalid();
  if (dynamic_cast<const TIgnoreRecord*>(aRecord.get()) != nullptr) {
    aRecord.reset();
  } else if (const auto* dimensions = dynamic_cast<const TDimensionsRecord*>(aRecord.get())) {
    FOriginalDimensions = dimensions->Dimensions();
    aRecord.reset();
  } else if (auto eof = TakeAs<TEOFRecord>(aRecord)) {
    FEOF = std::move(eof);
  } else if (auto codeName = TakeAs<TCodeNameRecord>(aRecord)) {
    FCodeName = std::move(codeName);
  } else {
    return false;
  }
  return true;
}

bool TSheet::Selected() const { return FWindow2 != nullptr && FWindow2->Selected(); }

bool TSheet::ShowGridLines() const { return FWindow2 == nullptr || FWindow2->ShowGridLines(); }

bool TSheet::ShowGridHeaders() const { return FWindow2 == nullptr || FWindow2->ShowGridHeaders(); }

bool TSheet::PrintGridLines() const {
  return FPrintGridLines == nullptr || FPrintGridLines->PrintGridLines();
}

std::u16string TSheet::PageHeader() const {
  return FPageHeader != nullptr ? FPageHeader->Text() : std::u16string();
}

std::u16string TSheet::PageFooter() const {
  return FPageFooter != nullptr ? FPageFooter->Text() : std::u16string();
}

TXlsMargins TSheet::Margins() const {
  TXlsMargins margins;
  margins.Left = MarginOr(FLeftMargin, kSideMargin);
  margins.Right = MarginOr(FRightMargin, kSideMargin);
  margins.Top = MarginOr(FTopMargin, kTopBottomMargin);
  margins.Bottom = MarginOr(FBottomMargin, kTopBottomMargin);
  if (FSetup != nullptr) {
    margins.Header = FSetup->HeaderMargin();
    margins.Footer = FSetup->FooterMargin();
  }
  return margins;
}

int32_t TSheet::SheetZoom() const { return FZoom != nullptr ? FZoom->Zoom() : 100; }

bool TSheet::IsR1C1() const { return FRefMode != nullptr && FRefMode->IsR1C1(); }

std::u16string TSheet::CodeName() const {
  return FCodeName != nullptr ? FCodeName->Value() : std::u16string();
}

void TSheet::GetFrozenPanes(int32_t& row, int32_t& col) const {
  const bool frozen = FWindow2 == nullptr || FWindow2->FrozenPanes();
  row = col = 0;
  if (FPane != nullptr && frozen) {
    row = FPane->RowSplit();
    col = FPane->ColSplit();
  }
}

void TSheet::GetSplitWindow(int32_t& xOffset, int32_t& yOffset) const {
  const bool frozen = FWindow2 == nullptr || FWindow2->FrozenPanes();
  xOffset = yOffset = 0;
  if (FPane != nullptr && !frozen) {
    xOffset = FPane->ColSplit();
    yOffset = FPane->RowSplit();
  }
}

void AttachIfLabelSST(TBaseRecord& aRecord, TSST& SST) {
  if (aRecord.Id() != RecordId::LabelSst) return;
  if (auto* label = dynamic_cast<TLabelSSTRecord*>(&aRecord)) label->AttachToSST(SST);
}

}  // namespace tabulon
