// NAME (0x0018): a defined name. Its fields are read from the record's own
// data only, never from CONTINUE records.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"
#include "XlsAdapter/biff/RecordList.h"
#include "XlsAdapter/biff/References.h"

namespace tabulon {

// Option flags (u16), name length in characters (byte 3), formula length
// in bytes (u16 at 4), sheet index + 1 of a sheet-local name (u16 at 8), the
// name's option byte (14), then the characters and the formula tokens.
class TNameRecord : public TSizedRecord<15> {
 public:
  using TSizedRecord::TSizedRecord;

  uint16_t OptionFlags() const { return GetWord(0); }
  // Fails with "Error reading record" when the characters run past the
  // record.
  std::u16string Name() const;
  // The sheet of a sheet-local name, -1 for a global one.
  int32_t RangeSheet() const { return int32_t{GetWord(8)} - 1; }

  // The rows and columns of the area or cell that the formula's first token
  // names when it is a 3-D area or reference; -1 for any other formula and
  // when the token lies outside the record.
  int32_t GetR1() const;
  int32_t GetR2() const;
  int32_t GetC1() const;
  int32_t GetC2() const;
  // The sheet that such a token names through the reference table (see
  // TReferences::GetSheet), -1 for any other formula.
  int32_t RefersToSheet(const TReferences& References) const;

 private:
  enum TRefKind { rkNone, rkArea3d, rkRef3d };
  // Offset of the first formula token.
  size_t FirstToken() const;
  TRefKind FirstTokenKind() const;
  // The u16 at `ofs`, or -1 when it lies outside the data.
  int32_t WordOrNone(size_t ofs) const;
  int32_t ColumnOrNone(size_t ofs) const;
};

using TNameRecordList = TRecordList<TNameRecord>;

}  // namespace tabulon
