#include "XlsAdapter/biff/FormatRecord.h"

#include <algorithm>
#include <numeric>

#include "XlsAdapter/biff/ExcelString.h"
#include "platform/LocaleSettings.h"

namespace tabulon {
namespace {

constexpr uint16_t kLastBuiltIn = 49;

const char16_t* const kBuiltInFormats[kLastBuiltIn + 1] = {
    u"",                                // 0
    u"0",                               // 1
    u"0.00",                            // 2
    u"#,##0",                           // 3
    u"#,##0.00",                        // 4
    u"", u"", u"", u"",                 // 5-8
    u"0%",                              // 9
    u"0.00%",                           // 10
    u"0.00E+00",                        // 11
    u"?/?",                             // 12
    u"# ?\?/??",                        // 13
    u"",                                // 14: from the locale
    u"DD-MMM-YY",                       // 15
    u"DD-MMM",                          // 16
    u"MMM-YY",                          // 17
    u"h:mm AM/PM",                      // 18
    u"h:mm:ss AM/PM",                   // 19
    u"hh:mm",                           // 20
    u"hh:mm:ss",                        // 21
    u"",                                // 22: from the locale
    u"", u"", u"", u"", u"", u"", u"",  // 23-29
    u"", u"", u"", u"", u"", u"", u"",  // 30-36
    u"#,##0 _$;-#,##0 _$",              // 37
    u"#,##0 _$;[Red]-#,##0 _$",         // 38
    u"#,##0.00 _$;-#,##0.00 _$",        // 39
    u"#,##0.00 _$;[Red]-#,##0.00 _$",   // 40
    u"", u"", u"", u"",                 // 41-44
    u"mm:ss",                           // 45
    u"[h]:mm:ss",                       // 46
    u"mm:ss,0",                         // 47
    u"##0.0E+0",                        // 48
    u"@",                               // 49
};

// The locale's short date as day, month and year in the order its pattern
// names them, two digits for day and month and four for the year.
std::u16string LocaleShortDate(const TLocaleSettings& locale) {
  const std::u16string& sep = locale.DateSeparator;
  switch (FirstDateField(locale.ShortDateFormat)) {
    case u'd': return u"dd" + sep + u"mm" + sep + u"YYYY";
    case u'm': return u"mm" + sep + u"dd" + sep + u"YYYY";
    case u'y': return u"YYYY" + sep + u"mm" + sep + u"dd";
    default: return {};
  }
}

}  // namespace

std::u16string TFormatRecord::Value() const {
  return DecodeCharacters(*this, 5, GetWord(2), GetByte(4));
}

void TFormatRecordList::Add(std::unique_ptr<TFormatRecord> aRecord) {
  TRecordList::Add(std::move(aRecord));
  FSorted = false;
}

void TFormatRecordList::Clear() {
  TRecordList::Clear();
  FById.clear();
  FSorted = true;
}

bool TFormatRecordList::Find(uint16_t FormatId, size_t& Index) const {
  if (!FSorted) {
    FById.resize(FItems.size());
    std::iota(FById.begin(), FById.end(), size_t{0});
    std::ranges::stable_sort(FById, {}, [this](size_t i) { return FItems[i]->FormatId(); });
    FSorted = true;
  }
  const auto it = std::ranges::lower_bound(FById, FormatId, {},
                                           [this](size_t i) { return FItems[i]->FormatId(); });
  if (it == FById.end() || FItems[*it]->FormatId() != FormatId) return false;
  Index = *it;
  return true;
}

std::u16string TFormatRecordList::GetFormat(uint16_t FormatId) const {
  size_t index = 0;
  if (Find(FormatId, index)) return FItems[index]->Value();
  return BuiltInFormat(FormatId, DefaultLocaleSettings());
}

std::u16string BuiltInFormat(uint16_t FormatId, const TLocaleSettings& locale) {
  if (FormatId == 14 || FormatId == 22) {
    const std::u16string date = LocaleShortDate(locale);
    if (date.empty()) return FormatId == 14 ? u"mm/dd/YYYY" : u"mm/dd/YYYY hh:mm";
    return FormatId == 14 ? date : date + u" hh" + locale.TimeSeparator + u"mm";
  }
  if (FormatId > kLastBuiltIn) return {};
  return kBuiltInFormats[FormatId];
}

}  // namespace tabulon
