// Turns the C library's strftime formats (D_FMT, T_FMT) into date-time
// patterns of platform/DateTimePattern.h, and reads the separators they use.
// The functions below take formats whose compound conversions (%r, %T, %R,
// %D, %F) are already expanded by ExpandStrftime.
#pragma once

#include <string>
#include <string_view>

namespace tabulon {

// Replaces %T, %R, %D, %F by what they stand for, and %r by `ampmFormat`
// (T_FMT_AMPM; "%I:%M:%S %p" when empty).
std::string ExpandStrftime(std::string_view format, std::string_view ampmFormat);

// "%d.%m.%Y" -> "dd.mm.yyyy", "%I:%M:%S %p" -> "hh:nn:ss ampm". Literal
// letters are quoted; conversions a pattern cannot show (time zones, week
// numbers) are dropped.
std::u16string PatternFromStrftime(std::string_view format);

// The literal text right after the first conversion ("." in "%d.%m.%Y"),
// one character; empty when the first conversion is followed by another or
// ends the format.
std::string SeparatorOfStrftime(std::string_view format);

// The format without its seconds and the literal text before them:
// "%H:%M:%S" -> "%H:%M", "%I:%M:%S %p" -> "%I:%M %p".
std::string WithoutSeconds(std::string_view format);

}  // namespace tabulon
