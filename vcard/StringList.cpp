#include "vcard/StringList.h"

#include <algorithm>

#include "vcard/Errors.h"

namespace tabulon {

const std::u16string& TStringList::Strings(int index) const {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
  return FLines[index];
}

std::u16string TStringList::Text() const {
  std::u16string text;
  for (const auto& line : FLines) {
    text += line;
    text += u"\r\n";
  }
  return text;
}

void TStringList::SetText(std::u16string_view text) {
  FLines.clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of(u"\r\n", start);
    if (end == std::u16string_view::npos) {
      FLines.emplace_back(text.substr(start));
      break;
    }
    FLines.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == u'\r' && start < text.size() && text[start] == u'\n') ++start;
  }
}

std::u16string TStringList::CommaText() const {
  std::u16string text;
  for (size_t i = 0; i < FLines.size(); ++i) {
    if (i > 0) text += u',';
    const std::u16string& line = FLines[i];
    if (line.find_first_of(u" ,\"") == std::u16string::npos) {
      text += line;
      continue;
    }
    text += u'"';
    for (char16_t c : line) {
      if (c == u'"') text += u'"';
      text += c;
    }
    text += u'"';
  }
  return text;
}

void TStringList::SetCommaText(std::u16string_view text) {
  FLines.clear();
  if (text.empty()) return;
  size_t pos = 0;
  for (;;) {
    while (pos < text.size() && text[pos] == u' ') ++pos;
    std::u16string entry;
    if (pos < text.size() && text[pos] == u'"') {
      ++pos;
      while (pos < text.size()) {
        if (text[pos] == u'"') {
          if (pos + 1 < text.size() && text[pos + 1] == u'"') {
            entry += u'"';
            pos += 2;
            continue;
          }
          ++pos;
          break;
        }
        entry += text[pos++];
      }
      // Anything between the closing quote and the next comma belongs to
      // the entry too.
      const size_t comma = std::min(text.find(u',', pos), text.size());
      entry += text.substr(pos, comma - pos);
      pos = comma;
    } else {
      const size_t comma = std::min(text.find(u',', pos), text.size());
      entry = text.substr(pos, comma - pos);
      pos = comma;
    }
    while (!entry.empty() && entry.back() == u' ') entry.pop_back();
    FLines.push_back(std::move(entry));
    if (pos >= text.size()) break;
    ++pos;  // the comma
  }
}

}  // namespace tabulon
