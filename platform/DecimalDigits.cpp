#include "platform/DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tabulon {
namespace {

void TrimTrailingZeros(TDecimalDigits& d) {
  while (d.Count > 0 && d.Digits[d.Count - 1] == '0') --d.Count;
  if (d.Count == 0) d.Exponent = 0;
}

}  // namespace

TDecimalDigits DecimalDigitsOf(double value) {
  TDecimalDigits d;
  const double magnitude = std::fabs(value);
  if (magnitude == 0 || !std::isfinite(magnitude)) return d;
  // "d.ddddddddddddddddde[+-]xxx": to_chars rounds exactly to nearest.
  char text[40];
  const auto result = std::to_chars(text, text + sizeof text, magnitude,
                                    std::chars_format::scientific, TDecimalDigits::kMaxDigits - 1);
  *result.ptr = '\0';
  d.Digits[0] = text[0];
  for (int i = 1; i < TDecimalDigits::kMaxDigits; ++i) d.Digits[i] = text[i + 1];
  d.Count = TDecimalDigits::kMaxDigits;
  d.Exponent = std::atoi(text + TDecimalDigits::kMaxDigits + 2) + 1;
  TrimTrailingZeros(d);
  return d;
}

void RoundDigits(TDecimalDigits& d, int keep) {
  if (keep >= d.Count) return;
  if (keep < 0) {
    d = TDecimalDigits{};
    return;
  }
  const bool roundUp = d.Digits[keep] >= '5';
  d.Count = keep;
  if (roundUp) {
    int i = keep - 1;
    while (i >= 0 && d.Digits[i] == '9') d.Digits[i--] = '0';
    if (i >= 0) {
      ++d.Digits[i];
    } else {  // all nines (or nothing kept): the carry makes a new first digit
      d.Digits[0] = '1';
      d.Count = 1;
      ++d.Exponent;
      return;
    }
  }
  TrimTrailingZeros(d);
}

}  // namespace tabulon
