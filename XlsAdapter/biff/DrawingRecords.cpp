#include "XlsAdapter/biff/DrawingRecords.h"

namespace tabulon {

std::optional<uint16_t> TObjRecord::ObjectType() const {
  constexpr uint16_t kCommonObjectData = 0x15;
  if (DataSize() < 6 || GetWord(0) != kCommonObjectData) return std::nullopt;
  return GetWord(4);
}

}  // namespace tabulon
