#include "XlsAdapter/ole2/Ole2Directory.h"

#include <algorithm>

#include "platform/LittleEndian.h"

namespace tabulon {

TOle2Directory::TOle2Directory(std::span<const uint8_t> sector, uint32_t pos) {
  std::copy_n(sector.begin() + pos, EntrySize, Data.begin());
  ulSize = xulSize();
}

uint32_t TOle2Directory::GetNameSize(std::span<const uint8_t> sector, uint32_t pos) {
  const uint8_t size = sector[pos + 64];
  return size >= 2 && size <= 64 ? size - 2u : 0u;
}

std::u16string TOle2Directory::GetName(std::span<const uint8_t> sector, uint32_t pos) {
  const uint32_t units = GetNameSize(sector, pos) / 2;
  std::u16string name(units, u'\0');
  for (uint32_t i = 0; i < units; ++i) name[i] = static_cast<char16_t>(GetU16(&sector[pos + 2 * i]));
  return name;
}

uint8_t TOle2Directory::GetType(std::span<const uint8_t> sector, uint32_t pos) {
  return sector[pos + 66];
}

uint32_t TOle2Directory::GetSectStart(std::span<const uint8_t> sector, uint32_t pos) {
  return GetU32(&sector[pos + 116]);
}

uint32_t TOle2Directory::GetSize(std::span<const uint8_t> sector, uint32_t pos) {
  return GetU32(&sector[pos + 120]);
}

}  // namespace tabulon
