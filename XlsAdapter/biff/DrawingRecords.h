// The BIFF records that carry drawings: MSODRAWINGGROUP (0x00EB, the
// workbook's drawing group), MSODRAWING (0x00EC, a sheet's drawing), and
// the OBJ (0x005D) and TXO (0x01B6) records of the drawing's objects.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"

namespace tabulon {

// Records whose data is a piece of an OfficeArt ([MS-ODRAW]) record tree.
class TXlsEscherRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
};
class TDrawingGroupRecord : public TXlsEscherRecord {
 public:
  using TXlsEscherRecord::TXlsEscherRecord;
};
class TDrawingRecord : public TXlsEscherRecord {
 public:
  using TXlsEscherRecord::TXlsEscherRecord;
};

// OBJ: sub-records of type (u16), size (u16) and data; the first is the
// common object data (type 0x15), which holds the object type at byte 4.
class TObjRecord : public TBaseRecord {
 public:
  static constexpr uint16_t kChartObject = 5;
  static constexpr uint16_t kPictureObject = 8;

  using TBaseRecord::TBaseRecord;
  // The object type of the common object data, or none when the record
  // does not start with it.
  std::optional<uint16_t> ObjectType() const;
};

// TXO: a text box's text settings; the text follows in CONTINUE records.
class TTXORecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
};

}  // namespace tabulon
