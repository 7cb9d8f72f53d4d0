#include "platform/StrftimePattern.h"

#include <cctype>

#include "platform/TextEncoding.h"

namespace tabulon {
namespace {

// One conversion "%<flags><width><E|O><letter>" starting at a '%'.
struct Conversion {
  char Letter = 0;  // 0 when the format ends inside the conversion
  size_t End = 0;   // just past it
  bool Unpadded = false;  // the "-" flag: no leading zero
};

Conversion ReadConversion(std::string_view format, size_t pos) {
  size_t i = pos + 1;
  bool unpadded = false;
  while (i < format.size() && std::string_view("_-0^#").find(format[i]) != std::string_view::npos)
    unpadded |= format[i++] == '-';
  while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]))) ++i;
  if (i < format.size() && (format[i] == 'E' || format[i] == 'O')) ++i;
  if (i >= format.size()) return {0, format.size()};
  return {format[i], i + 1, unpadded};
}

// The pattern text for one conversion letter; empty for those a pattern
// cannot show.
std::string_view PatternOfConversion(char letter) {
  switch (letter) {
    case 'a': return "ddd";
    case 'A': return "dddd";
    case 'b':
    case 'h': return "mmm";
    case 'B': return "mmmm";
    case 'c': return "c";
    case 'd': return "dd";
    case 'e': return "d";
    case 'H':
    case 'I': return "hh";
    case 'k':
    case 'l': return "h";
    case 'm': return "mm";
    case 'M': return "nn";
    case 'n':
    case 't': return " ";
    case 'p':
    case 'P': return "ampm";
    case 'S': return "ss";
    case 'x': return "ddddd";
    case 'X': return "tt";
    case 'y': return "yy";
    case 'Y': return "yyyy";
    case '%': return "%";
    default: return {};
  }
}

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Literal text of a strftime format, quoted where a pattern would read it
// as an element: letters go in double quotes, a double quote in single ones.
void AppendLiteral(std::string& out, std::string_view literal) {
  size_t i = 0;
  while (i < literal.size()) {
    if (IsAsciiLetter(literal[i])) {
      size_t j = i;
      while (j < literal.size() && IsAsciiLetter(literal[j])) ++j;
      out += '"';
      out += literal.substr(i, j - i);
      out += '"';
      i = j;
    } else {
      if (literal[i] == '"') {
        out += "'\"'";
      } else if (literal[i] == '\'') {
        out += "\"'\"";
      } else {
        out += literal[i];
      }
      ++i;
    }
  }
}

}  // namespace

std::string ExpandStrftime(std::string_view format, std::string_view ampmFormat) {
  std::string out;
  size_t i = 0;
  while (i < format.size()) {
    if (format[i] != '%') {
      out += format[i++];
      continue;
    }
    const Conversion c = ReadConversion(format, i);
    switch (c.Letter) {
      case 'T': out += "%H:%M:%S"; break;
      case 'R': out += "%H:%M"; break;
      case 'D': out += "%m/%d/%y"; break;
      case 'F': out += "%Y-%m-%d"; break;
      case 'r': out += ampmFormat.empty() ? std::string_view("%I:%M:%S %p") : ampmFormat; break;
      default: out += format.substr(i, c.End - i);
    }
    i = c.End;
  }
  return out;
}

std::u16string PatternFromStrftime(std::string_view format) {
  std::string out;
  size_t i = 0;
  while (i < format.size()) {
    if (format[i] == '%') {
      const Conversion c = ReadConversion(format, i);
      std::string_view pattern = PatternOfConversion(c.Letter);
      // "%-d": "d" rather than "dd".
      if (c.Unpadded && pattern.size() == 2 && pattern[0] == pattern[1]) pattern.remove_suffix(1);
      out += pattern;
      i = c.End;
      continue;
    }
    const size_t next = format.find('%', i);
    const size_t end = next == std::string_view::npos ? format.size() : next;
    AppendLiteral(out, format.substr(i, end - i));
    i = end;
  }
  return FromUtf8(out);
}

std::string SeparatorOfStrftime(std::string_view format) {
  const size_t first = format.find('%');
  if (first == std::string_view::npos) return {};
  const size_t after = ReadConversion(format, first).End;
  if (after >= format.size() || format[after] == '%') return {};
  // One UTF-8 character: the lead byte and its continuation bytes.
  size_t end = after + 1;
  while (end < format.size() && (static_cast<unsigned char>(format[end]) & 0xC0) == 0x80) ++end;
  return std::string(format.substr(after, end - after));
}

std::string WithoutSeconds(std::string_view format) {
  size_t literalStart = 0;  // where the literal text before a conversion starts
  size_t i = 0;
  while (i < format.size()) {
    if (format[i] != '%') {
      ++i;
      continue;
    }
    const Conversion c = ReadConversion(format, i);
    if (c.Letter == 'S') {
      std::string out(format.substr(0, literalStart));
      out += format.substr(c.End);
      return out;
    }
    i = literalStart = c.End;
  }
  return std::string(format);
}

}  // namespace tabulon
