// An ordered list of text lines, as the contact model keeps categories,
// notes and mailing labels. Its text form ends every line with CR LF; its
// comma form joins the lines with commas.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tabulon {

class TStringList {
 public:
  int Count() const { return static_cast<int>(FLines.size()); }
  // Line `index`; an index outside 0 to Count() - 1 raises EListError.
  const std::u16string& Strings(int index) const;
  const std::vector<std::u16string>& Lines() const { return FLines; }

  void Add(std::u16string line) { FLines.push_back(std::move(line)); }
  void Clear() { FLines.clear(); }
  void Assign(const TStringList& source) { FLines = source.FLines; }

  // Every line followed by CR LF; empty for an empty list.
  std::u16string Text() const;
  // Replaces the lines by those of `text`, split at CR LF, CR or LF. A line
  // break at the very end starts no further line.
  void SetText(std::u16string_view text);

  // The lines joined by ","; a line holding a blank, a comma or a double
  // quote is enclosed in double quotes, an inner quote doubled.
  std::u16string CommaText() const;
  // Replaces the lines by the entries of a comma text: entries are
  // separated by commas, blanks around an entry are dropped, and double
  // quotes group an entry ("" inside them is one quote).
  void SetCommaText(std::u16string_view text);

  bool operator==(const TStringList&) const = default;

 private:
  std::vector<std::u16string> FLines;
};

}  // namespace tabulon
