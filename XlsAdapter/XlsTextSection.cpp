#include "XlsAdapter/XlsTextSection.h"

#include "XlsAdapter/XlsFormatLexer.h"
#include "XlsAdapter/XlsFormatSections.h"

namespace tabulon {
namespace {

bool EqualsNoCase(std::u16string_view text, std::u16string_view upperWord) {
  return text.size() == upperWord.size() && ContainsNoCase(text, upperWord);
}

// A format without a text section shows the text as it is; the colour of a
// leading tag still applies when nothing or only "General" follows it.
void RenderWithoutTextSection(std::u16string_view text, std::u16string_view first, TXlsRendering& result) {
  result.Text = text;
  size_t pos = 0;
  int32_t color = 0;
  if (ReadColorTag(first, pos, color) && (pos == first.size() || EqualsNoCase(first.substr(pos), u"GENERAL")))
    result.Color = color;
}

}  // namespace

void RenderTextValue(std::u16string_view text, std::u16string_view format, TXlsRendering& result) {
  const TFormatSections sections = SplitSections(format, 0);
  std::u16string_view section;
  if (sections.Count >= 4) {
    section = sections.Text[3];
  } else if (sections.Text[0].find(u'@') != std::u16string_view::npos) {
    section = sections.Text[0];
  } else {
    RenderWithoutTextSection(text, sections.Text[0], result);
    return;
  }
  size_t pos = 0;
  int32_t color = 0;
  if (ReadColorTag(section, pos, color)) result.Color = color;
  std::u16string out;
  while (pos < section.size()) {
    const size_t start = pos;
    if (!ReadCurrencyTag(section, pos, out)) SkipBracket(section, pos);
    ReadLiteral(section, pos, out);
    if (pos < section.size() && section[pos] == u'@') {
      out += text;
      ++pos;
    }
    if (pos == start) {  // a character no step accepts
      result.Text = text;
      return;
    }
  }
  result.Text = std::move(out);
}

}  // namespace tabulon
