// Little-endian byte composition for test inputs.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tabulon::testing {

using Bytes = std::vector<uint8_t>;

class TByteWriter {
 public:
  TByteWriter& U8(uint8_t v);
  TByteWriter& U16(uint16_t v);
  TByteWriter& U32(uint32_t v);
  TByteWriter& F64(double v);
  TByteWriter& Raw(const Bytes& bytes);
  // One byte a character (each must be below 256).
  TByteWriter& Chars8(std::u16string_view text);
  // Two bytes a character.
  TByteWriter& Chars16(std::u16string_view text);
  TByteWriter& Fill(size_t count, uint8_t value = 0);

  const Bytes& Data() const { return FData; }
  size_t Size() const { return FData.size(); }
  Bytes Take() { return std::move(FData); }

 private:
  Bytes FData;
};

// Concatenation of byte blocks.
Bytes Concat(std::initializer_list<Bytes> parts);

}  // namespace tabulon::testing
