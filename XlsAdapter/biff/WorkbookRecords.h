// Workbook-wide settings kept among the globals' other records: window,
// date system, precision, external links, code name, template and macro
// markers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"

namespace tabulon {

// A record with one u16 flag at byte 0; shorter than 2 bytes fails with
// "Record with ID 0x%x is invalid".
class TWordFlagRecord : public TSizedRecord<2> {
 public:
  using TSizedRecord::TSizedRecord;
  uint16_t Flag() const { return GetWord(0); }
};

// WINDOW1 (0x003D): the workbook window; 12 bytes at least.
class TWindow1Record : public TSizedRecord<12> {
 public:
  using TSizedRecord::TSizedRecord;
  uint16_t ActiveSheet() const { return GetWord(10); }
  uint16_t FirstSheetVisible() const { return GetWord(12); }
};

// DATEMODE (0x0022): 1 for the 1904 date system.
class T1904Record : public TWordFlagRecord {
 public:
  using TWordFlagRecord::TWordFlagRecord;
  bool Is1904() const { return Flag() == 1; }
};

// PRECISION (0x000E): 0 for precision as displayed.
class TPrecisionRecord : public TWordFlagRecord {
 public:
  using TWordFlagRecord::TWordFlagRecord;
  bool PrecisionAsDisplayed() const { return Flag() == 0; }
};

// BOOKBOOL (0x00DA): anything but 1 saves the values of external links.
class TBookBoolRecord : public TWordFlagRecord {
 public:
  using TWordFlagRecord::TWordFlagRecord;
  bool SaveExternalLinkValues() const { return Flag() != 1; }
};

// CODENAME (0x01BA): the code name of the workbook or of a sheet, a string
// with a 2-byte count.
class TCodeNameRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
  // Empty when the record has no data; fails with "Error reading record"
  // when the string runs past the record and its chain.
  std::u16string Value() const;
};

// TEMPLATE (0x0060): the workbook is a template.
class TTemplateRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
};

// OBPROJ (0x00D3): the workbook has a macro project.
class TObProjRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
};

// STYLE (0x0293): a cell style.
class TStyleRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
};

// Stands among the globals' other records where a whole list (XF, FONT or
// FORMAT records) is to be written back; it has no bytes of its own.
class TSubListRecord : public TBaseRecord {
 public:
  enum TKind : uint8_t { slXF, slFont, slFormat };
  explicit TSubListRecord(TKind aKind) : TBaseRecord(0, {}), Kind(aKind) {}
  const TKind Kind;
};

}  // namespace tabulon
