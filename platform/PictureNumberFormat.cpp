#include "platform/PictureNumberFormat.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstdlib>

#include "platform/DecimalDigits.h"
#include "platform/GeneralNumberText.h"

namespace tabulon {
namespace {

// Without exponent notation, values with this many integer digits or more
// print in the general form.
constexpr int kMaxPlainExponent = 18;
constexpr int kMaxExponentDigits = 4;

enum class ElementKind { Zero, Hash, Point, Comma, Exponent, Literal };

struct Element {
  ElementKind Kind = ElementKind::Literal;
  std::u16string_view Text;  // a literal's text; the "E+" of an exponent
  int ExponentDigits = 0;
};

// Reads a picture element by element. After an exponent everything is
// literal; so is every "." after the first.
class PictureReader {
 public:
  explicit PictureReader(std::u16string_view picture) : picture_(picture) {}

  bool Next(Element& e) {
    if (pos_ >= picture_.size()) return false;
    const char16_t c = picture_[pos_];
    if (c == u'"' || c == u'\'') {
      const size_t close = std::min(picture_.find(c, pos_ + 1), picture_.size());
      e = {ElementKind::Literal, picture_.substr(pos_ + 1, close - pos_ - 1)};
      pos_ = std::min(close + 1, picture_.size());
      return true;
    }
    if (!seenExponent_) {
      if (c == u'0' || c == u'#') return Take(e, c == u'0' ? ElementKind::Zero : ElementKind::Hash, 1);
      if (c == u'.' && !seenPoint_) {
        seenPoint_ = true;
        return Take(e, ElementKind::Point, 1);
      }
      if (c == u',') return Take(e, ElementKind::Comma, 1);
      if (IsExponentAt(pos_)) {
        size_t end = pos_ + 2;
        while (end < picture_.size() && picture_[end] == u'0') ++end;
        e = {ElementKind::Exponent, picture_.substr(pos_, 2),
             static_cast<int>(std::min<size_t>(end - pos_ - 2, kMaxExponentDigits))};
        seenExponent_ = true;
        pos_ = end;
        return true;
      }
    }
    return Take(e, ElementKind::Literal, 1);
  }

 private:
  bool Take(Element& e, ElementKind kind, size_t length) {
    if (kind == ElementKind::Zero || kind == ElementKind::Hash) seenPlaceholder_ = true;
    e = {kind, picture_.substr(pos_, length)};
    pos_ += length;
    return true;
  }

  bool IsExponentAt(size_t i) const {
    return seenPlaceholder_ && (picture_[i] == u'E' || picture_[i] == u'e') &&
           i + 2 < picture_.size() && (picture_[i + 1] == u'+' || picture_[i + 1] == u'-') &&
           picture_[i + 2] == u'0';
  }

  std::u16string_view picture_;
  size_t pos_ = 0;
  bool seenPlaceholder_ = false;
  bool seenPoint_ = false;
  bool seenExponent_ = false;
};

// What a picture asks for, read before printing.
struct Layout {
  int IntegerPlaceholders = 0;
  int FractionPlaceholders = 0;
  int LastFractionZero = -1;  // index of the last "0" after the point
  std::bitset<kMaxPictureLength> IntegerIsZero;  // "0" rather than "#", by index
  bool IntegerHasHash = false;
  bool Grouping = false;
  bool Exponent = false;

  bool HasPlaceholders() const { return IntegerPlaceholders + FractionPlaceholders > 0; }
};

Layout ReadLayout(std::u16string_view picture) {
  Layout layout;
  PictureReader reader(picture);
  Element e;
  bool afterPoint = false;
  while (reader.Next(e)) {
    switch (e.Kind) {
      case ElementKind::Zero:
      case ElementKind::Hash:
        if (afterPoint) {
          if (e.Kind == ElementKind::Zero) layout.LastFractionZero = layout.FractionPlaceholders;
          ++layout.FractionPlaceholders;
        } else {
          layout.IntegerHasHash |= e.Kind == ElementKind::Hash;
          layout.IntegerIsZero[layout.IntegerPlaceholders++] = e.Kind == ElementKind::Zero;
        }
        break;
      case ElementKind::Point: afterPoint = true; break;
      case ElementKind::Comma: layout.Grouping = true; break;
      case ElementKind::Exponent: layout.Exponent = true; break;
      case ElementKind::Literal: break;
    }
  }
  return layout;
}

// The rounded digits to print: the first IntegerDigits of Digits go before
// the point, fraction digit j is Digits.At(FractionStart + j).
struct Number {
  TDecimalDigits Digits;
  int IntegerDigits = 0;
  int FractionStart = 0;
  int Exponent = 0;  // exponent notation only
};

Number PlainNumber(const TDecimalDigits& digits, const Layout& layout) {
  Number n{digits};
  RoundDigits(n.Digits, n.Digits.Exponent + layout.FractionPlaceholders);
  n.IntegerDigits = std::max(n.Digits.Exponent, 0);
  n.FractionStart = n.Digits.Exponent;
  return n;
}

Number ScientificNumber(const TDecimalDigits& digits, const Layout& layout) {
  const int places = layout.IntegerPlaceholders;
  const bool engineering = places > 1 && layout.IntegerHasHash;
  // Integer digits of the mantissa for a value of decimal exponent e.
  const auto integerDigits = [&](int e) {
    return engineering ? ((e - 1) % places + places) % places + 1 : places;
  };
  Number n{digits};
  if (digits.IsZero()) return n;
  RoundDigits(n.Digits, integerDigits(digits.Exponent) + layout.FractionPlaceholders);
  // A carry (99.96 to 100.0) leaves a power of ten, which any number of
  // integer digits shows exactly: take those of its new exponent.
  const int k = integerDigits(n.Digits.Exponent);
  n.IntegerDigits = n.FractionStart = k;
  n.Exponent = n.Digits.IsZero() ? 0 : n.Digits.Exponent - k;
  return n;
}

std::u16string LiteralsOnly(std::u16string_view picture) {
  std::u16string out;
  PictureReader reader(picture);
  Element e;
  while (reader.Next(e)) out += e.Text;
  return out;
}

// Prints the elements of a picture with placeholders.
class PicturePrinter {
 public:
  PicturePrinter(const Layout& layout, const Number& number, const TLocaleSettings& settings)
      : layout_(layout), number_(number), settings_(settings) {
    for (int p = 0; p < layout.IntegerPlaceholders; ++p) {
      const auto [from, to] = IntegerRange(p);
      printedIntegerDigits_ += to > from ? to - from : layout.IntegerIsZero[p];
    }
    int lastNonZero = -1;
    for (int j = 0; j < layout.FractionPlaceholders; ++j)
      if (number.Digits.At(number.FractionStart + j) != '0') lastNonZero = j;
    lastVisibleFraction_ = std::max(lastNonZero, layout.LastFractionZero);
  }

  void Print(std::u16string_view picture, std::u16string& out) {
    PictureReader reader(picture);
    Element e;
    while (reader.Next(e)) {
      switch (e.Kind) {
        case ElementKind::Zero:
        case ElementKind::Hash:
          if (inFraction_) {
            PrintFractionPlaceholder(out);
          } else {
            PrintIntegerPlaceholder(out);
          }
          break;
        case ElementKind::Point:
          PrintIntegerDigitsIfNoPlaceholders(out);
          inFraction_ = true;
          if (lastVisibleFraction_ >= 0) out += settings_.DecimalSeparator;
          break;
        case ElementKind::Comma: break;
        case ElementKind::Exponent:
          PrintIntegerDigitsIfNoPlaceholders(out);
          PrintExponent(e, out);
          break;
        case ElementKind::Literal: out += e.Text; break;
      }
    }
    PrintIntegerDigitsIfNoPlaceholders(out);
  }

 private:
  // The integer digits placeholder p prints, as a range of digit indexes:
  // its own digit, and for the first placeholder every digit left over.
  std::pair<int, int> IntegerRange(int p) const {
    const int own = number_.IntegerDigits - layout_.IntegerPlaceholders + p;
    if (own < 0) return {0, 0};
    return {p == 0 ? 0 : own, own + 1};
  }

  void PrintDigit(char digit, std::u16string& out) {
    if (layout_.Grouping && printed_ > 0 && (printedIntegerDigits_ - printed_) % 3 == 0)
      out += settings_.ThousandsSeparator;
    out += static_cast<char16_t>(digit);
    ++printed_;
  }

  void PrintIntegerPlaceholder(std::u16string& out) {
    const int p = placeholder_++;
    const auto [from, to] = IntegerRange(p);
    for (int i = from; i < to; ++i) PrintDigit(number_.Digits.At(i), out);
    if (from == to && layout_.IntegerIsZero[p]) PrintDigit('0', out);
  }

  void PrintIntegerDigitsIfNoPlaceholders(std::u16string& out) {
    if (layout_.IntegerPlaceholders > 0 || integersDone_) return;
    integersDone_ = true;
    for (int i = 0; i < number_.IntegerDigits; ++i) PrintDigit(number_.Digits.At(i), out);
  }

  void PrintFractionPlaceholder(std::u16string& out) {
    const int j = fraction_++;
    if (j <= lastVisibleFraction_) out += static_cast<char16_t>(number_.Digits.At(number_.FractionStart + j));
  }

  void PrintExponent(const Element& e, std::u16string& out) const {
    out += e.Text[0];
    if (number_.Exponent < 0) {
      out += u'-';
    } else if (e.Text[1] == u'+') {
      out += u'+';
    }
    const std::string digits = std::to_string(std::abs(number_.Exponent));
    if (static_cast<int>(digits.size()) < e.ExponentDigits)
      out.append(e.ExponentDigits - digits.size(), u'0');
    for (const char c : digits) out += static_cast<char16_t>(c);
  }

  const Layout& layout_;
  const Number& number_;
  const TLocaleSettings& settings_;
  int printedIntegerDigits_ = 0;
  int lastVisibleFraction_ = -1;
  int placeholder_ = 0;
  int fraction_ = 0;
  int printed_ = 0;
  bool inFraction_ = false;
  bool integersDone_ = false;
};

}  // namespace

std::u16string FormatPictureNumber(std::u16string_view picture, double value,
                                   const TLocaleSettings& settings) {
  if (picture.size() > kMaxPictureLength) throw ENumberFormatError("Number format too long");
  const Layout layout = ReadLayout(picture);
  if (!layout.HasPlaceholders()) return LiteralsOnly(picture);
  if (!std::isfinite(value)) return GeneralNumberText(value, settings);
  const TDecimalDigits digits = DecimalDigitsOf(value);
  if (!layout.Exponent && digits.Exponent >= kMaxPlainExponent) return GeneralNumberText(value, settings);
  const Number number = layout.Exponent ? ScientificNumber(digits, layout) : PlainNumber(digits, layout);
  std::u16string out;
  if (value < 0) out += u'-';
  PicturePrinter(layout, number, settings).Print(picture, out);
  return out;
}

}  // namespace tabulon
