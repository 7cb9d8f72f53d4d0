#include "vcard/Base64.h"

#include <algorithm>

namespace tabulon {
namespace {

constexpr char kAlphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int AlphabetIndex(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

}  // namespace

std::array<char, 4> Base64EncodeGroup(uint8_t b0, uint8_t b1, uint8_t b2, int count) {
  return {kAlphabet[b0 >> 2], kAlphabet[((b0 & 3) << 4) | (b1 >> 4)],
          count >= 2 ? kAlphabet[((b1 & 15) << 2) | (b2 >> 6)] : '=',
          count == 3 ? kAlphabet[b2 & 63] : '='};
}

std::string Base64Encode(std::string_view bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  auto byte = [&](size_t i) { return i < bytes.size() ? static_cast<uint8_t>(bytes[i]) : 0; };
  for (size_t i = 0; i < bytes.size(); i += 3) {
    const int count = static_cast<int>(std::min<size_t>(3, bytes.size() - i));
    const auto group = Base64EncodeGroup(byte(i), byte(i + 1), byte(i + 2), count);
    out.append(group.data(), group.size());
  }
  return out;
}

std::u16string Base64Encode(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (char16_t c : text) bytes += static_cast<char>(c & 0xFF);
  const std::string encoded = Base64Encode(std::string_view(bytes));
  return std::u16string(encoded.begin(), encoded.end());
}

std::string Base64Decode(std::string_view text) {
  std::string out;
  out.reserve(text.size() / 4 * 3);
  uint32_t bits = 0;
  int held = 0;
  for (char c : text) {
    const int index = AlphabetIndex(c);
    if (index < 0) break;
    bits = (bits << 6) | static_cast<uint32_t>(index);
    held += 6;
    if (held >= 8) {
      held -= 8;
      out += static_cast<char>((bits >> held) & 0xFF);
      bits &= (1u << held) - 1;
    }
  }
  return out;
}

}  // namespace tabulon
