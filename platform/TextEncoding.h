// Conversions between the UTF-16 text held in memory and the byte encodings
// met in files: UTF-8 and Windows-1252 (the ANSI code page of the files the
// tool reads and writes).
#pragma once

#include <string>
#include <string_view>

namespace tabulon {

// UTF-16 to UTF-8. A lone surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);

// UTF-8 to UTF-16. Every invalid, overlong or truncated sequence and every
// encoded surrogate becomes one U+FFFD.
std::u16string FromUtf8(std::string_view bytes);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);

// True when Windows-1252 has a byte for the character: U+0000-U+007F,
// U+00A0-U+00FF and the 27 characters the code page puts at 0x80-0x9F.
bool IsWindows1252Char(char16_t c);

// UTF-16 to Windows-1252; a character the code page lacks becomes '?'.
std::string ToWindows1252(std::u16string_view text);

// Windows-1252 to UTF-16. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same
// code, as ISO-8859-1 does.
std::u16string FromWindows1252(std::string_view bytes);

// Each byte becomes the character with that code (ISO-8859-1).
std::u16string FromLatin1(std::string_view bytes);

// ASCII upper and lower case; other characters are unchanged.
std::u16string AsciiUpper(std::u16string_view text);
std::u16string AsciiLower(std::u16string_view text);

}  // namespace tabulon
