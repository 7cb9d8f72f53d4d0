#include "platform/LocaleSettings.h"

#include <cctype>
#include <clocale>
#include <iconv.h>
#include <langinfo.h>

#include "platform/StrftimePattern.h"
#include "platform/TextEncoding.h"

namespace tabulon {
namespace {

TLocaleSettings MakeUsEnglish() {
  TLocaleSettings s;
  s.DecimalSeparator = u".";
  s.ThousandsSeparator = u",";
  s.DateSeparator = u"/";
  s.TimeSeparator = u":";
  s.ShortDateFormat = u"M/d/yyyy";
  s.LongDateFormat = u"dddd, mmmm d, yyyy";
  s.ShortTimeFormat = u"h:nn ampm";
  s.LongTimeFormat = u"h:nn:ss ampm";
  s.AmString = u"AM";
  s.PmString = u"PM";
  s.ShortMonthNames = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                       u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
  s.LongMonthNames = {u"January", u"February", u"March",     u"April",
                      u"May",     u"June",     u"July",      u"August",
                      u"September", u"October", u"November", u"December"};
  s.ShortDayNames = {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
  s.LongDayNames = {u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                    u"Thursday", u"Friday", u"Saturday"};
  return s;
}

// Keeps `field` unless the locale gives a text for it.
void Take(std::u16string& field, const std::string& fromLocale) {
  if (!fromLocale.empty()) field = FromUtf8(fromLocale);
}

template <size_t N>
void TakeAll(std::array<std::u16string, N>& fields, const std::array<std::string, N>& fromLocale) {
  for (size_t i = 0; i < N; ++i) Take(fields[i], fromLocale[i]);
}

// A separator must be punctuation: "%Y年%m月%d日" has none to offer.
void TakeSeparator(std::u16string& field, const std::string& fromLocale) {
  if (fromLocale.size() == 1 && std::ispunct(static_cast<unsigned char>(fromLocale[0]))) Take(field, fromLocale);
}

// A long date in the order of the short one; the C library has none.
std::u16string LongDateInOrderOf(std::u16string_view shortDate) {
  switch (FirstDateField(shortDate)) {
    case u'd': return u"dddd, d mmmm yyyy";
    case u'y': return u"yyyy mmmm d, dddd";
    default: return u"dddd, mmmm d, yyyy";
  }
}

void TakeNumeric(TLocaleSettings& s, const TCLocaleInfo& info) {
  Take(s.DecimalSeparator, info.RadixChar);
  Take(s.ThousandsSeparator, info.ThousandsSep);
  // A locale without a thousands separator must not get its decimal one.
  if (s.ThousandsSeparator == s.DecimalSeparator)
    s.ThousandsSeparator = s.DecimalSeparator == u"," ? u"." : u",";
}

void TakeTime(TLocaleSettings& s, const TCLocaleInfo& info) {
  const std::string date = ExpandStrftime(info.DateFormat, info.TimeFormatAmPm);
  if (!date.empty()) {
    s.ShortDateFormat = PatternFromStrftime(date);
    s.LongDateFormat = LongDateInOrderOf(s.ShortDateFormat);
    TakeSeparator(s.DateSeparator, SeparatorOfStrftime(date));
  }
  const std::string time = ExpandStrftime(info.TimeFormat, info.TimeFormatAmPm);
  if (!time.empty()) {
    s.LongTimeFormat = PatternFromStrftime(time);
    s.ShortTimeFormat = PatternFromStrftime(WithoutSeconds(time));
    TakeSeparator(s.TimeSeparator, SeparatorOfStrftime(time));
  }
  Take(s.AmString, info.AmString);
  Take(s.PmString, info.PmString);
  TakeAll(s.ShortMonthNames, info.ShortMonthNames);
  TakeAll(s.LongMonthNames, info.LongMonthNames);
  TakeAll(s.ShortDayNames, info.ShortDayNames);
  TakeAll(s.LongDayNames, info.LongDayNames);
}

bool IsCLocaleName(const char* name) {
  const std::string_view n = name ? name : "C";
  return n == "C" || n == "POSIX" || n.starts_with("C.");
}

// Text the C library gave in `codeset`, as UTF-8; empty when it cannot be
// converted.
std::string ToUtf8From(const char* codeset, const char* text) {
  const std::string_view in = text ? text : "";
  if (in.empty()) return {};
  iconv_t cd = iconv_open("UTF-8", codeset);
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  std::string out(in.size() * 4, '\0');
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  const size_t done = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (done == static_cast<size_t>(-1)) return {};
  out.resize(out.size() - dstLeft);
  return out;
}

// Reads the items of one category while LC_CTYPE names the same locale, so
// that the codeset is the one its texts are written in.
class CategoryReader {
 public:
  explicit CategoryReader(const char* localeName) {
    setlocale(LC_CTYPE, localeName);
    codeset_ = nl_langinfo(CODESET);
  }
  std::string Item(nl_item item) const { return ToUtf8From(codeset_.c_str(), nl_langinfo(item)); }
  std::string Text(const char* text) const { return ToUtf8From(codeset_.c_str(), text); }

 private:
  std::string codeset_;
};

template <size_t N>
void ReadItems(const CategoryReader& reader, nl_item first, std::array<std::string, N>& out) {
  for (size_t i = 0; i < N; ++i) out[i] = reader.Item(static_cast<nl_item>(first + i));
}

}  // namespace

const TLocaleSettings& UsEnglishLocaleSettings() {
  static const TLocaleSettings settings = MakeUsEnglish();
  return settings;
}

TLocaleSettings LocaleSettingsFromCLocale(const TCLocaleInfo& info) {
  TLocaleSettings s = UsEnglishLocaleSettings();
  if (!info.NumericIsC) TakeNumeric(s, info);
  if (!info.TimeIsC) TakeTime(s, info);
  return s;
}

TCLocaleInfo ReadUserCLocale() {
  const char* current = setlocale(LC_ALL, nullptr);
  const std::string saved = current ? current : "C";
  TCLocaleInfo info;

  const char* numeric = setlocale(LC_NUMERIC, "");
  info.NumericIsC = IsCLocaleName(numeric);
  if (!info.NumericIsC) {
    const std::string name = numeric;
    const CategoryReader reader(name.c_str());
    const lconv* conv = localeconv();
    info.RadixChar = reader.Text(conv->decimal_point);
    info.ThousandsSep = reader.Text(conv->thousands_sep);
  }

  const char* time = setlocale(LC_TIME, "");
  info.TimeIsC = IsCLocaleName(time);
  if (!info.TimeIsC) {
    const std::string name = time;
    const CategoryReader reader(name.c_str());
    info.DateFormat = reader.Item(D_FMT);
    info.TimeFormat = reader.Item(T_FMT);
    info.TimeFormatAmPm = reader.Item(T_FMT_AMPM);
    info.AmString = reader.Item(AM_STR);
    info.PmString = reader.Item(PM_STR);
    ReadItems(reader, ABMON_1, info.ShortMonthNames);
    ReadItems(reader, MON_1, info.LongMonthNames);
    ReadItems(reader, ABDAY_1, info.ShortDayNames);
    ReadItems(reader, DAY_1, info.LongDayNames);
  }

  setlocale(LC_ALL, saved.c_str());
  return info;
}

const TLocaleSettings& DefaultLocaleSettings() {
  static const TLocaleSettings settings = LocaleSettingsFromCLocale(ReadUserCLocale());
  return settings;
}

char16_t FirstDateField(std::u16string_view pattern) {
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char16_t c = pattern[i];
    if (c == u'"' || c == u'\'') {
      const size_t close = pattern.find(c, i + 1);
      if (close == std::u16string_view::npos) return 0;
      i = close;
      continue;
    }
    const char16_t lower = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
    if (lower == u'd' || lower == u'm' || lower == u'y') return lower;
  }
  return 0;
}

}  // namespace tabulon
