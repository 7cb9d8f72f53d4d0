// Date-time values as the spreadsheet and the address book count them: a
// double holding days since 30 December 1899, its fraction the time of day.
// Negative values count back from that day, their fraction still being the
// time of day (-1.25 is 29 December 1899, 06:00).
#pragma once

#include <cstdint>

namespace tabulon {

using TDateTime = double;

struct DateTimeFields {
  int Year = 0;
  int Month = 0;        // 1-12
  int Day = 0;          // 1-31
  int Hour = 0;         // 0-23
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
  int DayOfWeek = 0;    // 1 = Sunday ... 7 = Saturday
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// Day number of a calendar date (years 1-9999); false for a date that does
// not exist.
bool TryEncodeDate(int year, int month, int day, TDateTime& out);

// Fraction of a day; false when a field is out of range.
bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& out);

// Splits a value into its fields after rounding it to the nearest
// millisecond, so 20:39:28 stored with a binary fraction a hair below never
// reads back as 20:39:27. False for NaN, infinities and values outside
// years 1-9999.
bool TryDecodeDateTime(TDateTime value, DateTimeFields& out);

// The current time, in UTC or in the machine's local time.
TDateTime NowUtc();
TDateTime NowLocal();

}  // namespace tabulon
