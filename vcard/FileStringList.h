// A line list read and written like a text file: the reader takes lines
// one by one, the writer builds a line in pieces and then ends it.
#pragma once

#include <string>
#include <string_view>

#include "vcard/StringList.h"

namespace tabulon {

class TFileStringList : public TStringList {
 public:
  // Back to the first line; drops an unfinished output line.
  void Reset() {
    fp = 0;
    cache.clear();
  }
  bool Eof() const { return fp >= Count(); }
  // The next line; the caller checks Eof first.
  void ReadLn(std::u16string& line) { line = Strings(fp++); }
  // Appends to the unfinished output line.
  void Write(std::u16string_view text) { cache += text; }
  // Ends the output line with `text` and adds it to the list.
  void WriteLn(std::u16string_view text) {
    cache += text;
    Add(std::move(cache));
    cache.clear();
  }

 private:
  int fp = 0;
  std::u16string cache;
};

}  // namespace tabulon
