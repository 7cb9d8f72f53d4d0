// Renders the section of a number format chosen for a number: colour and
// currency tags, elapsed-time brackets, literals, date runs and number
// pictures, handing the date runs to the date-time pattern formatter and the
// pictures to the picture number formatter.
#pragma once

#include <string>
#include <string_view>

#include "XlsAdapter/XlsFormatValue.h"
#include "platform/LocaleSettings.h"

namespace tabulon {

struct TNumberRendering {
  const TLocaleSettings& Settings;
  bool Dates1904 = false;
};

// Fills result.Text, and result.Color, HasDate and HasTime as the section
// asks. `negate`: a negative value prints without its sign.
void RenderNumberSection(std::u16string_view section, double x, bool negate,
                         const TNumberRendering& how, TXlsRendering& result);

// Appends `x` printed by the date-time `pattern` (counted from 1904 when the
// workbook does), or "##" when the formatter cannot print it.
void AppendDateTimeText(std::u16string_view pattern, double x, bool twelveHourClock,
                        const TNumberRendering& how, std::u16string& out);

}  // namespace tabulon
