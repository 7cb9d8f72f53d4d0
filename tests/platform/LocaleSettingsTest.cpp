#include "platform/LocaleSettings.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace tabulon {
namespace {

// What glibc reports for de_DE.UTF-8.
TCLocaleInfo GermanInfo() {
  TCLocaleInfo info;
  info.NumericIsC = info.TimeIsC = false;
  info.RadixChar = ",";
  info.ThousandsSep = ".";
  info.DateFormat = "%d.%m.%Y";
  info.TimeFormat = "%T";
  info.AmString = info.PmString = "";
  info.ShortMonthNames = {"Jan", "Feb", "M\xC3\xA4r", "Apr", "Mai", "Jun",
                          "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
  info.LongMonthNames = {"Januar", "Februar", "M\xC3\xA4rz", "April", "Mai", "Juni",
                         "Juli", "August", "September", "Oktober", "November", "Dezember"};
  info.ShortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
  info.LongDayNames = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
  return info;
}

TEST(LocaleSettings, TheCLocaleIsUsEnglish) {
  const TLocaleSettings s = LocaleSettingsFromCLocale(TCLocaleInfo{});
  EXPECT_EQ(s.DecimalSeparator, u".");
  EXPECT_EQ(s.ThousandsSeparator, u",");
  EXPECT_EQ(s.DateSeparator, u"/");
  EXPECT_EQ(s.TimeSeparator, u":");
  EXPECT_EQ(s.ShortDateFormat, u"M/d/yyyy");
  EXPECT_EQ(s.AmString, u"AM");
  EXPECT_EQ(s.PmString, u"PM");
  EXPECT_EQ(s.LongMonthNames[11], u"December");
  EXPECT_EQ(s.ShortDayNames[0], u"Sun");
}

TEST(LocaleSettings, TakesWhatTheLocaleReports) {
  const TLocaleSettings s = LocaleSettingsFromCLocale(GermanInfo());
  EXPECT_EQ(s.DecimalSeparator, u",");
  EXPECT_EQ(s.ThousandsSeparator, u".");
  EXPECT_EQ(s.DateSeparator, u".");
  EXPECT_EQ(s.TimeSeparator, u":");
  EXPECT_EQ(s.ShortDateFormat, u"dd.mm.yyyy");
  EXPECT_EQ(s.LongDateFormat, u"dddd, d mmmm yyyy");
  EXPECT_EQ(s.LongTimeFormat, u"hh:nn:ss");
  EXPECT_EQ(s.ShortTimeFormat, u"hh:nn");
  EXPECT_EQ(s.LongMonthNames[2], u"März");
  EXPECT_EQ(s.LongDayNames[3], u"Mittwoch");
  EXPECT_EQ(s.AmString, u"AM");  // the locale gives none
}

TEST(LocaleSettings, EachCategoryFallsBackOnItsOwn) {
  TCLocaleInfo info = GermanInfo();
  info.TimeIsC = true;
  info.LongMonthNames[0] = "";
  const TLocaleSettings s = LocaleSettingsFromCLocale(info);
  EXPECT_EQ(s.DecimalSeparator, u",");
  EXPECT_EQ(s.ShortDateFormat, u"M/d/yyyy");
  EXPECT_EQ(s.LongMonthNames[0], u"January");
}

TEST(LocaleSettings, SeparatorsArePunctuation) {
  TCLocaleInfo info = GermanInfo();
  info.DateFormat = "%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d\xE6\x97\xA5";  // %Y年%m月%d日
  info.TimeFormat = "%H%M";
  const TLocaleSettings s = LocaleSettingsFromCLocale(info);
  EXPECT_EQ(s.ShortDateFormat, u"yyyy年mm月dd日");
  EXPECT_EQ(s.DateSeparator, u"/");
  EXPECT_EQ(s.TimeSeparator, u":");
}

TEST(LocaleSettings, AThousandsSeparatorNeverEqualsTheDecimalOne) {
  TCLocaleInfo info = GermanInfo();
  info.ThousandsSep = "";  // falls back to ",", the decimal separator
  EXPECT_EQ(LocaleSettingsFromCLocale(info).ThousandsSeparator, u".");
}

TEST(LocaleSettings, ReadingTheUserLocaleLeavesTheProgramLocale) {
  const std::string before = setlocale(LC_ALL, nullptr);
  setenv("LC_ALL", "C", 1);
  const TCLocaleInfo info = ReadUserCLocale();
  unsetenv("LC_ALL");
  EXPECT_TRUE(info.NumericIsC);
  EXPECT_TRUE(info.TimeIsC);
  EXPECT_EQ(setlocale(LC_ALL, nullptr), before);
}

TEST(LocaleSettings, FirstDateFieldOfAPattern) {
  EXPECT_EQ(FirstDateField(u"M/d/yyyy"), u'm');
  EXPECT_EQ(FirstDateField(u"dd.MM.yyyy"), u'd');
  EXPECT_EQ(FirstDateField(u"YYYY-mm-dd"), u'y');
  EXPECT_EQ(FirstDateField(u"\"Day\" yyyy"), u'y');  // quoted text skipped
  EXPECT_EQ(FirstDateField(u"hh:nn"), 0);
}

}  // namespace
}  // namespace tabulon
