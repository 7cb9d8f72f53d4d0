// The 4-byte header in front of every BIFF record: id, then data length.
#pragma once

#include <cstdint>

namespace tabulon {

struct TRecordHeader {
  uint16_t Id = 0;
  uint16_t Size = 0;
};

// Record ids the record reader itself looks at.
namespace RecordId {
inline constexpr uint16_t Formula = 0x0006;
inline constexpr uint16_t Eof = 0x000A;
inline constexpr uint16_t FilePass = 0x002F;
inline constexpr uint16_t Continue = 0x003C;
inline constexpr uint16_t String = 0x0207;
inline constexpr uint16_t Array = 0x0221;
inline constexpr uint16_t Table = 0x0236;
inline constexpr uint16_t HLinkToolTip = 0x0800;
inline constexpr uint16_t Bof = 0x0809;
inline constexpr uint16_t Blank = 0x0201;
inline constexpr uint16_t RK = 0x027E;
}  // namespace RecordId

}  // namespace tabulon
