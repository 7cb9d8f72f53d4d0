#include "vcard/ReaderLines.h"

#include <charconv>
#include <cmath>
#include <string>

#include "platform/Printf.h"
#include "platform/TextEncoding.h"
#include "vcard/Errors.h"

namespace tabulon {
namespace {

constexpr size_t npos = std::u16string_view::npos;

std::u16string_view AfterFirstColon(std::u16string_view line) {
  const size_t colon = line.find(u':');
  return colon == npos ? line : line.substr(colon + 1);
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// True when `text` has a digit at every "9" of `layout` and the same
// character at every other position of it ("T" matching in any case).
bool Matches(std::u16string_view text, std::u16string_view layout) {
  if (text.size() < layout.size()) return false;
  for (size_t i = 0; i < layout.size(); ++i) {
    const char16_t want = layout[i];
    const char16_t got = text[i];
    if (want == u'9' ? !IsDigit(got) : (got != want && !(want == u'T' && got == u't')))
      return false;
  }
  return true;
}

int Number(std::u16string_view text, size_t pos, size_t count) {
  int value = 0;
  for (size_t i = pos; i < pos + count; ++i) value = value * 10 + (text[i] - u'0');
  return value;
}

TDateTime EncodeDateOrThrow(std::u16string_view text, int year, int month, int day) {
  TDateTime date = 0;
  if (!TryEncodeDate(year, month, day, date))
    throw EvCardError(Printf("Invalid date \"%s\"", ToUtf8(text).c_str()));
  return date;
}

std::optional<double> ParseDecimal(std::u16string_view text, double limit) {
  const std::u16string part = Trim(text);
  // Sign, digits with at most one ".", an optional exponent; nothing else.
  size_t i = 0;
  if (i < part.size() && (part[i] == u'+' || part[i] == u'-')) ++i;
  size_t digits = 0, points = 0;
  for (; i < part.size() && (IsDigit(part[i]) || part[i] == u'.'); ++i)
    part[i] == u'.' ? ++points : ++digits;
  if (digits == 0 || points > 1) return std::nullopt;
  if (i < part.size() && (part[i] == u'e' || part[i] == u'E')) {
    ++i;
    if (i < part.size() && (part[i] == u'+' || part[i] == u'-')) ++i;
    if (i == part.size() || !IsDigit(part[i])) return std::nullopt;
    while (i < part.size() && IsDigit(part[i])) ++i;
  }
  if (i != part.size()) return std::nullopt;
  // from_chars wants no "+" and plain chars; every character is ASCII here.
  const std::string ascii(part.begin() + (part[0] == u'+' ? 1 : 0), part.end());
  double value = 0;
  const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size()) return std::nullopt;
  if (!std::isfinite(value) || std::fabs(value) > limit) return std::nullopt;
  return value;
}

}  // namespace

std::u16string RemoveSpaces(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char16_t c : text)
    if (c != u' ') out += c;
  return out;
}

std::u16string Trim(std::u16string_view text) {
  size_t start = 0, end = text.size();
  while (start < end && text[start] <= u' ') ++start;
  while (end > start && text[end - 1] <= u' ') --end;
  return std::u16string(text.substr(start, end - start));
}

std::u16string LineParams(std::u16string_view line) {
  const size_t colon = line.find(u':');
  if (colon == npos) return {};
  const size_t semicolon = line.find(u';');
  if (semicolon == npos) return std::u16string(line.substr(0, colon));
  if (semicolon > colon) return {};
  return std::u16string(line.substr(semicolon + 1, colon - semicolon - 1));
}

std::u16string LineValue(std::u16string_view line) {
  std::u16string value(AfterFirstColon(line));
  const size_t semicolon = value.find(u';');
  const size_t quote = value.find(u'"');
  // A ";" with no quote before it ends the value.
  if (semicolon != npos && (quote == npos || semicolon > quote)) value.resize(semicolon);
  if (quote != npos) {
    value.erase(0, quote + 1);
    const size_t closing = value.find(u'"');
    if (closing != npos) value.erase(0, closing + 1);
  }
  std::u16string unescaped;
  unescaped.reserve(value.size());
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == u'\\' && i + 1 < value.size() && value[i + 1] == u',') ++i;
    unescaped += value[i];
  }
  return Trim(unescaped);
}

std::u16string RawValue(std::u16string_view line) { return Trim(AfterFirstColon(line)); }

std::optional<TDateTime> ParseDate(std::u16string_view text) {
  if (text.size() == 8 && Matches(text, u"99999999"))
    return EncodeDateOrThrow(text, Number(text, 0, 4), Number(text, 4, 2), Number(text, 6, 2));
  if (text.size() == 10 && Matches(text, u"9999-99-99"))
    return EncodeDateOrThrow(text, Number(text, 0, 4), Number(text, 5, 2), Number(text, 8, 2));
  return std::nullopt;
}

std::optional<TDateTime> ParseDateTime(std::u16string_view text) {
  int fields[6];
  if (text.find(u'-') != npos) {
    if (!Matches(text, u"9999-99-99T99:99:99")) return std::nullopt;
    static constexpr size_t kAt[6] = {0, 5, 8, 11, 14, 17};
    for (int i = 0; i < 6; ++i) fields[i] = Number(text, kAt[i], i == 0 ? 4 : 2);
  } else {
    if (!Matches(text, u"99999999T999999")) return std::nullopt;
    static constexpr size_t kAt[6] = {0, 4, 6, 9, 11, 13};
    for (int i = 0; i < 6; ++i) fields[i] = Number(text, kAt[i], i == 0 ? 4 : 2);
  }
  const TDateTime date = EncodeDateOrThrow(text, fields[0], fields[1], fields[2]);
  TDateTime time = 0;
  if (!TryEncodeTime(fields[3], fields[4], fields[5], 0, time))
    throw EvCardError(Printf("Invalid time \"%s\"", ToUtf8(text).c_str()));
  return date + time;
}

std::optional<TGeoPosition> ParsePosition(std::u16string_view value) {
  std::u16string_view text = value;
  char16_t separator = u',';
  if (AsciiUpper(text.substr(0, 4)) == u"GEO:") {
    text = text.substr(4);
    text = text.substr(0, text.find(u';'));
  } else if (text.find(u';') != npos) {
    separator = u';';
  }
  const size_t split = text.find(separator);
  if (split == npos || text.find(separator, split + 1) != npos) return std::nullopt;
  const auto latitude = ParseDecimal(text.substr(0, split), 90);
  const auto longitude = ParseDecimal(text.substr(split + 1), 180);
  if (!latitude || !longitude) return std::nullopt;
  return TGeoPosition{*latitude, *longitude};
}

}  // namespace tabulon
