#include "TextEncoding.h"

#include <array>
#include <cstdint>

namespace tabulon {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Windows-1252 bytes 0x80-0x9F; 0 marks the five undefined ones.
constexpr std::array<char16_t, 32> kHigh1252 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

void AppendUtf16(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out += static_cast<char16_t>(cp);
  } else {
    cp -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (cp >> 10));
    out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
  }
}

// Decodes one UTF-8 sequence at `pos`; on a malformed one returns false and
// advances past the longest prefix that could have started a valid sequence
// (one byte at least), so each malformed sequence yields one U+FFFD.
bool DecodeUtf8At(std::string_view s, size_t& pos, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  if (b0 < 0x80) {
    cp = b0;
    ++pos;
    return true;
  }
  int len;
  char32_t min;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2, cp = b0 & 0x1F, min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3, cp = b0 & 0x0F, min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    ++pos;
    return false;
  }
  size_t i = pos + 1;
  for (int k = 1; k < len; ++k, ++i) {
    if (i >= s.size()) {
      pos = i;
      return false;
    }
    const auto b = static_cast<unsigned char>(s[i]);
    if ((b & 0xC0) != 0x80) {
      pos = i;
      return false;
    }
    cp = (cp << 6) | (b & 0x3F);
    // Reject overlong forms, surrogates and values past U+10FFFF as soon as
    // the second byte shows them.
    if (k == 1) {
      const char32_t partial = cp << (6 * (len - 2));
      if ((len == 3 && partial < 0x800) || (len == 4 && partial < 0x10000) ||
          (len == 3 && partial >= 0xD800 && partial <= 0xDFFF) ||
          (len == 4 && partial > 0x10FFFF)) {
        pos = i;
        return false;
      }
    }
  }
  pos = i;
  return cp >= min;
}

}  // namespace

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() &&
        text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = kReplacement;
    }
    AppendUtf8(out, c);
  }
  return out;
}

std::u16string FromUtf8(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  size_t pos = 0;
  while (pos < bytes.size()) {
    char32_t cp = 0;
    AppendUtf16(out, DecodeUtf8At(bytes, pos, cp) ? cp : kReplacement);
  }
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  size_t pos = 0;
  while (pos < bytes.size()) {
    char32_t cp = 0;
    if (!DecodeUtf8At(bytes, pos, cp)) return false;
  }
  return true;
}

bool IsWindows1252Char(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return true;
  for (char16_t h : kHigh1252)
    if (h != 0 && h == c) return true;
  return false;
}

std::string ToWindows1252(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char16_t c : text) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      out += static_cast<char>(c);
      continue;
    }
    char byte = '?';
    for (size_t i = 0; i < kHigh1252.size(); ++i)
      if (kHigh1252[i] != 0 && kHigh1252[i] == c) byte = static_cast<char>(0x80 + i);
    out += byte;
  }
  return out;
}

std::u16string FromWindows1252(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b >= 0x80 && b <= 0x9F && kHigh1252[b - 0x80] != 0)
      out += kHigh1252[b - 0x80];
    else
      out += static_cast<char16_t>(b);
  }
  return out;
}

std::u16string FromLatin1(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (char ch : bytes) out += static_cast<char16_t>(static_cast<unsigned char>(ch));
  return out;
}

std::u16string AsciiUpper(std::u16string_view text) {
  std::u16string out(text);
  for (auto& c : out)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
  return out;
}

std::u16string AsciiLower(std::u16string_view text) {
  std::u16string out(text);
  for (auto& c : out)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
  return out;
}

}  // namespace tabulon
