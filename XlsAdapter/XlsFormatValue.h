// Number-format rendering: the text the spreadsheet shows for a cell value
// and its number format ("#,##0.00", "mm/dd/yyyy", "[Red]0;(0)", "@"), the
// colour the format asks for, and whether it is a date or a time format.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "XlsAdapter/biff/XlsCellValue.h"
#include "platform/LocaleSettings.h"

namespace tabulon {

struct TXlsRendering {
  std::u16string Text;
  std::optional<int32_t> Color;  // 0x00BBGGRR, when the format names one
  bool HasDate = false;          // the rendering printed date fields
  bool HasTime = false;          // ... or time fields
};

// Renders `value` with `format`. `dates1904`: the workbook counts days from
// 1 January 1904. Throws ENumberFormatError ("Number format too long") for a
// number picture longer than 224 characters; never for a malformed format.
TXlsRendering XlsRenderValue(const TCellVariant& value, std::u16string_view format, bool dates1904,
                             const TLocaleSettings& settings = DefaultLocaleSettings());

// The rendered text; `color` is changed only when the format names a colour.
std::u16string XlsFormatValue(const TCellVariant& value, std::u16string_view format, bool dates1904,
                              int32_t& color,
                              const TLocaleSettings& settings = DefaultLocaleSettings());

// Renders the number 10 with `format` and reports whether that printed date
// or time fields (the "[$-F800]" and "[$-F400]" tags count as such).
bool XlsFormatHasDateTime(std::u16string_view format, bool& hasDate, bool& hasTime,
                          const TLocaleSettings& settings = DefaultLocaleSettings());

}  // namespace tabulon
