// FORMAT (0x041E) records and the number format strings looked up by
// format id, built-in ones included.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"
#include "XlsAdapter/biff/RecordList.h"

namespace tabulon {

struct TLocaleSettings;

// Format id (u16), then the format string: count (u16) at byte 2, option
// byte at 4, characters from 5.
class TFormatRecord : public TSizedRecord<5> {
 public:
  using TSizedRecord::TSizedRecord;
  uint16_t FormatId() const { return GetWord(0); }
  // The format string; fails with "Error reading record" when it runs past
  // the record and its CONTINUE chain.
  std::u16string Value() const;
};

// FORMAT records in file order, searched by format id through an order by
// id that is built on the first search after an Add (a stable sort, so that
// of two records with one id the first one read is found).
class TFormatRecordList : public TRecordList<TFormatRecord> {
 public:
  void Add(std::unique_ptr<TFormatRecord> aRecord);
  void Clear();
  // Whether a record has that id; `Index` is the list position of the
  // first one read.
  bool Find(uint16_t FormatId, size_t& Index) const;
  // The string of the FORMAT record with that id; without one, the
  // built-in string of ids 0-49 under the user's locale, else empty.
  std::u16string GetFormat(uint16_t FormatId) const;

 private:
  mutable std::vector<size_t> FById;  // list positions ordered by format id
  mutable bool FSorted = true;
};

// The built-in format string of ids 0-49 (empty for the others and for
// the ids the table leaves empty). Ids 14 and 22 follow `locale`.
std::u16string BuiltInFormat(uint16_t FormatId, const TLocaleSettings& locale);

}  // namespace tabulon
