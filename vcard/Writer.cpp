#include "vcard/Writer.h"

#include <charconv>
#include <cmath>

#include "platform/DateTime.h"
#include "platform/Printf.h"
#include "platform/TextEncoding.h"
#include "vcard/Card.h"
#include "vcard/Encodings.h"
#include "vcard/Errors.h"

namespace tabulon {
namespace {

// A value written on its line unencoded: a line break (CR LF, CR or LF)
// inside it would start a bogus property line, so each becomes one blank.
std::u16string OneLine(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' || text[i] == u'\n') {
      if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      out += u' ';
    } else {
      out += text[i];
    }
  }
  return out;
}

// The lines of a list, each followed by the two characters backslash and
// n; a line break inside a line is written the same way.
std::u16string EscapedLines(const TStringList& list) {
  std::u16string out;
  for (const auto& line : list.Lines()) {
    TStringList parts;
    parts.SetText(line);
    if (parts.Count() == 0) parts.Add(u"");
    for (const auto& part : parts.Lines()) out += part + u"\\n";
  }
  return out;
}

bool IsBlank(std::u16string_view text) {
  for (char16_t c : text)
    if (c > u' ') return false;
  return true;
}

std::u16string Ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

DateTimeFields DecodeOrThrow(TDateTime value) {
  DateTimeFields f;
  if (!TryDecodeDateTime(value, f)) throw EvCardError(Printf("Invalid date-time value %g", value));
  return f;
}

// 2020-12-26T20:39:28Z: the time as given, marked "Z".
std::u16string FormatTimestamp(TDateTime value) {
  const DateTimeFields f = DecodeOrThrow(value);
  return Ascii(Printf("%d-%02d-%02dT%02d:%02d:%02dZ", f.Year, f.Month, f.Day, f.Hour, f.Minute,
                      f.Second));
}

std::u16string FormatDate(TDateTime value) {
  const DateTimeFields f = DecodeOrThrow(value);
  return Ascii(Printf("%04d%02d%02d", f.Year, f.Month, f.Day));
}

// Shortest general form with at most 15 significant digits, "." as the
// decimal point whatever the locale.
std::u16string FormatNumber(double value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  return Ascii(std::string(buffer, result.ptr));
}

std::u16string ImageTypeName(TvImageType type) {
  switch (type) {
    case itGIF: return u"GIF";
    case itPNG: return u"PNG";
    case itJPEG: break;
  }
  return u"JPEG";
}

class ContactWriter {
 public:
  ContactWriter(const TvCard& card, TvContact& contact)
      : FCard(card),
        FContact(contact),
        // A contact without a version is spelled as 3.0 spells it; only its
        // VERSION line is left out.
        FVersion(contact.vCardVersion() == vvNone ? vv30 : contact.vCardVersion()) {}

  std::u16string Write() {
    Line(u"BEGIN:VCARD");
    WriteVersion();
    WriteNames();
    WriteTexts();
    WriteDates();
    if (!FCard.ProdID().empty()) Line(u"PRODID:" + OneLine(FCard.ProdID()));
    WriteCategoriesAndNote();
    WritePosition();
    WriteSortString();
    WriteAddresses();
    WritePhones();
    WriteEmails();
    WriteSocialProfile();
    WritePhoto();
    FOut += u"END:VCARD";
    return std::move(FOut);
  }

 private:
  void Line(std::u16string_view text) {
    FOut += text;
    FOut += u'\n';
  }
  void LineIfValue(std::u16string_view name, const std::u16string& value) {
    if (!value.empty()) Line(std::u16string(name) + value);
  }

  void WriteVersion() {
    switch (FContact.vCardVersion()) {
      case vv21: Line(u"VERSION:2.1"); break;
      case vv30: Line(u"VERSION:3.0"); break;
      case vv40: Line(u"VERSION:4.0"); break;
      case vvNone: break;
    }
  }

  void WriteNames() {
    const TvContact& c = FContact;
    std::u16string n = u"N";
    if (FVersion == vv40 && !c.SortString().empty()) n += u";SORT-STRING=" + OneLine(c.SortString());
    n += u":" + OneLine(c.LastName()) + u";" + OneLine(c.FirstName()) + u";" +
         OneLine(c.MiddleName()) + u";" + OneLine(c.NamePrefix()) + u";" +
         OneLine(c.NameSuffix());
    Line(n);
    const std::u16string full =
        IsBlank(c.FullName()) ? c.FirstName() + u" " + c.LastName() : c.FullName();
    Line(u"FN:" + EscapeCommas(OneLine(full)));
  }

  void WriteTexts() {
    const TvContact& c = FContact;
    LineIfValue(u"UID:", OneLine(c.ID()));
    LineIfValue(u"NICKNAME:", OneLine(c.NickName()));
    LineIfValue(u"ORG:", EscapeCommas(OneLine(c.Company())));
    LineIfValue(u"TITLE:", EscapeCommas(OneLine(c.JobTitle())));
    LineIfValue(u"ROLE:", EscapeCommas(OneLine(c.Profession())));
    LineIfValue(u"URL;WORK:", OneLine(c.WebsiteURL()));
    LineIfValue(u"SOURCE:", EscapeCommas(OneLine(c.Source())));
    LineIfValue(u"TZ:", OneLine(c.TimeZone()));
  }

  void WriteDates() {
    if (FContact.BirthDay() != 0) Line(u"BDAY:" + FormatDate(FContact.BirthDay()));
    const TDateTime rev = FContact.Updated() != 0 ? FContact.Updated() : NowUtc();
    Line(u"REV:" + FormatTimestamp(rev));
  }

  void WriteCategoriesAndNote() {
    if (FContact.Categories().Count() > 0)
      Line(u"CATEGORIES:" + OneLine(FContact.Categories().CommaText()));
    const TStringList& note = FContact.Note();
    if (note.Count() == 0) return;
    if (FVersion == vv21)
      Line(u"NOTE;ENCODING=QUOTED-PRINTABLE:" + QPEncodeBreaks(note.Text()));
    else
      Line(u"NOTE:" + EscapedLines(note));
  }

  void WritePosition() {
    const double latitude = FContact.GeoLocation().Latitude();
    const double longitude = FContact.GeoLocation().Longitude();
    if (latitude == 0 || longitude == 0 || !std::isfinite(latitude) || !std::isfinite(longitude))
      return;
    const bool v4 = FVersion == vv40;
    Line(u"GEO:" + std::u16string(v4 ? u"geo:" : u"") + FormatNumber(latitude) +
         (v4 ? u"," : u";") + FormatNumber(longitude));
  }

  void WriteSortString() {
    if (FVersion == vv40) return;
    const std::u16string& sort =
        FContact.SortString().empty() ? FContact.FullName() : FContact.SortString();
    LineIfValue(u"SORT-STRING:", OneLine(sort));
  }

  void WriteAddresses() {
    for (const TvAddress& a : FContact.Addresses()) {
      const std::u16string_view parts[] = {a.POBox(),  a.Number(),   a.Street(), a.City(),
                                           a.Region(), a.PostCode(), a.Country()};
      bool fits = true;
      for (auto part : parts) fits = fits && FitsWindows1252(part);
      std::u16string line = fits ? u"ADR;CHARSET=Windows-1252" : u"ADR;CHARSET=UTF-8";
      line += u";ENCODING=QUOTED-PRINTABLE" + PrefParam(a.Preferred(), FVersion) +
              FieldTypeText(a.AddressType(), FVersion);
      const bool hasLabel = a.MailingLabel().Count() > 0;
      if (FVersion == vv40 && hasLabel) line += u";LABEL=\"" + EscapedLines(a.MailingLabel()) + u"\"";
      line += u':';
      // 3.0 and 4.0 have no quoted-printable continuation lines.
      const bool softBreaks = FVersion == vv21;
      for (size_t i = 0; i < std::size(parts); ++i) {
        if (i > 0) line += u';';
        line += QPEncode(parts[i], fits ? qcWindows1252 : qcUtf8, softBreaks);
      }
      Line(line);
      if (FVersion != vv40 && hasLabel)
        Line(u"LABEL;ENCODING=QUOTED-PRINTABLE:" + QPEncodeBreaks(a.MailingLabel().Text()));
    }
  }

  void WritePhones() {
    static constexpr std::u16string_view kWords[kPhoneTypeCount] = {
        u"TEXT", u"VOICE", u"FAX", u"CELL", u"VIDEO", u"PAGER", u"TEXTPHONE"};
    for (const TvPhone& phone : FContact.PhoneNumbers()) {
      std::u16string types;
      for (int t = 0; t < kPhoneTypeCount; ++t) {
        if (!phone.PhoneType().Contains(static_cast<TvPhoneType>(t))) continue;
        if (!types.empty()) types += u',';
        types += kWords[t];
      }
      if (!types.empty()) types.insert(0, FVersion == vv21 ? u";" : u";TYPE=");
      Line(u"TEL" + types + PrefParam(phone.Preferred(), FVersion) + u":" +
           OneLine(phone.PhoneNumber()));
    }
  }

  void WriteEmails() {
    for (const TvEmail& email : FContact.Emails()) {
      Line(std::u16string(FVersion == vv21 ? u"EMAIL;INTERNET" : u"EMAIL;TYPE=INTERNET") +
           PrefParam(email.Preferred(), FVersion) + FieldTypeText(email.EmailType(), FVersion) +
           u":" + OneLine(email.EmailAddress()));
    }
  }

  void WriteSocialProfile() {
    for (const TvSocialItem& item : FContact.SocialProfile()) {
      Line(u"X-SOCIALPROFILE;type=" + OneLine(item.Service()) + u";x-user=" +
           OneLine(item.User()) + u":" + OneLine(item.URI()));
    }
  }

  void WritePhoto() {
    FContact.EncodePhoto();
    const std::u16string& data = FContact.PhotoStr();
    if (data.empty()) return;
    const std::u16string type = ImageTypeName(FContact.PhotoType());
    if (FContact.PhotoEncoding() == feExternalURL) {
      switch (FVersion) {
        case vv21: FOut += u"PHOTO;" + type + u":"; break;
        case vv40: FOut += u"PHOTO:MEDIATYPE=image/" + AsciiLower(type) + u":"; break;
        default: FOut += u"PHOTO;TYPE=" + type + u":"; break;
      }
      Line(OneLine(data));
      return;
    }
    FOut += (FVersion == vv21 ? u"PHOTO;ENCODING=b;TYPE=" : u"PHOTO;ENCODING=BASE64;TYPE=") +
            type + u":";
    if (FVersion == vv40) FOut += u'\n';
    FOut += u"\r\n";
    constexpr size_t kPieceLength = 74;
    for (size_t pos = 0; pos < data.size(); pos += kPieceLength) {
      FOut += u' ';
      FOut.append(data, pos, kPieceLength);
      FOut += u"\r\n";
    }
  }

  const TvCard& FCard;
  TvContact& FContact;
  const TvCardVersion FVersion;  // the spelling: vvNone is written as vv30
  std::u16string FOut;
};

}  // namespace

std::u16string ContactToString(const TvCard& card, TvContact& contact) {
  return ContactWriter(card, contact).Write();
}

}  // namespace tabulon
