// The table from record id to the class a record of that id is made as.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"

namespace tabulon {

using TCreateRecord = std::unique_ptr<TBaseRecord> (*)(uint16_t aId, std::vector<uint8_t> aData);

// The creation function of a record class: every record class is made
// through its (id, data) constructor.
template <class TRecord>
std::unique_ptr<TBaseRecord> CreateRecordOf(uint16_t aId, std::vector<uint8_t> aData) {
  return std::make_unique<TRecord>(aId, std::move(aData));
}

// A new record of the class registered for `aId`, or a plain TBaseRecord for
// an id that is not in the table. Constructor failures pass on.
std::unique_ptr<TBaseRecord> CreateRecord(uint16_t aId, std::vector<uint8_t> aData);

}  // namespace tabulon
