// The decimal digits that number formatting prints: a magnitude held as 18
// significant digits, and the cut that keeps fewer of them.
//
// Every printed number is first turned into 18 significant digits (the
// nearest 18-digit decimal); that digit string is then cut after the last
// digit to be printed, rounding up when the first digit cut off is 5 or
// more. So 0.125 to two decimals is 0.13, while 2.675, whose stored double
// is 2.67499999999999982..., is 2.67.
#pragma once

#include <array>

namespace tabulon {

struct TDecimalDigits {
  static constexpr int kMaxDigits = 18;

  std::array<char, kMaxDigits> Digits{};  // '0'-'9'; no trailing zeros
  int Count = 0;     // significant digits held; 0 for zero
  int Exponent = 0;  // the value is 0.D1D2D3... x 10^Exponent

  // The digit at `index` (0 is the first significant one), '0' outside.
  char At(int index) const { return index >= 0 && index < Count ? Digits[index] : '0'; }
  bool IsZero() const { return Count == 0; }
};

// The 18 significant digits of |value|. `value` must be finite.
TDecimalDigits DecimalDigitsOf(double value);

// Keeps the first `keep` significant digits (none when `keep` <= 0),
// rounding half up. A carry past the first digit raises the exponent:
// 0.96 kept to one digit is 1 x 10^1.
void RoundDigits(TDecimalDigits& digits, int keep);

}  // namespace tabulon
