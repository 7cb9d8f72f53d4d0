// The picture number formatter: prints a number by a picture such as
// "#,##0.00", "0.00E+00" or "000-000-0000".
//
// Picture elements:
// - "0" prints a digit, or a zero where the value has none; "#" prints a
//   digit or nothing. The integer placeholders print every integer digit of
//   the value: the digits fill them from the right, and those left over go
//   to the first one.
// - The first "." marks the decimal position and prints the locale's decimal
//   separator when a digit follows it; the value is rounded to the number of
//   placeholders after it (see platform/DecimalDigits.h for the rounding).
// - A "," switches on grouping: integer digits are grouped by three with the
//   locale's thousands separator.
// - "E+", "E-", "e+", "e-" followed by "0"s select exponent notation with at
//   least that many exponent digits (at most four counted); with "+" the
//   exponent's sign is always printed, with "-" only when negative. Two or
//   more integer placeholders led by "#" ("##0.0E+0") keep the exponent a
//   multiple of their number; otherwise the mantissa has as many integer
//   digits as there are integer placeholders.
// - Text in single or double quotes prints without the quotes; any other
//   character prints as itself, also between placeholders ("(###) ###-####").
// A negative value gets a leading minus sign. A picture without placeholders
// prints only its literal characters. Without exponent notation a value of
// 10^17 or more prints as platform/GeneralNumberText.h does.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/LocaleSettings.h"

namespace tabulon {

// A number format the formatter refuses.
class ENumberFormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

constexpr size_t kMaxPictureLength = 224;

// Throws ENumberFormatError("Number format too long") for a picture longer
// than kMaxPictureLength characters.
std::u16string FormatPictureNumber(std::u16string_view picture, double value,
                                   const TLocaleSettings& settings);

}  // namespace tabulon
