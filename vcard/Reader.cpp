#include "vcard/Reader.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/TextEncoding.h"
#include "vcard/Card.h"
#include "vcard/Encodings.h"
#include "vcard/ReaderLines.h"

namespace tabulon {
namespace {

constexpr size_t npos = std::u16string::npos;
constexpr size_t kMaxPhotoURL = 65535;

bool StartsWith(std::u16string_view text, std::u16string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool Contains(std::u16string_view text, std::u16string_view part) {
  return text.find(part) != npos;
}

std::u16string FromUtf16Bytes(std::string_view bytes, bool bigEndian) {
  std::u16string text;
  text.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto b0 = static_cast<uint8_t>(bytes[i]);
    const auto b1 = static_cast<uint8_t>(bytes[i + 1]);
    text += static_cast<char16_t>(bigEndian ? (b0 << 8 | b1) : (b1 << 8 | b0));
  }
  return text;
}

// The value of the LABEL parameter removed from a parameter text, so that
// label words ("Home", "Prefontaine St") say nothing about the address type.
std::u16string WithoutLabel(std::u16string_view params) {
  std::u16string out(params);
  const size_t start = AsciiUpper(out).find(u"LABEL=");
  if (start == npos) return out;
  size_t end = start + 6;
  if (end < out.size() && out[end] == u'"') {
    end = out.find(u'"', end + 1);
    end = end == npos ? out.size() : end + 1;
  } else {
    end = std::min(out.find(u';', end), out.size());
  }
  out.erase(start, end - start);
  return out;
}

// Splits a structured value at ";" into at most `count` components. A
// component is taken when a ";" follows it; the last one also when it is
// the text after exactly count - 1 semicolons.
std::vector<std::u16string> Components(std::u16string_view value, size_t count) {
  std::vector<std::u16string> parts;
  size_t pos = 0;
  while (parts.size() < count) {
    const size_t semicolon = value.find(u';', pos);
    if (semicolon == npos) {
      if (parts.size() == count - 1) parts.emplace_back(value.substr(pos));
      break;
    }
    parts.emplace_back(value.substr(pos, semicolon - pos));
    pos = semicolon + 1;
  }
  return parts;
}

class VCardReader {
 public:
  explicit VCardReader(TvCard& card) : FCard(card) {}

  void ReadLines(TFileStringList& lines) {
    lines.Reset();
    while (!lines.Eof()) {
      std::u16string line;
      lines.ReadLn(line);
      JoinSoftLineBreaks(lines, line);
      ReadLine(line);
    }
  }

 private:
  enum class PhotoState { None, Photo, PhotoURL };

  // A quoted-printable line that ends in "=" goes on in the next line (a
  // 2.1 soft line break).
  static void JoinSoftLineBreaks(TFileStringList& lines, std::u16string& line) {
    if (line.empty() || line.back() != u'=') return;
    if (!Contains(AsciiUpper(LineParams(line)), u"QUOTED-PRINTABLE")) return;
    while (!line.empty() && line.back() == u'=' && !lines.Eof()) {
      line.pop_back();
      std::u16string next;
      lines.ReadLn(next);
      line += next;
    }
  }

  // N, FN and ADR lines in quoted-printable are decoded whole by QPDecode;
  // decoding their line breaks beforehand would decode "=3D" twice.
  static bool DecodedByQPDecode(std::u16string_view line, std::u16string_view upper) {
    if (!Contains(line, u"=QUOTED")) return false;
    return StartsWith(upper, u"N;") || StartsWith(upper, u"N:") || StartsWith(line, u"FN;") ||
           IsAddressLine(upper);
  }

  // ADR, or a grouped address such as item1.ADR;... (the group being part
  // of the property name, before the value).
  static bool IsAddressLine(std::u16string_view upper) {
    if (StartsWith(upper, u"ADR")) return true;
    const size_t group = upper.find(u".ADR;");
    return group != npos && group < upper.find(u':');
  }

  void ReadLine(std::u16string_view raw) {
    std::u16string line(raw);
    std::u16string upper = AsciiUpper(line);
    if (!DecodedByQPDecode(line, upper)) {
      line = QPDecodeBreaks(line);
      upper = AsciiUpper(line);
    }
    bool photoStarted = false;

    const std::u16string compact = RemoveSpaces(upper);
    if (StartsWith(compact, u"BEGIN:VCARD")) {
      FContact = &FCard.vContacts().Add();
      FAddress = nullptr;
    }
    if (StartsWith(compact, u"END:VCARD")) {
      FContact = nullptr;
      FPhoto = PhotoState::None;
    }
    if (FContact) ReadIdentity(line, upper);

    ClearQP();
    if (StartsWith(upper, u"N;")) TakeParameters(line, upper, u"N:");
    if (FContact && StartsWith(upper, u"N:")) ReadName(line);

    ClearQP();
    if (StartsWith(line, u"FN;")) TakeParameters(line, upper, u"FN:");
    if (FContact) {
      if (StartsWith(line, u"FN:")) {
        FContact->SetFullName(QPDecode(LineValue(line), FQP, FCharset));
        FPhoto = PhotoState::None;
      }
      ReadProperties(line, upper);
      if (StartsWith(upper, u"PHOTO")) {
        ReadPhoto(line, upper);
        photoStarted = true;
      }
      ContinuePhoto(line, photoStarted);
    }
  }

  void ClearQP() {
    FQP = false;
    FCharset = qcLatin1;
  }

  // N;... or FN;...: note the quoted-printable flag and charset, then make
  // the line `bare` followed by its value.
  void TakeParameters(std::u16string& line, std::u16string& upper, std::u16string_view bare) {
    FQP = Contains(line, u"=QUOTED");
    FCharset = ParseQPCharset(LineParams(line));
    const size_t colon = line.find(u':');
    if (colon == npos) return;
    line = std::u16string(bare) + line.substr(colon + 1);
    upper = AsciiUpper(line);
  }

  void ReadIdentity(std::u16string_view line, std::u16string_view upper) {
    if (StartsWith(upper, u"VERSION")) {
      FContact->SetvCardVersion(Contains(line, u"3.0")   ? vv30
                                : Contains(line, u"4.0") ? vv40
                                                         : vv21);
      FPhoto = PhotoState::None;
    }
    if (StartsWith(upper, u"UID:")) {
      // UID:urn:uuid:1234 gives 1234.
      const std::u16string_view value = line.substr(4);
      const size_t colon = value.rfind(u':');
      FContact->SetID(std::u16string(colon == npos ? value : value.substr(colon + 1)));
      FPhoto = PhotoState::None;
    }
    if (StartsWith(upper, u"PRODID:")) FContact->SetProdID(std::u16string(line.substr(7)));
  }

  void ReadName(std::u16string_view line) {
    if (Contains(line, u"=QUOTED")) FQP = true;
    using Setter = void (TvContact::*)(std::u16string);
    static constexpr Setter kSetters[] = {&TvContact::SetLastName, &TvContact::SetFirstName,
                                          &TvContact::SetMiddleName, &TvContact::SetNamePrefix,
                                          &TvContact::SetNameSuffix};
    const auto parts = Components(line.substr(2), std::size(kSetters));
    for (size_t i = 0; i < parts.size(); ++i) {
      // Through a local: GCC 12's bounds sanitizer miscompiles a call
      // through an indexed array of member pointers.
      const Setter set = kSetters[i];
      (FContact->*set)(QPDecode(parts[i], FQP, FCharset));
    }
  }

  // Tests 10 to 27 of a line: each property that matches is stored and ends
  // the photo continuation.
  void ReadProperties(std::u16string_view line, std::u16string_view upper) {
    using Setter = void (TvContact::*)(std::u16string);
    static constexpr struct {
      std::u16string_view name;
      Setter set;
    } kTexts[] = {{u"NICKNAME", &TvContact::SetNickName},     {u"ORG", &TvContact::SetCompany},
                  {u"TITLE", &TvContact::SetJobTitle},        {u"ROLE", &TvContact::SetProfession},
                  {u"SOURCE", &TvContact::SetSource},         {u"SORT-STRING", &TvContact::SetSortString},
                  {u"TIMEZONE", &TvContact::SetTimeZone},     {u"URL", &TvContact::SetWebsiteURL}};
    for (const auto& text : kTexts) {
      if (!StartsWith(upper, text.name)) continue;
      (FContact->*text.set)(LineValue(line));
      FPhoto = PhotoState::None;
    }
    if (StartsWith(upper, u"BDAY")) {
      if (auto date = ParseDate(LineValue(line))) FContact->SetBirthDay(*date);
      FPhoto = PhotoState::None;
    }
    if (StartsWith(upper, u"CATEGORIES")) {
      // The raw value: the writer quotes a category holding a blank.
      FContact->Categories().SetCommaText(RawValue(line));
      FPhoto = PhotoState::None;
    }
    if (StartsWith(upper, u"GEO")) {
      if (auto position = ParsePosition(RawValue(line))) {
        FContact->GeoLocation().SetLatitude(position->Latitude);
        FContact->GeoLocation().SetLongitude(position->Longitude);
      }
      FPhoto = PhotoState::None;
    }
    if (StartsWith(upper, u"NOTE")) {
      FContact->Note().SetText(ReplaceEscapedBreaks(LineValue(line)));
      FPhoto = PhotoState::None;
    }
    if (StartsWith(upper, u"REV")) {
      if (auto time = ParseDateTime(LineValue(line))) FContact->SetUpdated(*time);
      FPhoto = PhotoState::None;
    }
    if (StartsWith(upper, u"EMAIL")) ReadEmail(line);
    if (StartsWith(upper, u"TEL")) ReadPhone(line);
    if (IsAddressLine(upper)) ReadAddress(line);
    if (StartsWith(upper, u"X-SOCIALPROFILE")) ReadSocialItem(line);
    if (StartsWith(upper, u"LABEL") && FAddress && FContact->vCardVersion() != vv40) {
      FAddress->MailingLabel().SetText(LineValue(line));
      FAddress = nullptr;
      FPhoto = PhotoState::None;
    }
  }

  // Every backslash-n becomes a line break.
  static std::u16string ReplaceEscapedBreaks(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == u'\\' && i + 1 < text.size() && text[i + 1] == u'n') {
        out += u'\r';
        ++i;
      } else {
        out += text[i];
      }
    }
    return out;
  }

  void ReadEmail(std::u16string_view line) {
    const std::u16string params = LineParams(line);
    TvEmail& email = FContact->Emails().Add();
    email.SetPreferred(IsPreferred(params));
    email.SetEmailType(ParseFieldType(params));
    email.SetEmailAddress(LineValue(line));
    FPhoto = PhotoState::None;
  }

  void ReadPhone(std::u16string_view line) {
    const std::u16string params = LineParams(line);
    TvPhone& phone = FContact->PhoneNumbers().Add();
    phone.SetPhoneNumber(LineValue(line));
    phone.SetPreferred(IsPreferred(params));
    phone.SetPhoneType(ParsePhoneTypes(params));
    phone.SetFieldType(ParseFieldType(params));
    FPhoto = PhotoState::None;
  }

  void ReadAddress(std::u16string_view line) {
    const std::u16string params = LineParams(line);
    FQP = Contains(line, u"=QUOTED");
    FCharset = ParseQPCharset(params);
    TvAddress& address = FContact->Addresses().Add();
    const std::u16string typeParams = WithoutLabel(params);
    address.SetPreferred(IsPreferred(typeParams));
    address.SetAddressType(ParseFieldType(typeParams));
    if (FContact->vCardVersion() == vv40) {
      std::u16string unquoted;
      for (char16_t c : params)
        if (c != u'"') unquoted += c;
      const size_t label = AsciiUpper(unquoted).find(u"LABEL");
      if (label != npos)
        address.MailingLabel().SetText(
            ReplaceEscapedBreaks(std::u16string_view(unquoted).substr(std::min(label + 6, unquoted.size()))));
    }
    using Setter = void (TvAddress::*)(std::u16string);
    static constexpr Setter kSetters[] = {&TvAddress::SetPOBox,  &TvAddress::SetNumber,
                                          &TvAddress::SetStreet, &TvAddress::SetCity,
                                          &TvAddress::SetRegion, &TvAddress::SetPostCode,
                                          &TvAddress::SetCountry};
    const size_t colon = line.find(u':');
    const auto parts = Components(colon == npos ? line : line.substr(colon + 1), std::size(kSetters));
    for (size_t i = 0; i < parts.size(); ++i) {
      const Setter set = kSetters[i];  // through a local, as in ReadName
      (address.*set)(QPDecode(parts[i], FQP, FCharset));
    }
    FAddress = &address;
    FPhoto = PhotoState::None;
  }

  // X-SOCIALPROFILE;type=SERVICE;x-user=USER:URI
  void ReadSocialItem(std::u16string_view line) {
    const std::u16string params = LineParams(line);
    const std::u16string upper = AsciiUpper(params);
    auto parameter = [&](std::u16string_view name) -> std::optional<std::u16string> {
      const size_t at = upper.find(name);
      if (at == npos) return std::nullopt;
      const size_t start = at + name.size();
      return params.substr(start, params.find(u';', start) - start);
    };
    TvSocialItem& item = FContact->SocialProfile().Add();
    if (auto service = parameter(u"TYPE=")) item.SetService(*service);
    if (auto user = parameter(u"X-USER=")) item.SetUser(*user);
    const size_t colon = line.find(u':');
    item.SetURI(colon == npos ? std::u16string() : std::u16string(line.substr(colon + 1)));
    FPhoto = PhotoState::None;
  }

  void ReadPhoto(std::u16string_view line, std::u16string_view upper) {
    const std::u16string params = AsciiUpper(LineParams(line));
    if (Contains(params, u"JPEG"))
      FContact->SetPhotoType(itJPEG);
    else if (Contains(params, u"GIF"))
      FContact->SetPhotoType(itGIF);
    else if (Contains(params, u"PNG"))
      FContact->SetPhotoType(itPNG);
    const size_t uri = upper.find(u"LUE=URI:");
    if (uri != npos) {
      FContact->SetPhotoEncoding(feExternalURL);
      FContact->SetPhotoURL(std::u16string(line.substr(uri + 8, kMaxPhotoURL)));
      FPhoto = PhotoState::PhotoURL;
    } else {
      FContact->SetPhotoEncoding(feInternalBase64);
      FContact->SetPhotoStr({});
      FPhoto = PhotoState::Photo;
    }
  }

  // Lines after a PHOTO line carry on its data. A line with a ":" that
  // doesn't begin with a blank is a property of its own and ends the photo
  // (base64 never holds a ":"); the PHOTO line itself brings its inline data.
  void ContinuePhoto(std::u16string_view line, bool photoStarted) {
    const bool hasColon = Contains(line, u":");
    const bool folded = !line.empty() && (line[0] == u' ' || line[0] == u'\t');
    if (!photoStarted && hasColon && !folded) FPhoto = PhotoState::None;
    if (FPhoto == PhotoState::PhotoURL && !hasColon) {
      FContact->AppendPhotoURL(Trim(line));
    } else if (FPhoto == PhotoState::Photo) {
      FContact->AppendPhotoStr(RawValue(line));
    }
  }

  TvCard& FCard;
  TvContact* FContact = nullptr;
  TvAddress* FAddress = nullptr;  // given a label by the next LABEL line
  bool FQP = false;
  TQPCharset FCharset = qcLatin1;
  PhotoState FPhoto = PhotoState::None;
};

}  // namespace

void LoadVCardLines(std::string_view bytes, TFileStringList& lines) {
  using namespace std::string_view_literals;
  const std::string_view utf8Bom = "\xEF\xBB\xBF"sv;
  const bool hasUtf8Bom = bytes.substr(0, 3) == utf8Bom;
  const std::string_view body = hasUtf8Bom ? bytes.substr(3) : bytes;
  if (IsValidUtf8(body)) {
    lines.SetText(FromUtf8(body));
    if (lines.Count() > 0) return;
  }
  if (hasUtf8Bom)
    lines.SetText(FromUtf8(body));
  else if (bytes.substr(0, 2) == "\xFF\xFE"sv)
    lines.SetText(FromUtf16Bytes(bytes.substr(2), false));
  else if (bytes.substr(0, 2) == "\xFE\xFF"sv)
    lines.SetText(FromUtf16Bytes(bytes.substr(2), true));
  else
    lines.SetText(FromWindows1252(bytes));
}

void ReadVCard(TvCard& card, std::string_view bytes) {
  const int firstNew = card.vContacts().Count();
  TFileStringList lines;
  LoadVCardLines(bytes, lines);
  VCardReader(card).ReadLines(lines);
  for (int i = firstNew; i < card.vContacts().Count(); ++i) card.vContacts().GetvContact(i).DecodePhoto();
}

}  // namespace tabulon
