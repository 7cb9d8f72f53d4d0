// The user's conventions for writing numbers, dates and times: separators,
// date and time patterns, AM/PM strings, month and day names.
//
// Patterns are in the language of platform/DateTimePattern.h ("m/d/yyyy",
// "h:nn:ss ampm"), where "/" and ":" stand for the separators below.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tabulon {

struct TLocaleSettings {
  std::u16string DecimalSeparator;
  std::u16string ThousandsSeparator;
  std::u16string DateSeparator;
  std::u16string TimeSeparator;
  std::u16string ShortDateFormat;
  std::u16string LongDateFormat;
  std::u16string ShortTimeFormat;
  std::u16string LongTimeFormat;
  std::u16string AmString;
  std::u16string PmString;
  std::array<std::u16string, 12> ShortMonthNames;  // January first
  std::array<std::u16string, 12> LongMonthNames;
  std::array<std::u16string, 7> ShortDayNames;  // Sunday first
  std::array<std::u16string, 7> LongDayNames;
};

// What the C library reports for a locale, as UTF-8 text: the separators of
// LC_NUMERIC, and the strftime formats, AM/PM strings and names of LC_TIME.
// An empty field means the locale gives nothing for it.
struct TCLocaleInfo {
  bool NumericIsC = true;  // LC_NUMERIC is the C/POSIX locale
  bool TimeIsC = true;     // LC_TIME is the C/POSIX locale
  std::string RadixChar;
  std::string ThousandsSep;
  std::string DateFormat;      // D_FMT, e.g. "%d.%m.%Y"
  std::string TimeFormat;      // T_FMT, e.g. "%H:%M:%S" or "%r"
  std::string TimeFormatAmPm;  // T_FMT_AMPM, what "%r" stands for
  std::string AmString;
  std::string PmString;
  std::array<std::string, 12> ShortMonthNames;
  std::array<std::string, 12> LongMonthNames;
  std::array<std::string, 7> ShortDayNames;
  std::array<std::string, 7> LongDayNames;
};

// US English: ".", ",", "/", ":", "M/d/yyyy", "AM"/"PM", English names.
const TLocaleSettings& UsEnglishLocaleSettings();

// Settings from what the C library reports. A category that is the C/POSIX
// locale, and every field the locale leaves empty, take the US English value.
TLocaleSettings LocaleSettingsFromCLocale(const TCLocaleInfo& info);

// Asks the C library about the user's locale: LC_NUMERIC and LC_TIME as the
// environment selects them (setlocale with ""). The program's own locale is
// restored afterwards.
TCLocaleInfo ReadUserCLocale();

// The user's settings, read on first use and kept for the rest of the run.
const TLocaleSettings& DefaultLocaleSettings();

// Which of day, month and year a date pattern names first: u'd', u'm' or
// u'y' (letters in either case, quoted text skipped), or 0 for none.
char16_t FirstDateField(std::u16string_view pattern);

}  // namespace tabulon
