#include "vcard/Encodings.h"

#include "platform/TextEncoding.h"

namespace tabulon {
namespace {

void ReplaceAll(std::u16string& text, std::u16string_view from, std::u16string_view to) {
  std::u16string out;
  out.reserve(text.size());
  size_t pos = 0;
  for (;;) {
    const size_t hit = text.find(from, pos);
    if (hit == std::u16string::npos) break;
    out.append(text, pos, hit - pos);
    out += to;
    pos = hit + from.size();
  }
  out.append(text, pos);
  text = std::move(out);
}

// Each replacement in turn, each over the whole text.
std::u16string Replaced(
    std::u16string_view text,
    std::initializer_list<std::pair<std::u16string_view, std::u16string_view>> replacements) {
  std::u16string out(text);
  for (const auto& [from, to] : replacements) ReplaceAll(out, from, to);
  return out;
}

bool Contains(std::u16string_view text, std::u16string_view word) {
  return text.find(word) != std::u16string_view::npos;
}

void AppendHexByte(std::u16string& out, uint8_t byte) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  out += u'=';
  out += kHex[byte >> 4];
  out += kHex[byte & 15];
}

// The bytes of one character (a surrogate pair counts as one) in `charset`.
std::string CharacterBytes(std::u16string_view character, TQPCharset charset) {
  return charset == qcUtf8 ? ToUtf8(character) : ToWindows1252(character);
}

size_t CharacterLength(std::u16string_view text, size_t pos) {
  const bool pair = pos + 1 < text.size() && text[pos] >= 0xD800 && text[pos] <= 0xDBFF &&
                    text[pos + 1] >= 0xDC00 && text[pos + 1] <= 0xDFFF;
  return pair ? 2 : 1;
}

std::u16string DecodeBytes(std::string_view bytes, TQPCharset charset) {
  switch (charset) {
    case qcUtf8: return FromUtf8(bytes);
    case qcWindows1252: return FromWindows1252(bytes);
    case qcLatin1: break;
  }
  return FromLatin1(bytes);
}

}  // namespace

std::u16string EscapeCommas(std::u16string_view text) { return Replaced(text, {{u",", u"\\,"}}); }

std::u16string QPEncodeBreaks(std::u16string_view text) {
  return Replaced(text, {{u"=", u"=3D"}, {u"\r", u"=0D"}, {u"\n", u"=0A"}});
}

std::u16string QPDecodeBreaks(std::u16string_view text) {
  return Replaced(text, {{u"=0D", u"\r"}, {u"=0A", u"\n"}, {u"=3D", u"="}});
}

TQPCharset ParseQPCharset(std::u16string_view params) {
  const std::u16string upper = AsciiUpper(params);
  const size_t at = upper.find(u"CHARSET=");
  if (at == std::u16string::npos) return qcLatin1;
  const size_t start = at + 8;
  const std::u16string name = upper.substr(start, upper.find(u';', start) - start);
  if (name == u"UTF-8") return qcUtf8;
  if (name == u"WINDOWS-1252" || name == u"ISO-8859-1") return qcWindows1252;
  return qcLatin1;
}

bool FitsWindows1252(std::u16string_view text) {
  for (char16_t c : text)
    if (!IsWindows1252Char(c)) return false;
  return true;
}

std::u16string QPEncode(std::u16string_view text, TQPCharset charset, bool softLineBreaks) {
  std::u16string out;
  int n = 0;
  bool soft = false;
  for (size_t pos = 0; pos < text.size();) {
    const size_t length = CharacterLength(text, pos);
    for (char ch : CharacterBytes(text.substr(pos, length), charset)) {
      const auto byte = static_cast<uint8_t>(ch);
      ++n;
      if (byte == ' ' || byte == '\t') {
        if (soft)
          AppendHexByte(out, byte);
        else
          out += static_cast<char16_t>(byte);
      } else if (byte == '\r' || byte == '\n') {
        AppendHexByte(out, byte);
        n = 0;
        soft = false;
      } else if ((byte >= 33 && byte <= 60) || (byte >= 62 && byte <= 126)) {
        out += static_cast<char16_t>(byte);
      } else {
        AppendHexByte(out, byte);
      }
    }
    pos += length;
    if (softLineBreaks && n > 76) {
      out += u"=\r\n";
      n = 0;
      soft = true;
    }
  }
  return out;
}

std::u16string QPDecode(std::u16string_view text, bool qp, TQPCharset charset) {
  if (!qp) return std::u16string(text);
  std::u16string out;
  std::string bytes;  // decoded bytes and ASCII waiting to be read in `charset`
  auto flush = [&] {
    out += DecodeBytes(bytes, charset);
    bytes.clear();
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'=') {
      if (i + 2 < text.size()) {
        bytes += static_cast<char>(HexToInt(text.substr(i + 1, 2)) & 0xFF);
        i += 2;
      }
    } else if (c < 0x80) {
      bytes += static_cast<char>(c);
    } else {
      flush();
      out += c;
    }
  }
  flush();
  return out;
}

uint32_t HexToInt(std::u16string_view text) {
  uint32_t value = 0;
  for (char16_t c : text) value = value * 16 + static_cast<uint32_t>(HexDigitValue(c));
  return value;
}

int HexDigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return 0;
}

std::u16string PrefParam(bool preferred, TvCardVersion version) {
  if (!preferred) return {};
  return version == vv21 ? u";PREF" : u";TYPE=PREF";
}

std::u16string FieldTypeText(TvFieldType type, TvCardVersion version) {
  std::u16string word = type == ftWork ? u"WORK" : type == ftHome ? u"HOME" : u"";
  switch (version) {
    case vvNone: return word.empty() ? u"OTHER" : word;
    case vv21: return word.empty() ? u"" : u";" + word;
    case vv30:
    case vv40: break;
  }
  return u";TYPE=" + word;
}

bool IsPreferred(std::u16string_view params) {
  return Contains(AsciiUpper(params), u"PREF");
}

TvFieldType ParseFieldType(std::u16string_view params) {
  const std::u16string upper = AsciiUpper(params);
  if (Contains(upper, u"HOME")) return ftHome;
  if (Contains(upper, u"WORK")) return ftWork;
  return ftOther;
}

TvPhoneTypes ParsePhoneTypes(std::u16string_view params) {
  std::u16string upper = AsciiUpper(params);
  TvPhoneTypes types;
  if (Contains(upper, u"TEXTPHONE")) {
    types.Include(ptTextPhone);
    ReplaceAll(upper, u"TEXTPHONE", u" ");
  }
  static constexpr struct {
    std::u16string_view word;
    TvPhoneType type;
  } kWords[] = {{u"TEXT", ptText},   {u"VOICE", ptVoice}, {u"FAX", ptFax},
                {u"CELL", ptCell},   {u"VIDEO", ptVideo}, {u"PAGER", ptPager}};
  for (const auto& w : kWords)
    if (Contains(upper, w.word)) types.Include(w.type);
  return types;
}

}  // namespace tabulon
