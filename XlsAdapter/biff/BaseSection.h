// A substream of the workbook stream, from its BOF record to its EOF: the
// workbook globals or one sheet.
#pragma once

#include <memory>

#include "XlsAdapter/biff/BofRecords.h"
#include "XlsAdapter/biff/RecordHeader.h"
#include "XlsAdapter/biff/SST.h"
#include "XlsAdapter/ole2/Ole2File.h"

namespace tabulon {

class TBaseSection {
 public:
  TBaseSection() = default;
  virtual ~TBaseSection() = default;
  TBaseSection(const TBaseSection&) = delete;
  TBaseSection& operator=(const TBaseSection&) = delete;

  virtual void Clear() {
    FBOF.reset();
    FEOF.reset();
  }
  // Loads the substream whose BOF record `First` has just been read:
  // `RecordHeader` holds the header of the record after it. Reads up to and
  // including the substream's EOF record and returns with `RecordHeader`
  // holding the header of the record after that. `SST` is the workbook's
  // shared string table.
  virtual void LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader,
                              std::unique_ptr<TBOFRecord> First, TSST& SST) = 0;

  const TBOFRecord* BOF() const { return FBOF.get(); }
  const TEOFRecord* EOFRecord() const { return FEOF.get(); }

 protected:
  std::unique_ptr<TBOFRecord> FBOF;
  std::unique_ptr<TEOFRecord> FEOF;
};

}  // namespace tabulon
