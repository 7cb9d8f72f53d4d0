#include "XlsAdapter/XlsFormatLexer.h"

#include <array>

namespace tabulon {
namespace {

struct NamedColor {
  std::u16string_view Name;
  int32_t Color;
};

constexpr std::array<NamedColor, 8> kColors = {{
    {u"Black", 0x000000},
    {u"Cyan", 0xFFFF00},
    {u"Blue", 0xFF0000},
    {u"Green", 0x008000},
    {u"Magenta", 0xFF00FF},
    {u"Red", 0x0000FF},
    {u"White", 0xFFFFFF},
    {u"Yellow", 0x00FFFF},
}};

constexpr std::u16string_view kLiteralSet = u" !$&'()<=>^{}~\u00B4";

size_t AfterClosingBracket(std::u16string_view section, size_t pos) {
  const size_t close = section.find(u']', pos);
  return close == std::u16string_view::npos ? section.size() : close + 1;
}

}  // namespace

char16_t AsciiUpperChar(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }

bool ContainsNoCase(std::u16string_view text, std::u16string_view upperNeedle) {
  if (upperNeedle.size() > text.size()) return false;
  for (size_t i = 0; i + upperNeedle.size() <= text.size(); ++i) {
    size_t k = 0;
    while (k < upperNeedle.size() && AsciiUpperChar(text[i + k]) == upperNeedle[k]) ++k;
    if (k == upperNeedle.size()) return true;
  }
  return false;
}

bool ReadColorTag(std::u16string_view section, size_t& pos, int32_t& color) {
  if (pos != 0 || !section.starts_with(u'[')) return false;
  const size_t close = section.find(u']');
  if (close == std::u16string_view::npos) return false;
  const std::u16string_view name = section.substr(1, close - 1);
  for (const NamedColor& c : kColors) {
    if (c.Name == name) {
      color = c.Color;
      pos = close + 1;
      return true;
    }
  }
  return false;
}

bool ReadCurrencyTag(std::u16string_view section, size_t& pos, std::u16string& out) {
  if (!section.substr(pos).starts_with(u"[$")) return false;
  const size_t textStart = pos + 2;
  const size_t textEnd = std::min(section.find_first_of(u"-]", textStart), section.size());
  out += section.substr(textStart, textEnd - textStart);
  pos = AfterClosingBracket(section, textStart);
  return true;
}

bool ReadElapsedBracket(std::u16string_view section, size_t& pos, char16_t& letter, size_t& letters) {
  if (pos + 1 >= section.size() || section[pos] != u'[') return false;
  const char16_t first = AsciiUpperChar(section[pos + 1]);
  if (first != u'H' && first != u'M' && first != u'S') return false;
  size_t end = pos + 2;
  while (end < section.size() && AsciiUpperChar(section[end]) == first) ++end;
  if (end >= section.size() || section[end] != u']') return false;
  letter = first;
  letters = end - pos - 1;
  pos = end + 1;
  return true;
}

bool SkipBracket(std::u16string_view section, size_t& pos) {
  if (pos >= section.size() || section[pos] != u'[' || section.substr(pos).starts_with(u"[$")) return false;
  pos = AfterClosingBracket(section, pos);
  return true;
}

bool ReadLiteral(std::u16string_view section, size_t& pos, std::u16string& out) {
  if (pos >= section.size()) return false;
  const char16_t c = section[pos];
  const bool hasNext = pos + 1 < section.size();
  if (kLiteralSet.find(c) != std::u16string_view::npos) {
    out += c;
    ++pos;
  } else if (c == u'\\' || c == u'*') {
    if (hasNext) out += section[pos + 1];
    pos += hasNext ? 2 : 1;
  } else if (c == u'_') {
    if (hasNext) out += u' ';
    pos += hasNext ? 2 : 1;
  } else if (c == u'"') {
    const size_t close = std::min(section.find(u'"', pos + 1), section.size());
    out += section.substr(pos + 1, close - pos - 1);
    pos = std::min(close + 1, section.size());
  } else {
    return false;
  }
  return true;
}

}  // namespace tabulon
