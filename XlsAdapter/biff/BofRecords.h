// BOF and EOF: the records that open and close a substream.
#pragma once

#include <cstdint>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"

namespace tabulon {

// BOF (0x0809): version (u16) at byte 0, substream type (u16) at byte 2.
class TBOFRecord : public TBaseRecord {
 public:
  static constexpr uint16_t kBiff8 = 0x0600;

  // Fails with "Record with ID 0x809 is invalid" under 4 bytes and with
  // "Template file is saved with an invalid Excel version" unless the
  // version is BIFF8.
  TBOFRecord(uint16_t aId, std::vector<uint8_t> aData);
  // 0x0005 globals, 0x0010 worksheet, 0x0020 chart, others unsupported.
  uint16_t BOFType() const { return GetWord(2); }
};

// EOF (0x000A): the end of a substream.
class TEOFRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
};

}  // namespace tabulon
