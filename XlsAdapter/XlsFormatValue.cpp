#include "XlsAdapter/XlsFormatValue.h"

#include <type_traits>

#include "XlsAdapter/XlsFormatLexer.h"
#include "XlsAdapter/XlsFormatSections.h"
#include "XlsAdapter/XlsNumberSection.h"
#include "XlsAdapter/XlsTextSection.h"
#include "platform/GeneralNumberText.h"

namespace tabulon {
namespace {

// Shown when no section of the format renders the value.
constexpr std::u16string_view kOverflowText = u"###################";

void RenderNumber(double x, std::u16string_view format, const TNumberRendering& how, TXlsRendering& result) {
  const TFormatSections sections = SplitSections(format, x);
  const TSectionChoice choice = ChooseSection(sections, x);
  if (choice.Index < 0) {
    result.Text = kOverflowText;
    return;
  }
  const std::u16string_view section = sections.Text[choice.Index];
  // The locale's long date and long time stand for the whole section.
  if (ContainsNoCase(section, u"[$-F800]")) {
    AppendDateTimeText(how.Settings.LongDateFormat, x, false, how, result.Text);
    result.HasDate = true;
  } else if (ContainsNoCase(section, u"[$-F400]")) {
    AppendDateTimeText(how.Settings.LongTimeFormat, x, false, how, result.Text);
    result.HasTime = true;
  } else {
    RenderNumberSection(section, x, choice.Negate, how, result);
  }
}

}  // namespace

TXlsRendering XlsRenderValue(const TCellVariant& value, std::u16string_view format, bool dates1904,
                             const TLocaleSettings& settings) {
  TXlsRendering result;
  std::visit(
      [&](const auto& v) {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, bool>) {
          result.Text = v ? u"TRUE" : u"FALSE";
        } else if constexpr (std::is_same_v<T, double>) {
          if (format.empty()) {
            result.Text = GeneralNumberText(v, settings);
          } else {
            RenderNumber(v, format, TNumberRendering{settings, dates1904}, result);
          }
        } else if constexpr (std::is_same_v<T, std::u16string>) {
          if (format.empty()) {
            result.Text = v;
          } else {
            RenderTextValue(v, format, result);
          }
        }
      },
      value);
  return result;
}

std::u16string XlsFormatValue(const TCellVariant& value, std::u16string_view format, bool dates1904,
                              int32_t& color, const TLocaleSettings& settings) {
  TXlsRendering r = XlsRenderValue(value, format, dates1904, settings);
  if (r.Color) color = *r.Color;
  return std::move(r.Text);
}

bool XlsFormatHasDateTime(std::u16string_view format, bool& hasDate, bool& hasTime,
                          const TLocaleSettings& settings) {
  const TXlsRendering r = XlsRenderValue(10.0, format, false, settings);
  hasDate = r.HasDate;
  hasTime = r.HasTime;
  return hasDate || hasTime;
}

}  // namespace tabulon
