// The sections of a number format ("positive;negative;zero;text"), the
// conditions they carry ("[<=9999999]###-####;(###) ###-####") and the
// choice of the section that renders a number.
#pragma once

#include <array>
#include <string_view>

namespace tabulon {

struct TSectionCondition {
  bool HasCondition = false;
  bool NotSatisfied = false;
  bool NegateIfChosen = false;  // chosen for its condition: print without sign
  bool NegateAsSecond = false;  // when the second section is chosen instead
};

struct TFormatSections {
  static constexpr int kMaxSections = 4;

  std::array<std::u16string_view, kMaxSections> Text;  // views into the format
  std::array<TSectionCondition, kMaxSections> Condition;
  int Count = 0;
};

// Splits `format` at ";" outside quotes, escapes and brackets, and reads the
// conditions against `x`. Text after a fourth ";" is ignored.
TFormatSections SplitSections(std::u16string_view format, double x);

struct TSectionChoice {
  int Index = -1;       // -1: no section renders the value
  bool Negate = false;  // print a negative value without its sign
};

TSectionChoice ChooseSection(const TFormatSections& sections, double x);

}  // namespace tabulon
