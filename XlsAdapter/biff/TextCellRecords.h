// Cells that hold text, and the STRING record that holds the text result of
// a formula.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "XlsAdapter/biff/CellRecord.h"
#include "XlsAdapter/biff/RichString.h"
#include "XlsAdapter/biff/SST.h"

namespace tabulon {

// LABEL (0x0204): a string with a 2-byte count from byte 6, decoded each
// time the value is asked for.
class TLabelRecord : public TCellRecord {
 public:
  using TCellRecord::TCellRecord;
  TCellVariant GetValue() const override;
};

// RSTRING (0x00D6): as LABEL, followed by a run count (u16) and the runs.
class TRStringRecord : public TCellRecord {
 public:
  using TCellRecord::TCellRecord;
  TCellVariant GetValue() const override;
  TCellVariant GetValueX2(TRTFRunList& runs) const override;
  TRichString GetAsRichString() const;
};

// LABELSST (0x00FD, 10 bytes): an index (u32, bytes 6-9) into the shared
// string table. Once attached, the cell holds the arena offset of its entry
// and one reference to it, released with the cell: the table must outlive
// the cells attached to it.
class TLabelSSTRecord : public TCellRecord {
 public:
  TLabelSSTRecord(uint16_t aId, std::vector<uint8_t> aData);
  ~TLabelSSTRecord() override;

  // Fails with "Error reading Excel records. File invalid" when the index is
  // not below the number of shared strings.
  void AttachToSST(TSST& aSST);
  std::u16string GetAsString() const;
  TRichString GetAsRichString() const;
  // Empty while not attached.
  TCellVariant GetValue() const override;
  TCellVariant GetValueX2(TRTFRunList& runs) const override;

  int64_t pSSTEntry = -1;  // arena offset of the entry, -1 while not attached

 private:
  void Detach();

  TSST* FSST = nullptr;
};

// STRING (0x0207): a string with a 2-byte count from byte 0.
class TStringRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
  std::u16string Value() const;
};

}  // namespace tabulon
