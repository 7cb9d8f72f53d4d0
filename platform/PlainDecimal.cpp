#include "platform/PlainDecimal.h"

#include <charconv>
#include <cctype>
#include <cmath>

namespace tabulon {

std::optional<double> ParsePlainDecimal(std::string_view text) {
  if (text.starts_with('+')) {
    text.remove_prefix(1);
    if (text.starts_with('-')) return std::nullopt;
  }
  const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
  // from_chars would also take "inf", "nan" and "infinity".
  if (digits.empty() || !(std::isdigit(static_cast<unsigned char>(digits[0])) || digits[0] == '.'))
    return std::nullopt;
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace tabulon
