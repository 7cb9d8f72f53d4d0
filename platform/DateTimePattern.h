// The date-time pattern formatter: prints a day number (days since
// 30 December 1899, the time of day as the fraction) by a pattern such as
// "dd/mm/yyyy" or "h:nn ampm".
//
// Pattern elements, letters in either case:
//   d, dd          day of month, without / with leading zero
//   ddd, dddd      short / long day name
//   ddddd, dddddd  the locale's short / long date format
//   m, mm          month number, without / with leading zero
//   mmm, mmmm      short / long month name
//   y, yy          two-digit year; yyy and longer: four-digit year
//   h, hh          hour 0-23, or 1-12 when the pattern holds an AM/PM
//                  element or the caller asks for a 12-hour clock
//   n, nn          minute
//   s, ss          second
//   z, zz, zzz     tenths, hundredths, thousandths of the second
//   t, tt          the locale's short / long time format
//   c              the locale's short date format, a space, its long time
//   ampm           the locale's AM string before noon, its PM string from
//                  noon ("AM" and "PM" where the locale has none)
//   am/pm, a/p     "am"/"pm" or "a"/"p" in the letter case of the pattern
//   /  :           the locale's date / time separator
//   "text" 'text'  the text itself
// Any other character prints as itself.
#pragma once

#include <string>
#include <string_view>

#include "platform/LocaleSettings.h"

namespace tabulon {

// Appends `value` printed by `pattern` to `out`. False, leaving `out` as it
// was, when the value is not a number or the pattern prints a date field of
// a day outside the years 1-9999; time fields alone print for any finite
// value.
bool TryFormatDateTimePattern(std::u16string_view pattern, double value,
                              const TLocaleSettings& settings, std::u16string& out,
                              bool twelveHourClock = false);

}  // namespace tabulon
