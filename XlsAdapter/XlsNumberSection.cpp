#include "XlsAdapter/XlsNumberSection.h"

#include <cmath>
#include <optional>

#include "XlsAdapter/XlsDateCodes.h"
#include "XlsAdapter/XlsFormatLexer.h"
#include "platform/DateTimePattern.h"
#include "platform/GeneralNumberText.h"
#include "platform/PictureNumberFormat.h"

namespace tabulon {
namespace {

// Days from 30 December 1899 to 1 January 1904.
constexpr double kDays1904 = 1462;

// Characters a date run starts on and goes on with (upper-cased; and "\").
constexpr std::u16string_view kDateRunSet = u"./:ACDHMNPQSTWY\\";
// Characters a number run starts on and goes on with.
constexpr std::u16string_view kNumberRunSet = u" \"#%*+,-.0?E\\e";

bool InDateRunSet(char16_t c) {
  return c < 0xFF && kDateRunSet.find(AsciiUpperChar(c)) != std::u16string_view::npos;
}

bool InNumberRunSet(char16_t c) { return c < 0xFF && kNumberRunSet.find(c) != std::u16string_view::npos; }

// Appends `text` so that the formatters print it as it is: in double quotes,
// a double quote itself in single ones.
void AppendQuoted(std::u16string& out, std::u16string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    const size_t quote = std::min(text.find(u'"', i), text.size());
    if (quote > i) {
      out += u'"';
      out += text.substr(i, quote - i);
      out += u'"';
    }
    if (quote < text.size()) out += u"'\"'";
    i = quote + 1;
  }
}

class NumberSectionRenderer {
 public:
  NumberSectionRenderer(std::u16string_view section, double x, bool negate, const TNumberRendering& how,
                        TXlsRendering& result)
      : s_(section), x_(x), negate_(negate), how_(how), result_(result) {}

  void Render() {
    int32_t color = 0;
    if (ReadColorTag(s_, pos_, color)) result_.Color = color;
    while (pos_ < s_.size()) {
      const size_t start = pos_;
      std::u16string literal;
      if (ReadCurrencyTag(s_, pos_, literal)) AddLiteral(literal);
      ReadElapsedTime();
      SkipBracket(s_, pos_);
      literal.clear();
      if (ReadLiteral(s_, pos_, literal)) AddLiteral(literal);
      ReadDateRun();
      ReadNumberRun();
      if (pos_ == start) {  // a character no step accepts
        result_.Text = GeneralNumberText(negate_ && x_ < 0 ? -x_ : x_, how_.Settings);
        return;
      }
    }
    FlushPicture();
    result_.Text = std::move(out_);
  }

 private:
  // "[h]", "[mm]", "[ss]": the whole hours, minutes or seconds of the value.
  void ReadElapsedTime() {
    char16_t letter = 0;
    size_t letters = 0;
    if (!ReadElapsedBracket(s_, pos_, letter, letters)) return;
    FlushPicture();
    const double factor = letter == u'H' ? 24 : letter == u'M' ? 1440 : 86400;
    out_ += FormatPictureNumber(std::u16string(letters, u'0'), std::trunc(x_ * factor), how_.Settings);
    result_.HasTime = true;
    literalsOnly_ = false;
  }

  void ReadDateRun() {
    if (pos_ >= s_.size() || !InDateRunSet(s_[pos_])) return;
    FlushPicture();
    if (!codes_) codes_.emplace(s_);  // most sections have no date run
    std::u16string pattern;
    while (pos_ < s_.size() && InDateRunSet(s_[pos_])) {
      if (s_[pos_] == u'\\') {
        if (pos_ + 1 >= s_.size()) {  // nothing to escape: the run is dropped
          pos_ = s_.size();
          return;
        }
        AppendQuoted(pattern, s_.substr(pos_ + 1, 1));
        pos_ += 2;
      } else if (const TDateCode* code = codes_->At(pos_)) {
        AppendDateCode(*code, pattern);
      } else {
        pattern += s_[pos_++];
      }
    }
    if (!pattern.empty()) AppendDateTimeText(pattern, x_, codes_->HasAmPm(), how_, out_);
    literalsOnly_ = false;
  }

  void AppendDateCode(const TDateCode& code, std::u16string& pattern) {
    const std::u16string_view text = s_.substr(code.Pos, code.Length);
    pos_ = code.Pos + code.Length;
    switch (code.Kind) {
      case TDateCodeKind::AmPm:
        pattern += code.Length == 5 ? std::u16string_view(u"ampm") : text;
        result_.HasTime = true;
        return;
      case TDateCodeKind::Month: pattern.append(code.Length, u'm'); result_.HasDate = true; return;
      case TDateCodeKind::Minute: pattern.append(code.Length, u'n'); result_.HasTime = true; return;
      case TDateCodeKind::Second:
        pattern += text;
        result_.HasTime = true;
        AppendFractionOfSecond(pattern);
        return;
      case TDateCodeKind::Hour: pattern += text; result_.HasTime = true; return;
      case TDateCodeKind::Day:
      case TDateCodeKind::Year: pattern += text; result_.HasDate = true; return;
      case TDateCodeKind::ElapsedHours:  // never inside a run
      case TDateCodeKind::Other:
        pattern += text;
        if (AsciiUpperChar(text[0]) == u'C') result_.HasDate = true;
        if (AsciiUpperChar(text[0]) == u'N') result_.HasTime = true;
        return;
    }
  }

  // "ss.0", "ss,00": tenths or hundredths of the second after the seconds,
  // with the locale's decimal separator.
  void AppendFractionOfSecond(std::u16string& pattern) {
    if (pos_ + 1 >= s_.size() || (s_[pos_] != u'.' && s_[pos_] != u',') || s_[pos_ + 1] != u'0') return;
    size_t end = pos_ + 1;
    while (end < s_.size() && s_[end] == u'0') ++end;
    AppendQuoted(pattern, how_.Settings.DecimalSeparator);
    pattern.append(std::min<size_t>(end - pos_ - 1, 3), u'z');
    pos_ = end;
  }

  void ReadNumberRun() {
    if (pos_ >= s_.size() || !InNumberRunSet(s_[pos_])) return;
    std::u16string picture;
    int percents = 0;
    bool hasPlaceholders = false;
    while (pos_ < s_.size() && InNumberRunSet(s_[pos_])) {
      const char16_t c = s_[pos_];
      if (c == u'"') {  // quoted text: printed as it is, the run goes on after it
        const size_t close = std::min(s_.find(u'"', pos_ + 1), s_.size());
        std::u16string text;
        for (const char16_t t : s_.substr(pos_ + 1, close - pos_ - 1))
          if (t != u'\\') text += t;
        AppendQuoted(picture, text);
        pos_ = close + 1;
      } else if (c == u'\\' || c == u'*') {
        if (pos_ + 1 < s_.size()) AppendQuoted(picture, s_.substr(pos_ + 1, 1));
        pos_ += 2;
      } else {
        if (c == u'%') ++percents;
        hasPlaceholders |= c == u'0' || c == u'#' || c == u'?';
        picture += c == u'?' ? u'#' : c;
        ++pos_;
      }
    }
    pos_ = std::min(pos_, s_.size());
    AddPicture(picture, percents, hasPlaceholders);
  }

  // Number runs with only literals between them make one picture: the value
  // is printed once, its digits filling the placeholders across the literals
  // ("(###) ###-####"). Literals wait here until the next run or the end.
  void AddLiteral(std::u16string_view text) {
    if (picturePending_) {
      pendingLiterals_ += text;
    } else {
      out_ += text;
    }
  }

  void AddPicture(std::u16string_view run, int percents, bool hasPlaceholders) {
    if (!picturePending_) {
      picturePending_ = true;
      picture_.clear();
      pictureValue_ = x_;
      pictureHasPlaceholders_ = false;
    } else {
      AppendQuoted(picture_, pendingLiterals_);
      pendingLiterals_.clear();
    }
    picture_ += run;
    for (int i = 0; i < percents; ++i) pictureValue_ *= 100;
    pictureHasPlaceholders_ |= hasPlaceholders;
  }

  void FlushPicture() {
    if (!picturePending_) return;
    picturePending_ = false;
    double value = pictureValue_;
    if (negate_ && value < 0) value = -value;
    // A minus sign goes in front of the literals that lead the section:
    // "-$2.25", not "$-2.25".
    if (value < 0 && pictureHasPlaceholders_ && literalsOnly_) {
      out_.insert(0, 1, u'-');
      value = -value;
    }
    out_ += FormatPictureNumber(picture_, value, how_.Settings);
    out_ += pendingLiterals_;
    pendingLiterals_.clear();
    literalsOnly_ &= !pictureHasPlaceholders_;
  }

  const std::u16string_view s_;
  const double x_;
  const bool negate_;
  const TNumberRendering& how_;
  TXlsRendering& result_;
  std::optional<TDateCodes> codes_;
  size_t pos_ = 0;
  std::u16string out_;
  bool literalsOnly_ = true;  // out_ holds nothing but literal text

  bool picturePending_ = false;
  std::u16string picture_;
  std::u16string pendingLiterals_;
  double pictureValue_ = 0;
  bool pictureHasPlaceholders_ = false;
};

}  // namespace

void RenderNumberSection(std::u16string_view section, double x, bool negate,
                         const TNumberRendering& how, TXlsRendering& result) {
  NumberSectionRenderer(section, x, negate, how, result).Render();
}

void AppendDateTimeText(std::u16string_view pattern, double x, bool twelveHourClock,
                        const TNumberRendering& how, std::u16string& out) {
  const double day = how.Dates1904 ? x + kDays1904 : x;
  if (!TryFormatDateTimePattern(pattern, day, how.Settings, out, twelveHourClock)) out += u"##";
}

}  // namespace tabulon
