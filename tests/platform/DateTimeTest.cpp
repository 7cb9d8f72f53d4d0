#include "platform/DateTime.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

struct DateCase {
  int year, month, day;
  double serial;
};

class EncodeDate : public testing::TestWithParam<DateCase> {};

TEST_P(EncodeDate, MatchesTheSpreadsheetSerial) {
  const auto& c = GetParam();
  double serial = -1;
  ASSERT_TRUE(TryEncodeDate(c.year, c.month, c.day, serial));
  EXPECT_EQ(serial, c.serial);
  DateTimeFields f;
  ASSERT_TRUE(TryDecodeDateTime(c.serial, f));
  EXPECT_EQ(f.Year, c.year);
  EXPECT_EQ(f.Month, c.month);
  EXPECT_EQ(f.Day, c.day);
}

INSTANTIATE_TEST_SUITE_P(Dates, EncodeDate,
                         testing::Values(DateCase{1899, 12, 30, 0}, DateCase{1900, 1, 1, 2},
                                         DateCase{1900, 3, 1, 61}, DateCase{2000, 1, 1, 36526},
                                         DateCase{2000, 2, 29, 36585}, DateCase{2023, 3, 15, 45000},
                                         DateCase{1, 1, 1, -693593},
                                         DateCase{9999, 12, 31, 2958465}));

TEST(EncodeDate, RefusesDatesThatDoNotExist) {
  double out = 0;
  EXPECT_FALSE(TryEncodeDate(1900, 2, 29, out));
  EXPECT_FALSE(TryEncodeDate(2023, 4, 31, out));
  EXPECT_FALSE(TryEncodeDate(2023, 13, 1, out));
  EXPECT_FALSE(TryEncodeDate(0, 1, 1, out));
  EXPECT_FALSE(TryEncodeDate(10000, 1, 1, out));
}

TEST(DecodeDateTime, RoundsToTheMillisecond) {
  double date = 0, time = 0;
  ASSERT_TRUE(TryEncodeDate(2024, 5, 6, date));
  ASSERT_TRUE(TryEncodeTime(20, 39, 28, 0, time));
  DateTimeFields f;
  ASSERT_TRUE(TryDecodeDateTime(date + time - 1e-10, f));
  EXPECT_EQ(f.Hour, 20);
  EXPECT_EQ(f.Minute, 39);
  EXPECT_EQ(f.Second, 28);
  EXPECT_EQ(f.Millisecond, 0);
}

TEST(DecodeDateTime, RoundingUpToMidnightIsTheNextDay) {
  DateTimeFields f;
  ASSERT_TRUE(TryDecodeDateTime(36526 - 1e-10, f));
  EXPECT_EQ(f.Year, 2000);
  EXPECT_EQ(f.Month, 1);
  EXPECT_EQ(f.Day, 1);
  EXPECT_EQ(f.Hour, 0);
}

TEST(DecodeDateTime, NegativeValuesKeepTheTimeOfDay) {
  DateTimeFields f;
  ASSERT_TRUE(TryDecodeDateTime(-1.25, f));
  EXPECT_EQ(f.Year, 1899);
  EXPECT_EQ(f.Month, 12);
  EXPECT_EQ(f.Day, 29);
  EXPECT_EQ(f.Hour, 6);
}

TEST(DecodeDateTime, WeekdayCountsFromSunday) {
  DateTimeFields f;
  ASSERT_TRUE(TryDecodeDateTime(0, f));  // a Saturday
  EXPECT_EQ(f.DayOfWeek, 7);
  ASSERT_TRUE(TryDecodeDateTime(45000, f));  // Wednesday 15 March 2023
  EXPECT_EQ(f.DayOfWeek, 4);
}

TEST(DecodeDateTime, RefusesWhatIsNoDate) {
  DateTimeFields f;
  EXPECT_FALSE(TryDecodeDateTime(std::numeric_limits<double>::quiet_NaN(), f));
  EXPECT_FALSE(TryDecodeDateTime(std::numeric_limits<double>::infinity(), f));
  EXPECT_FALSE(TryDecodeDateTime(2958466, f));
  EXPECT_FALSE(TryDecodeDateTime(-693594, f));
  EXPECT_FALSE(TryDecodeDateTime(1e300, f));
}

TEST(EncodeTime, RefusesFieldsOutOfRange) {
  double out = 0;
  EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, out));
  EXPECT_FALSE(TryEncodeTime(0, 60, 0, 0, out));
  EXPECT_FALSE(TryEncodeTime(0, 0, 0, 1000, out));
  ASSERT_TRUE(TryEncodeTime(18, 0, 0, 0, out));
  EXPECT_DOUBLE_EQ(out, 0.75);
}

}  // namespace
}  // namespace tabulon
