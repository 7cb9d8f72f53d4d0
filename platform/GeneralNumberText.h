// The general conversion of a number to text: what a cell without a number
// format shows.
#pragma once

#include <string>

#include "platform/LocaleSettings.h"

namespace tabulon {

// Up to 15 significant digits, trailing zeros of the fraction dropped, the
// locale's decimal separator, no grouping. Plain notation while the decimal
// exponent (digits before the point, or minus the zeros between the point
// and the first significant digit) lies in -3..15: 1234.5, 0.0001;
// exponent notation outside it: 1E20, 1.5E-5, -1.23456789012346E-7.
// Not-a-number and infinities give "NAN", "INF" and "-INF".
std::u16string GeneralNumberText(double value, const TLocaleSettings& settings);

}  // namespace tabulon
