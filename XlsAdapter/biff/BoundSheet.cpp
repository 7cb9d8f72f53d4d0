#include "XlsAdapter/biff/BoundSheet.h"

#include "XlsAdapter/biff/ExcelString.h"
#include "XlsAdapter/ole2/ExcelException.h"
#include "XlsAdapter/ole2/XlsMessages.h"
#include "platform/Printf.h"
#include "platform/TextEncoding.h"

namespace tabulon {

TXlsSheetVisible TBoundSheetRecord::SheetVisible() const {
  const int bits = OptionFlags() & 0x03;
  return bits == 3 ? sv_Visible : static_cast<TXlsSheetVisible>(bits);
}

std::u16string TBoundSheetRecord::SheetName() const {
  const TBaseRecord* record = this;
  uint32_t ofs = 6;
  return TExcelString(1, record, ofs).GetValue();
}

void TBoundSheetList::Add(std::unique_ptr<TBoundSheetRecord> aRecord) {
  std::u16string name = aRecord->SheetName();
  if (FSheetNames.contains(name)) {
    throw EExcelException(Printf(XlsMessages::SheetNameExists, ToUtf8(name).c_str()));
  }
  FBoundSheets.Add(std::move(aRecord));
  FSheetNames.insert(std::move(name));
}

void TBoundSheetList::Clear() {
  FSheetNames.clear();
  FBoundSheets.Clear();
}

}  // namespace tabulon
