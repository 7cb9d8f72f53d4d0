// Renders a text cell with its number format: the text section ("@" stands
// for the text) when the format has one, else the text unchanged.
#pragma once

#include <string_view>

#include "XlsAdapter/XlsFormatValue.h"

namespace tabulon {

void RenderTextValue(std::u16string_view text, std::u16string_view format, TXlsRendering& result);

}  // namespace tabulon
