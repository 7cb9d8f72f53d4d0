// Little-endian fields of file formats, read from and written to raw bytes.
// Callers check that the bytes exist before they read them.
#pragma once

#include <cstdint>
#include <cstring>

namespace tabulon {

inline uint16_t GetU16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t GetU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

inline double GetF64(const uint8_t* p) {
  const uint64_t bits = GetU32(p) | (static_cast<uint64_t>(GetU32(p + 4)) << 32);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

inline void SetU16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

inline void SetU32(uint8_t* p, uint32_t v) {
  SetU16(p, static_cast<uint16_t>(v));
  SetU16(p + 2, static_cast<uint16_t>(v >> 16));
}

}  // namespace tabulon
