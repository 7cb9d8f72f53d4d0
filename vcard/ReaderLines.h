// Helpers that take one line of vCard text apart: its parameters, its
// value, and the dates and positions some values hold.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/DateTime.h"

namespace tabulon {

// The text without any blank (32); other white space stays.
std::u16string RemoveSpaces(std::u16string_view text);

// Leading and trailing characters up to and including the blank removed.
std::u16string Trim(std::u16string_view text);

// The text between the first ";" and the first ":". A line with no ";"
// gives the property name (all before the first ":"); a line with no ":",
// or whose first ";" comes after its first ":", gives the empty text.
std::u16string LineParams(std::u16string_view line);

// The text after the first ":" (the whole line without one), cut before
// its first ";" unless a double quote comes earlier; a double-quoted part
// is dropped together with what precedes it; "\," becomes ","; the result
// is trimmed. GEO:1.5;2.5 gives 1.5.
std::u16string LineValue(std::u16string_view line);

// The text after the first ":" (the whole line without one), trimmed.
std::u16string RawValue(std::u16string_view line);

// A date in the layout YYYYMMDD or YYYY-MM-DD; nothing for any other
// layout. Digits that form no date raise EvCardError.
std::optional<TDateTime> ParseDate(std::u16string_view text);

// A date and time in the layout YYYYMMDDTHHMMSS or YYYY-MM-DDTHH:MM:SS,
// anything after the seconds (such as "Z") ignored; nothing for any other
// layout. Digits that form no date or time raise EvCardError.
std::optional<TDateTime> ParseDateTime(std::u16string_view text);

struct TGeoPosition {
  double Latitude;
  double Longitude;
};

// Latitude and longitude from a GEO value: "geo:" (any case) followed by
// "lat,lon" (anything from a ";" on dropped), else "lat;lon", else
// "lat,lon". Each part must be a whole decimal number with "." as the
// decimal point, within +-90 and +-180; otherwise nothing.
std::optional<TGeoPosition> ParsePosition(std::u16string_view value);

}  // namespace tabulon
