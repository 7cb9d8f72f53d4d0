// Substreams of sheet kinds the engine does not read (macro sheets,
// modules, workspaces and the like), kept as the ordered list of their
// records.
#pragma once

#include <memory>

#include "XlsAdapter/biff/RecordList.h"
#include "XlsAdapter/biff/Sheet.h"

namespace tabulon {

class TZylUnsupportedSheet : public TSheet {
 public:
  using TSheet::TSheet;
  void Clear() override;
  void LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader,
                      std::unique_ptr<TBOFRecord> First, TSST& SST) override;
  const TBaseRecordList& SheetRecords() const { return FSheetRecords; }

 private:
  TBaseRecordList FSheetRecords;
};

}  // namespace tabulon
