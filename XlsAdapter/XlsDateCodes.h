// The date-time codes of a format section (d, m, y, h, s, AM/PM, [h]...),
// found once before the section renders so that each code can be read in
// its context:
// - "m" or "mm" means minutes when the nearest code before it is "h", "hh"
//   or an hours bracket, or the nearest code after it is "s" or "ss";
//   otherwise, like "mmm" and longer, it means the month. ("mm:ss" is
//   minutes and seconds, "h:mm" hours and minutes, "mm/dd" month and day.)
// - An AM/PM or A/P element anywhere in the section puts every hour of the
//   section on the 12-hour clock.
// Quoted text, escaped characters and brackets other than elapsed-time ones
// hold no codes; everything between codes is skipped.
#pragma once

#include <string_view>
#include <vector>

namespace tabulon {

enum class TDateCodeKind { Year, Month, Day, Hour, Minute, Second, AmPm, ElapsedHours, Other };

struct TDateCode {
  size_t Pos = 0;
  size_t Length = 0;
  TDateCodeKind Kind = TDateCodeKind::Other;
};

class TDateCodes {
 public:
  explicit TDateCodes(std::u16string_view section);

  // The code that starts at `pos`, or nullptr.
  const TDateCode* At(size_t pos) const;
  bool HasAmPm() const { return hasAmPm_; }

 private:
  void Add(size_t pos, size_t length, TDateCodeKind kind);
  void ResolveMinutes();

  std::vector<TDateCode> codes_;  // by position
  bool hasAmPm_ = false;
};

}  // namespace tabulon
