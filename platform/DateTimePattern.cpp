#include "platform/DateTimePattern.h"

#include <algorithm>
#include <cmath>

#include "platform/DateTime.h"

namespace tabulon {
namespace {

// Locale formats may name other locale formats ("c" holds the short date);
// deeper than this, such an element prints nothing.
constexpr int kMaxNesting = 2;

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

bool StartsWithNoCase(std::u16string_view pattern, size_t i, std::u16string_view word) {
  if (pattern.size() - i < word.size()) return false;
  for (size_t k = 0; k < word.size(); ++k)
    if (Lower(pattern[i + k]) != word[k]) return false;
  return true;
}

// How many times the letter at `i` repeats from there (either case), at most
// `limit` times.
size_t RunLength(std::u16string_view pattern, size_t i, size_t limit) {
  const char16_t letter = Lower(pattern[i]);
  size_t n = 1;
  while (n < limit && i + n < pattern.size() && Lower(pattern[i + n]) == letter) ++n;
  return n;
}

// Length of the quoted text starting at `i`, quotes included.
size_t QuotedLength(std::u16string_view pattern, size_t i) {
  const size_t close = pattern.find(pattern[i], i + 1);
  return close == std::u16string_view::npos ? pattern.size() - i : close - i + 1;
}

// Length of an AM/PM element at `i` ("ampm", "am/pm", "a/p"), or 0.
size_t AmPmLength(std::u16string_view pattern, size_t i) {
  if (StartsWithNoCase(pattern, i, u"ampm")) return 4;
  if (StartsWithNoCase(pattern, i, u"am/pm")) return 5;
  if (StartsWithNoCase(pattern, i, u"a/p")) return 3;
  return 0;
}

bool HasAmPmElement(std::u16string_view pattern) {
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == u'"' || pattern[i] == u'\'') {
      i += QuotedLength(pattern, i) - 1;
    } else if (AmPmLength(pattern, i) > 0) {
      return true;
    }
  }
  return false;
}

class PatternPrinter {
 public:
  PatternPrinter(const TLocaleSettings& settings, const DateTimeFields& fields, bool hasDate,
                 std::u16string& out)
      : settings_(settings), f_(fields), hasDate_(hasDate), out_(out) {}

  bool Print(std::u16string_view pattern, bool twelveHourClock, int depth) {
    const bool twelveHour = twelveHourClock || HasAmPmElement(pattern);
    size_t i = 0;
    while (i < pattern.size()) {
      const size_t used = PrintElement(pattern, i, twelveHour, depth);
      if (used == 0) return false;
      i += used;
    }
    return true;
  }

 private:
  // Prints the element at `i`; returns its length, 0 on failure.
  size_t PrintElement(std::u16string_view p, size_t i, bool twelveHour, int depth) {
    const char16_t c = Lower(p[i]);
    switch (c) {
      case u'"':
      case u'\'': return PrintQuoted(p, i);
      case u'a': return PrintAmPm(p, i);
      case u'c': return PrintDateAndTime(depth) ? 1 : 0;
      case u'd': return PrintDay(p, i, depth);
      case u'm': return PrintMonth(p, i);
      case u'y': {
        if (!hasDate_) return 0;
        const size_t n = RunLength(p, i, p.size());
        AppendNumber(n <= 2 ? f_.Year % 100 : f_.Year, n <= 2 ? 2 : 4);
        return n;
      }
      case u'h': {
        const size_t n = RunLength(p, i, 2);
        const int hour = twelveHour ? (f_.Hour % 12 == 0 ? 12 : f_.Hour % 12) : f_.Hour;
        AppendNumber(hour, static_cast<int>(n));
        return n;
      }
      case u'n': return PrintTwoDigitField(p, i, f_.Minute);
      case u's': return PrintTwoDigitField(p, i, f_.Second);
      case u'z': {
        const size_t n = RunLength(p, i, 3);
        static constexpr int kDivisor[] = {100, 10, 1};
        AppendNumber(f_.Millisecond / kDivisor[n - 1], static_cast<int>(n));
        return n;
      }
      case u't': {
        const size_t n = RunLength(p, i, 2);
        return PrintNested(n == 1 ? settings_.ShortTimeFormat : settings_.LongTimeFormat, depth) ? n : 0;
      }
      case u'/': out_ += settings_.DateSeparator; return 1;
      case u':': out_ += settings_.TimeSeparator; return 1;
      default: out_ += p[i]; return 1;
    }
  }

  size_t PrintQuoted(std::u16string_view p, size_t i) {
    const size_t close = p.find(p[i], i + 1);
    if (close == std::u16string_view::npos) {
      out_ += p.substr(i + 1);
      return p.size() - i;
    }
    out_ += p.substr(i + 1, close - i - 1);
    return close - i + 1;
  }

  bool PrintDateAndTime(int depth) {
    if (!PrintNested(settings_.ShortDateFormat, depth)) return false;
    out_ += u' ';
    return PrintNested(settings_.LongTimeFormat, depth);
  }

  size_t PrintAmPm(std::u16string_view p, size_t i) {
    const size_t n = AmPmLength(p, i);
    const bool am = f_.Hour < 12;
    switch (n) {
      case 4: {
        const std::u16string& text = am ? settings_.AmString : settings_.PmString;
        out_ += text.empty() ? (am ? u"AM" : u"PM") : text;
        return n;
      }
      case 5: out_ += p.substr(am ? i : i + 3, 2); return n;
      case 3: out_ += p[am ? i : i + 2]; return n;
      default: out_ += p[i]; return 1;
    }
  }

  size_t PrintDay(std::u16string_view p, size_t i, int depth) {
    const size_t n = RunLength(p, i, 6);
    if (n == 5) return PrintNested(settings_.ShortDateFormat, depth) ? n : 0;
    if (n == 6) return PrintNested(settings_.LongDateFormat, depth) ? n : 0;
    if (!hasDate_) return 0;
    PrintNumberOrName(n, f_.Day, settings_.ShortDayNames[f_.DayOfWeek - 1],
                      settings_.LongDayNames[f_.DayOfWeek - 1]);
    return n;
  }

  size_t PrintMonth(std::u16string_view p, size_t i) {
    if (!hasDate_) return 0;
    const size_t n = RunLength(p, i, 4);
    PrintNumberOrName(n, f_.Month, settings_.ShortMonthNames[f_.Month - 1],
                      settings_.LongMonthNames[f_.Month - 1]);
    return n;
  }

  // One or two letters: the number; three: the short name; more: the long one.
  void PrintNumberOrName(size_t letters, int number, std::u16string_view shortName,
                         std::u16string_view longName) {
    if (letters <= 2) {
      AppendNumber(number, static_cast<int>(letters));
    } else {
      out_ += letters == 3 ? shortName : longName;
    }
  }

  size_t PrintTwoDigitField(std::u16string_view p, size_t i, int value) {
    const size_t n = RunLength(p, i, 2);
    AppendNumber(value, static_cast<int>(n));
    return n;
  }

  bool PrintNested(std::u16string_view pattern, int depth) {
    return depth >= kMaxNesting || Print(pattern, false, depth + 1);
  }

  void AppendNumber(int value, int minDigits) {
    const std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < minDigits) out_.append(minDigits - digits.size(), u'0');
    for (const char c : digits) out_ += static_cast<char16_t>(c);
  }

  const TLocaleSettings& settings_;
  const DateTimeFields& f_;
  const bool hasDate_;
  std::u16string& out_;
};

}  // namespace

bool TryFormatDateTimePattern(std::u16string_view pattern, double value,
                              const TLocaleSettings& settings, std::u16string& out,
                              bool twelveHourClock) {
  DateTimeFields fields;
  bool hasDate = TryDecodeDateTime(value, fields);
  if (!hasDate) {
    // Beyond the calendar the time of day still has a meaning.
    if (!std::isfinite(value) || !TryDecodeDateTime(std::fabs(value - std::trunc(value)), fields))
      return false;
  }
  const size_t start = out.size();
  if (PatternPrinter(settings, fields, hasDate, out).Print(pattern, twelveHourClock, 0)) return true;
  out.resize(start);
  return false;
}

}  // namespace tabulon
