#include "XlsAdapter/XlsFormatSections.h"

#include <optional>
#include <string>

#include "platform/PlainDecimal.h"

namespace tabulon {
namespace {

// A condition's number: a plain decimal with "." whatever the locale, blanks
// around it allowed.
std::optional<double> ReadPlainNumber(std::u16string_view text) {
  while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
  std::string ascii;
  for (const char16_t c : text) {
    if (c > 0x7F) return std::nullopt;
    ascii += static_cast<char>(c);
  }
  return ParsePlainDecimal(ascii);
}

// Reads the condition in the bracket whose text starts at `pos` (just after
// the "["). Leaves `condition` alone when the bracket is no condition.
void ReadCondition(std::u16string_view format, size_t pos, double x, TSectionCondition& condition) {
  std::u16string_view op;
  for (const std::u16string_view candidate : {u"<=", u"<>", u">=", u"<", u">", u"="}) {
    if (format.substr(pos).starts_with(candidate)) {
      op = candidate;
      break;
    }
  }
  if (op.empty()) return;
  const size_t close = format.find(u']', pos);
  if (close == std::u16string_view::npos) return;
  const std::optional<double> f = ReadPlainNumber(format.substr(pos + op.size(), close - pos - op.size()));
  if (!f) return;
  const double v = *f;
  bool satisfied;
  TSectionCondition c;
  if (op == u"<" || op == u"<=") {
    satisfied = op == u"<" ? x < v : x <= v;
    c.NegateIfChosen = v <= 0;
    c.NegateAsSecond = true;
  } else if (op == u"<>") {
    satisfied = x != v;
    c.NegateAsSecond = true;
  } else if (op == u"=") {
    satisfied = x == v;
    c.NegateIfChosen = true;
  } else {  // ">" or ">="
    satisfied = op == u">" ? x > v : x >= v;
    c.NegateAsSecond = v <= 0;
  }
  c.HasCondition = true;
  c.NotSatisfied = !satisfied;
  condition = c;
}

}  // namespace

TFormatSections SplitSections(std::u16string_view format, double x) {
  TFormatSections sections;
  size_t start = 0;
  size_t pos = 0;
  bool quoted = false;
  while (pos < format.size()) {
    const char16_t c = format[pos];
    if (c == u'"') {
      quoted = !quoted;
      ++pos;
    } else if (quoted) {
      ++pos;
    } else if (c == u'\\') {
      pos += 2;
    } else if (c == u'[') {
      if (format.size() - pos - 1 >= 3) ReadCondition(format, pos + 1, x, sections.Condition[sections.Count]);
      const size_t close = format.find(u']', pos);
      pos = close == std::u16string_view::npos ? format.size() : close + 1;
    } else if (c == u';') {
      sections.Text[sections.Count++] = format.substr(start, pos - start);
      start = ++pos;
      if (sections.Count == TFormatSections::kMaxSections) return sections;
    } else {
      ++pos;
    }
  }
  sections.Text[sections.Count++] = format.substr(std::min(start, format.size()));
  return sections;
}

TSectionChoice ChooseSection(const TFormatSections& s, double x) {
  const int count = s.Count;
  const auto& cond = s.Condition;
  TSectionChoice choice;
  const auto satisfied = [&](int i) { return cond[i].HasCondition && !cond[i].NotSatisfied; };
  int first = -1;
  for (int i = 0; i < count && first < 0; ++i)
    if (satisfied(i)) first = i;
  if (first >= 0) {
    choice = {first, cond[first].NegateIfChosen};
  } else if (!cond[0].HasCondition && (x > 0 || count == 1 || (x == 0 && count == 2))) {
    choice = {0, false};
  } else if (!cond[1].HasCondition && (x < 0 || count <= 2)) {
    choice = {1, count == 2 && cond[0].HasCondition ? cond[0].NegateAsSecond : true};
  } else {
    choice = {cond[2].HasCondition ? 3 : 2, false};
  }
  if (choice.Index >= count) choice.Index = -1;
  return choice;
}

}  // namespace tabulon
