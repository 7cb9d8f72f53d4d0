#include "tests/support/ByteWriter.h"

#include <cstring>

namespace tabulon::testing {

TByteWriter& TByteWriter::U8(uint8_t v) {
  FData.push_back(v);
  return *this;
}

TByteWriter& TByteWriter::U16(uint16_t v) { return U8(static_cast<uint8_t>(v)).U8(static_cast<uint8_t>(v >> 8)); }

TByteWriter& TByteWriter::U32(uint32_t v) {
  return U16(static_cast<uint16_t>(v)).U16(static_cast<uint16_t>(v >> 16));
}

TByteWriter& TByteWriter::F64(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  return U32(static_cast<uint32_t>(bits)).U32(static_cast<uint32_t>(bits >> 32));
}

TByteWriter& TByteWriter::Raw(const Bytes& bytes) {
  FData.insert(FData.end(), bytes.begin(), bytes.end());
  return *this;
}

TByteWriter& TByteWriter::Chars8(std::u16string_view text) {
  for (char16_t c : text) U8(static_cast<uint8_t>(c));
  return *this;
}

TByteWriter& TByteWriter::Chars16(std::u16string_view text) {
  for (char16_t c : text) U16(c);
  return *this;
}

TByteWriter& TByteWriter::Fill(size_t count, uint8_t value) {
  FData.insert(FData.end(), count, value);
  return *this;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

}  // namespace tabulon::testing
