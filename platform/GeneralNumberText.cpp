#include "platform/GeneralNumberText.h"

#include <cmath>
#include <cstdlib>

#include "platform/DecimalDigits.h"

namespace tabulon {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kPlainMinExponent = -3;
constexpr int kPlainMaxExponent = 15;

void AppendDigits(std::u16string& out, const TDecimalDigits& d, int from, int to) {
  for (int i = from; i < to; ++i) out += static_cast<char16_t>(d.At(i));
}

void AppendPlain(std::u16string& out, const TDecimalDigits& d, const TLocaleSettings& settings) {
  if (d.Exponent <= 0) {
    out += u'0';
    out += settings.DecimalSeparator;
    out.append(static_cast<size_t>(-d.Exponent), u'0');
    AppendDigits(out, d, 0, d.Count);
    return;
  }
  AppendDigits(out, d, 0, d.Exponent);
  if (d.Count > d.Exponent) {
    out += settings.DecimalSeparator;
    AppendDigits(out, d, d.Exponent, d.Count);
  }
}

void AppendScientific(std::u16string& out, const TDecimalDigits& d, const TLocaleSettings& settings) {
  AppendDigits(out, d, 0, 1);
  if (d.Count > 1) {
    out += settings.DecimalSeparator;
    AppendDigits(out, d, 1, d.Count);
  }
  out += u'E';
  const int exponent = d.Exponent - 1;
  if (exponent < 0) out += u'-';
  for (const char c : std::to_string(std::abs(exponent))) out += static_cast<char16_t>(c);
}

}  // namespace

std::u16string GeneralNumberText(double value, const TLocaleSettings& settings) {
  if (std::isnan(value)) return u"NAN";
  if (std::isinf(value)) return value < 0 ? u"-INF" : u"INF";
  TDecimalDigits d = DecimalDigitsOf(value);
  RoundDigits(d, kSignificantDigits);
  if (d.IsZero()) return u"0";
  std::u16string out;
  if (value < 0) out += u'-';
  if (d.Exponent >= kPlainMinExponent && d.Exponent <= kPlainMaxExponent) {
    AppendPlain(out, d, settings);
  } else {
    AppendScientific(out, d, settings);
  }
  return out;
}

}  // namespace tabulon
