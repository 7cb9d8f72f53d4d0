#include "XlsAdapter/XlsDateCodes.h"

#include <algorithm>

#include "XlsAdapter/XlsFormatLexer.h"

namespace tabulon {
namespace {

bool StartsWithNoCase(std::u16string_view text, size_t pos, std::u16string_view upperWord) {
  if (text.size() - pos < upperWord.size()) return false;
  for (size_t k = 0; k < upperWord.size(); ++k)
    if (AsciiUpperChar(text[pos + k]) != upperWord[k]) return false;
  return true;
}

// Length of "AM/PM" or "A/P" (either case) at `pos`, or 0.
size_t AmPmLength(std::u16string_view text, size_t pos) {
  if (AsciiUpperChar(text[pos]) != u'A') return 0;
  if (StartsWithNoCase(text, pos, u"AM/PM")) return 5;
  return StartsWithNoCase(text, pos, u"A/P") ? 3 : 0;
}

size_t SameLetterRun(std::u16string_view text, size_t pos) {
  const char16_t letter = AsciiUpperChar(text[pos]);
  size_t end = pos + 1;
  while (end < text.size() && AsciiUpperChar(text[end]) == letter) ++end;
  return end - pos;
}

TDateCodeKind KindOfLetter(char16_t upper) {
  switch (upper) {
    case u'Y': return TDateCodeKind::Year;
    case u'M': return TDateCodeKind::Month;
    case u'D': return TDateCodeKind::Day;
    case u'H': return TDateCodeKind::Hour;
    case u'S': return TDateCodeKind::Second;
    default: return TDateCodeKind::Other;
  }
}

// Letters that name date-time fields in a date run; others are no codes.
bool IsCodeLetter(char16_t upper) {
  return std::u16string_view(u"ACDHMNPQSTWY").find(upper) != std::u16string_view::npos;
}

}  // namespace

TDateCodes::TDateCodes(std::u16string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    const char16_t c = s[i];
    const char16_t upper = AsciiUpperChar(c);
    if (c == u'"') {
      const size_t close = s.find(u'"', i + 1);
      i = close == std::u16string_view::npos ? s.size() : close + 1;
    } else if (c == u'\\' || c == u'*' || c == u'_') {
      i += 2;
    } else if (c == u'[') {
      const size_t start = i;
      char16_t letter = 0;
      size_t letters = 0;
      if (ReadElapsedBracket(s, i, letter, letters)) {
        Add(start, i - start, letter == u'H' ? TDateCodeKind::ElapsedHours : TDateCodeKind::Other);
      } else {
        const size_t close = s.find(u']', i);
        i = close == std::u16string_view::npos ? s.size() : close + 1;
      }
    } else if (const size_t length = AmPmLength(s, i)) {
      Add(i, length, TDateCodeKind::AmPm);
      hasAmPm_ = true;
      i += length;
    } else if (c < 0x80 && IsCodeLetter(upper)) {
      const size_t length = SameLetterRun(s, i);
      Add(i, length, KindOfLetter(upper));
      i += length;
    } else {
      ++i;
    }
  }
  ResolveMinutes();
}

void TDateCodes::Add(size_t pos, size_t length, TDateCodeKind kind) { codes_.push_back({pos, length, kind}); }

void TDateCodes::ResolveMinutes() {
  const auto isHour = [](const TDateCode& c) {
    return (c.Kind == TDateCodeKind::Hour && c.Length <= 2) || c.Kind == TDateCodeKind::ElapsedHours;
  };
  const auto isSecond = [](const TDateCode& c) { return c.Kind == TDateCodeKind::Second && c.Length <= 2; };
  for (size_t i = 0; i < codes_.size(); ++i) {
    TDateCode& c = codes_[i];
    if (c.Kind != TDateCodeKind::Month || c.Length > 2) continue;
    if ((i > 0 && isHour(codes_[i - 1])) || (i + 1 < codes_.size() && isSecond(codes_[i + 1])))
      c.Kind = TDateCodeKind::Minute;
  }
}

const TDateCode* TDateCodes::At(size_t pos) const {
  const auto it = std::lower_bound(codes_.begin(), codes_.end(), pos,
                                   [](const TDateCode& c, size_t p) { return c.Pos < p; });
  return it != codes_.end() && it->Pos == pos ? &*it : nullptr;
}

}  // namespace tabulon
