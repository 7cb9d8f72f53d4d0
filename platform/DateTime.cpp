#include "DateTime.h"

#include <cmath>
#include <ctime>
#include <sys/time.h>

namespace tabulon {
namespace {

constexpr int64_t kMsPerDay = 86'400'000;
// Days from 1 January 0001 (day 1) to 30 December 1899.
constexpr int64_t kDaysTo1899 = 693594;
// Largest day number: 31 December 9999.
constexpr double kMaxDate = 2958465.0;
// Smallest: 1 January 0001.
constexpr double kMinDate = -693593.0;

int64_t DaysBeforeYear(int64_t year) {
  const int64_t y = year - 1;
  return y * 365 + y / 4 - y / 100 + y / 400;
}

// Day count since 1 January 0001 (that day being 1) to a calendar date.
void CivilFromOrdinal(int64_t ordinal, int& year, int& month, int& day) {
  // Days since 1 January 0001, 0-based, split into 400/100/4/1-year cycles.
  int64_t d = ordinal - 1;
  const int64_t n400 = d / 146097;
  d %= 146097;
  int64_t n100 = d / 36524;
  if (n100 == 4) n100 = 3;
  d -= n100 * 36524;
  const int64_t n4 = d / 1461;
  d %= 1461;
  int64_t n1 = d / 365;
  if (n1 == 4) n1 = 3;
  d -= n1 * 365;
  year = static_cast<int>(n400 * 400 + n100 * 100 + n4 * 4 + n1 + 1);
  month = 1;
  while (d >= DaysInMonth(year, month)) {
    d -= DaysInMonth(year, month);
    ++month;
  }
  day = static_cast<int>(d + 1);
}

}  // namespace

bool IsLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& out) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month))
    return false;
  int64_t days = DaysBeforeYear(year);
  for (int m = 1; m < month; ++m) days += DaysInMonth(year, m);
  days += day;
  out = static_cast<double>(days - kDaysTo1899);
  return true;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& out) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 ||
      second > 59 || millisecond < 0 || millisecond > 999)
    return false;
  out = (((hour * 60 + minute) * 60 + second) * 1000.0 + millisecond) / kMsPerDay;
  return true;
}

bool TryDecodeDateTime(TDateTime value, DateTimeFields& out) {
  if (!std::isfinite(value) || value < kMinDate || value >= kMaxDate + 1) return false;
  // Whole days count toward zero; the fraction's magnitude is the time.
  double whole = std::trunc(value);
  int64_t ms = std::llround(std::fabs(value - whole) * kMsPerDay);
  if (ms >= kMsPerDay) {  // rounding reached midnight: the next day
    ms -= kMsPerDay;
    whole += value < 0 ? -1 : 1;
  }
  const int64_t ordinal = static_cast<int64_t>(whole) + kDaysTo1899;
  if (ordinal < 1 || ordinal > 3652059) return false;
  CivilFromOrdinal(ordinal, out.Year, out.Month, out.Day);
  out.DayOfWeek = static_cast<int>(ordinal % 7) + 1;
  out.Hour = static_cast<int>(ms / 3'600'000);
  out.Minute = static_cast<int>(ms / 60'000 % 60);
  out.Second = static_cast<int>(ms / 1000 % 60);
  out.Millisecond = static_cast<int>(ms % 1000);
  return true;
}

namespace {
TDateTime FromTm(const std::tm& tm, long usec) {
  TDateTime date = 0, time = 0;
  TryEncodeDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, date);
  TryEncodeTime(tm.tm_hour, tm.tm_min, tm.tm_sec > 59 ? 59 : tm.tm_sec,
                static_cast<int>(usec / 1000), time);
  return date + time;
}
}  // namespace

TDateTime NowUtc() {
  timeval tv{};
  gettimeofday(&tv, nullptr);
  std::tm tm{};
  gmtime_r(&tv.tv_sec, &tm);
  return FromTm(tm, tv.tv_usec);
}

TDateTime NowLocal() {
  timeval tv{};
  gettimeofday(&tv, nullptr);
  std::tm tm{};
  localtime_r(&tv.tv_sec, &tm);
  return FromTm(tm, tv.tv_usec);
}

}  // namespace tabulon
