// One 128-byte directory entry of a compound document ([MS-CFB] 2.6), and
// accessors that read an entry in place inside a directory sector.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace tabulon {

class TOle2Directory {
 public:
  static constexpr uint32_t EntrySize = 128;

  // Copies the entry at `pos` of `sector` (which must hold 128 bytes there).
  TOle2Directory(std::span<const uint8_t> sector, uint32_t pos);

  // Name length in bytes without the terminating zero: the byte at offset 64
  // minus 2 when it is 2 to 64, else 0 (an unusable length is an empty name).
  static uint32_t GetNameSize(std::span<const uint8_t> sector, uint32_t pos);
  // The name as UTF-16; a last odd byte is left out.
  static std::u16string GetName(std::span<const uint8_t> sector, uint32_t pos);
  static uint8_t GetType(std::span<const uint8_t> sector, uint32_t pos);
  static uint32_t GetSectStart(std::span<const uint8_t> sector, uint32_t pos);
  static uint32_t GetSize(std::span<const uint8_t> sector, uint32_t pos);

  uint32_t NameSize() const { return GetNameSize(Data, 0); }
  std::u16string Name() const { return GetName(Data, 0); }
  uint8_t ObjType() const { return GetType(Data, 0); }
  uint32_t SectStart() const { return GetSectStart(Data, 0); }
  uint32_t xulSize() const { return GetSize(Data, 0); }

  std::array<uint8_t, EntrySize> Data{};
  int64_t ulSize = 0;
};

}  // namespace tabulon
