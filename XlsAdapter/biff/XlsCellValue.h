// The one form in which a cell's content leaves the workbook model.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace tabulon {

// Empty, a number (every number is a double, dates and times included), a
// text (error values are texts such as "#DIV/0!"), or a boolean.
using TCellVariant = std::variant<std::monostate, double, std::u16string, bool>;

struct TXlsCellValue {
  TCellVariant Value;
  int32_t XF = -1;         // the cell's XF index, -1 when there is no cell
  bool IsFormula = false;  // Value is then the formula's cached result
};

}  // namespace tabulon
