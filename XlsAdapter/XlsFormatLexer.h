// Pieces of a format section that number and text rendering read alike:
// the colour tag, currency tags, other brackets and literal characters.
// Each reader looks at `pos`; when it reads something it moves `pos` past it
// and returns true, else it leaves `pos` alone and returns false.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tabulon {

// "[Red]" and the seven other colour names (case matters) at the very start
// of a section: sets `color` (0x00BBGGRR).
bool ReadColorTag(std::u16string_view section, size_t& pos, int32_t& color);

// "[$€-407]": appends the text between "$" and the first "-" or "]".
bool ReadCurrencyTag(std::u16string_view section, size_t& pos, std::u16string& out);

// An elapsed-time bracket, "[" + one or more of the same letter H, M or S
// (either case) + "]": sets `letter` (upper case) and `letters`, the count.
bool ReadElapsedBracket(std::u16string_view section, size_t& pos, char16_t& letter, size_t& letters);

// A "[...]" that is no currency tag: skipped up to and including the "]".
bool SkipBracket(std::u16string_view section, size_t& pos);

// One literal: a character of the literal set (space ! $ & ' ( ) < = > ^
// { } ~ and U+00B4), an escaped "\x" or fill "*x" character, "_x" (one
// space), or a quoted "text". Appends what it prints.
bool ReadLiteral(std::u16string_view section, size_t& pos, std::u16string& out);

char16_t AsciiUpperChar(char16_t c);

// Whether `text` holds `upperNeedle` (ASCII upper case), ignoring ASCII case.
bool ContainsNoCase(std::u16string_view text, std::u16string_view upperNeedle);

}  // namespace tabulon
