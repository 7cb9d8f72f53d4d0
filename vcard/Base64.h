// Base64 with the standard alphabet and "=" padding (RFC 4648), as the
// contact photo is carried in vCard text. No line breaks are written.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tabulon {

// Four characters for a group of up to three bytes; `count` (1 to 3) says
// how many of b0, b1, b2 are real, the missing ones being 0.
std::array<char, 4> Base64EncodeGroup(uint8_t b0, uint8_t b1, uint8_t b2, int count);

std::string Base64Encode(std::string_view bytes);
// Encodes the low byte of each character; the high byte is ignored.
std::u16string Base64Encode(std::u16string_view text);

// Decodes up to the first character outside the alphabet ("=", a blank, a
// line break...) and returns the bytes decoded so far; bits left over at
// the end are dropped.
std::string Base64Decode(std::string_view text);

}  // namespace tabulon
