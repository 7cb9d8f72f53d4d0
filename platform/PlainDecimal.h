// Reading a number written the plain way, whatever the locale: "12", "-0.5",
// "1.5e3". Used for numbers in format conditions and on the command line.
#pragma once

#include <optional>
#include <string_view>

namespace tabulon {

// An optional sign, digits with "." as the decimal point, an optional
// exponent; nothing else around it. Infinities, not-a-number, hexadecimal
// and values out of the double range are refused.
std::optional<double> ParsePlainDecimal(std::string_view text);

}  // namespace tabulon
