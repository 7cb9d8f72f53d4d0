#include "XlsAdapter/biff/RecordFactory.h"

#include <algorithm>
#include <array>

#include "XlsAdapter/biff/BofRecords.h"
#include "XlsAdapter/biff/FormulaRecords.h"
#include "XlsAdapter/biff/HLinkRecords.h"
#include "XlsAdapter/biff/MultipleValueRecords.h"
#include "XlsAdapter/biff/SST.h"
#include "XlsAdapter/biff/TextCellRecords.h"
#include "XlsAdapter/biff/ValueCellRecords.h"

namespace tabulon {
namespace {

struct TRecordClass {
  uint16_t Id;
  TCreateRecord Create;
};

// Sorted by id (checked below). To give a record kind its own class, add a
// row here with CreateRecordOf<TheClass>.
constexpr TRecordClass kRecordClasses[] = {
    {0x0006, &CreateRecordOf<TFormulaRecord>},       // FORMULA
    {0x000A, &CreateRecordOf<TEOFRecord>},           // EOF
    {0x001C, &CreateRecordOf<TNoteRecord>},          // NOTE
    {0x003C, &CreateRecordOf<TContinueRecord>},      // CONTINUE
    {0x0059, &CreateRecordOf<TIgnoreRecord>},        // XCT
    {0x005A, &CreateRecordOf<TIgnoreRecord>},        // CRN
    {0x00BD, &CreateRecordOf<TMulRKRecord>},         // MULRK
    {0x00BE, &CreateRecordOf<TMulBlankRecord>},      // MULBLANK
    {0x00D6, &CreateRecordOf<TRStringRecord>},       // RSTRING
    {0x00D7, &CreateRecordOf<TIgnoreRecord>},        // DBCELL
    {0x00ED, &CreateRecordOf<TIgnoreRecord>},        // MSODRAWINGSELECTION
    {0x00FC, &CreateRecordOf<TSSTRecord>},           // SST
    {0x00FD, &CreateRecordOf<TLabelSSTRecord>},      // LABELSST
    {0x00FF, &CreateRecordOf<TIgnoreRecord>},        // EXTSST
    {0x013D, &CreateRecordOf<TIgnoreRecord>},        // TABID
    {0x01B8, &CreateRecordOf<THLinkRecord>},         // HLINK
    {0x01C1, &CreateRecordOf<TIgnoreRecord>},        // RECALCID
    {0x0201, &CreateRecordOf<TBlankRecord>},         // BLANK
    {0x0203, &CreateRecordOf<TNumberRecord>},        // NUMBER
    {0x0204, &CreateRecordOf<TLabelRecord>},         // LABEL
    {0x0205, &CreateRecordOf<TBoolErrRecord>},       // BOOLERR
    {0x0207, &CreateRecordOf<TStringRecord>},        // STRING
    {0x020B, &CreateRecordOf<TIgnoreRecord>},        // INDEX
    {0x0221, &CreateRecordOf<TArrayRecord>},         // ARRAY
    {0x0236, &CreateRecordOf<TTableRecord>},         // TABLE
    {0x027E, &CreateRecordOf<TRKRecord>},            // RK
    {0x04BC, &CreateRecordOf<TShrFmlaRecord>},       // SHRFMLA
    {0x0800, &CreateRecordOf<TScreenTipRecord>},     // HLINKTOOLTIP
    {0x0809, &CreateRecordOf<TBOFRecord>},           // BOF
    {0x1060, &CreateRecordOf<TIgnoreRecord>},        // FONTX (chart)
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
