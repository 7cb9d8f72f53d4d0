#include "vcard/Writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>

#include "VCardTestSupport.h"
#include "platform/DateTime.h"
#include "vcard/Encodings.h"
#include "vcard/Card.h"
#include "vcard/ReaderLines.h"

namespace tabulon {
namespace {

// A contact that fills every property the writer knows.
TvContact& AddFullContact(TvCard& card, TvCardVersion version) {
  card.SetProdID(u"-//Tabulon//EN");
  TvContact& c = card.vContacts().Add();
  c.SetvCardVersion(version);
  c.SetID(u"42");
  c.SetFirstName(u"Ann");
  c.SetLastName(u"Lee");
  c.SetMiddleName(u"M");
  c.SetNamePrefix(u"Dr");
  c.SetNameSuffix(u"Jr");
  c.SetFullName(u"Ann M. Lee");
  c.SetNickName(u"Annie, A");
  c.SetCompany(u"Acme, Inc");
  c.SetJobTitle(u"Chef");
  c.SetProfession(u"Cook");
  c.SetWebsiteURL(u"http://ann.example");
  c.SetSource(u"src");
  c.SetTimeZone(u"+01:00");
  c.SetBirthDay(test::Date(1980, 1, 15));
  c.SetUpdated(test::Date(2020, 12, 26, 20, 39, 28));
  c.Categories().Add(u"Friends");
  c.Categories().Add(u"Old school");
  c.Note().Add(u"a");
  c.Note().Add(u"b");
  c.GeoLocation().SetLatitude(48.8566);
  c.GeoLocation().SetLongitude(2.3522);
  TvAddress& a = c.Addresses().Add();
  a.SetPOBox(u"PB 1");
  a.SetNumber(u"3b");
  a.SetStreet(u"Rue de l'Église");
  a.SetCity(u"Orléans");
  a.SetRegion(u"Centre");
  a.SetPostCode(u"45000");
  a.SetCountry(u"France");
  a.SetAddressType(ftWork);
  a.SetPreferred(true);
  a.MailingLabel().Add(u"Ann Lee");
  a.MailingLabel().Add(u"Orléans");
  TvPhone& p = c.PhoneNumbers().Add();
  p.SetPhoneNumber(u"+33 1 23");
  p.SetPhoneType({ptCell, ptVoice});
  p.SetPreferred(true);
  c.PhoneNumbers().Add().SetPhoneNumber(u"555");
  c.Emails().Add().SetEmailAddress(u"ann@example.org");
  TvEmail& work = c.Emails().Add();
  work.SetEmailAddress(u"lee@work.example");
  work.SetEmailType(ftWork);
  work.SetPreferred(true);
  TvSocialItem& s = c.SocialProfile().Add();
  s.SetService(u"chat");
  s.SetUser(u"ann");
  s.SetURI(u"ann-page");
  TPicture picture;
  picture.SetImage("\xFF\xD8\xFF\xE0" + std::string(56, 'x'), ikJPEG);
  c.SetPhoto(&picture);
  return c;
}

// Base64 of the photo above: 80 characters, written as 74 and 6.
const std::u16string kPhotoLines =
    u" /9j/4Hh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eH\r\n"
    u" h4eHh4\r\n";

struct LayoutCase {
  const char* name;
  TvCardVersion version;
  std::u16string text;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class WriterLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(WriterLayout, IsExact) {
  TvCard card;
  TvContact& c = AddFullContact(card, GetParam().version);
  EXPECT_EQ(test::Utf8(ContactToString(card, c)), test::Utf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Versions, WriterLayout,
    testing::Values(
        LayoutCase{"V21", vv21,
                   u"BEGIN:VCARD\n"
                   u"VERSION:2.1\n"
                   u"N:Lee;Ann;M;Dr;Jr\n"
                   u"FN:Ann M. Lee\n"
                   u"UID:42\n"
                   u"NICKNAME:Annie, A\n"
                   u"ORG:Acme\\, Inc\n"
                   u"TITLE:Chef\n"
                   u"ROLE:Cook\n"
                   u"URL;WORK:http://ann.example\n"
                   u"SOURCE:src\n"
                   u"TZ:+01:00\n"
                   u"BDAY:19800115\n"
                   u"REV:2020-12-26T20:39:28Z\n"
                   u"PRODID:-//Tabulon//EN\n"
                   u"CATEGORIES:Friends,\"Old school\"\n"
                   u"NOTE;ENCODING=QUOTED-PRINTABLE:a=0D=0Ab=0D=0A\n"
                   u"GEO:48.8566;2.3522\n"
                   u"SORT-STRING:Ann M. Lee\n"
                   u"ADR;CHARSET=Windows-1252;ENCODING=QUOTED-PRINTABLE;PREF;WORK:"
                   u"PB 1;3b;Rue de l'=C9glise;Orl=E9ans;Centre;45000;France\n"
                   u"LABEL;ENCODING=QUOTED-PRINTABLE:Ann Lee=0D=0AOrléans=0D=0A\n"
                   u"TEL;VOICE,CELL;PREF:+33 1 23\n"
                   u"TEL:555\n"
                   u"EMAIL;INTERNET;HOME:ann@example.org\n"
                   u"EMAIL;INTERNET;PREF;WORK:lee@work.example\n"
                   u"X-SOCIALPROFILE;type=chat;x-user=ann:ann-page\n"
                   u"PHOTO;ENCODING=b;TYPE=JPEG:\r\n" +
                       kPhotoLines + u"END:VCARD"},
        LayoutCase{"V30", vv30,
                   u"BEGIN:VCARD\n"
                   u"VERSION:3.0\n"
                   u"N:Lee;Ann;M;Dr;Jr\n"
                   u"FN:Ann M. Lee\n"
                   u"UID:42\n"
                   u"NICKNAME:Annie, A\n"
                   u"ORG:Acme\\, Inc\n"
                   u"TITLE:Chef\n"
                   u"ROLE:Cook\n"
                   u"URL;WORK:http://ann.example\n"
                   u"SOURCE:src\n"
                   u"TZ:+01:00\n"
                   u"BDAY:19800115\n"
                   u"REV:2020-12-26T20:39:28Z\n"
                   u"PRODID:-//Tabulon//EN\n"
                   u"CATEGORIES:Friends,\"Old school\"\n"
                   u"NOTE:a\\nb\\n\n"
                   u"GEO:48.8566;2.3522\n"
                   u"SORT-STRING:Ann M. Lee\n"
                   u"ADR;CHARSET=Windows-1252;ENCODING=QUOTED-PRINTABLE;TYPE=PREF;TYPE=WORK:"
                   u"PB 1;3b;Rue de l'=C9glise;Orl=E9ans;Centre;45000;France\n"
                   u"LABEL;ENCODING=QUOTED-PRINTABLE:Ann Lee=0D=0AOrléans=0D=0A\n"
                   u"TEL;TYPE=VOICE,CELL;TYPE=PREF:+33 1 23\n"
                   u"TEL:555\n"
                   u"EMAIL;TYPE=INTERNET;TYPE=HOME:ann@example.org\n"
                   u"EMAIL;TYPE=INTERNET;TYPE=PREF;TYPE=WORK:lee@work.example\n"
                   u"X-SOCIALPROFILE;type=chat;x-user=ann:ann-page\n"
                   u"PHOTO;ENCODING=BASE64;TYPE=JPEG:\r\n" +
                       kPhotoLines + u"END:VCARD"},
        LayoutCase{"V40", vv40,
                   u"BEGIN:VCARD\n"
                   u"VERSION:4.0\n"
                   u"N:Lee;Ann;M;Dr;Jr\n"
                   u"FN:Ann M. Lee\n"
                   u"UID:42\n"
                   u"NICKNAME:Annie, A\n"
                   u"ORG:Acme\\, Inc\n"
                   u"TITLE:Chef\n"
                   u"ROLE:Cook\n"
                   u"URL;WORK:http://ann.example\n"
                   u"SOURCE:src\n"
                   u"TZ:+01:00\n"
                   u"BDAY:19800115\n"
                   u"REV:2020-12-26T20:39:28Z\n"
                   u"PRODID:-//Tabulon//EN\n"
                   u"CATEGORIES:Friends,\"Old school\"\n"
                   u"NOTE:a\\nb\\n\n"
                   u"GEO:geo:48.8566,2.3522\n"
                   u"ADR;CHARSET=Windows-1252;ENCODING=QUOTED-PRINTABLE;TYPE=PREF;TYPE=WORK;"
                   u"LABEL=\"Ann Lee\\nOrléans\\n\":"
                   u"PB 1;3b;Rue de l'=C9glise;Orl=E9ans;Centre;45000;France\n"
                   u"TEL;TYPE=VOICE,CELL;TYPE=PREF:+33 1 23\n"
                   u"TEL:555\n"
                   u"EMAIL;TYPE=INTERNET;TYPE=HOME:ann@example.org\n"
                   u"EMAIL;TYPE=INTERNET;TYPE=PREF;TYPE=WORK:lee@work.example\n"
                   u"X-SOCIALPROFILE;type=chat;x-user=ann:ann-page\n"
                   u"PHOTO;ENCODING=BASE64;TYPE=JPEG:\n\r\n" +
                       kPhotoLines + u"END:VCARD"}),
    [](const auto& info) { return info.param.name; });

TEST(Writer, ContactWithoutVersionIsSpelledAs30WithoutVersionLine) {
  TvCard withVersion, without;
  AddFullContact(withVersion, vv30);
  AddFullContact(without, vvNone);
  std::u16string expected = withVersion.SaveToString();
  expected.erase(expected.find(u"VERSION:3.0\n"), 12);
  EXPECT_EQ(test::Utf8(without.SaveToString()), test::Utf8(expected));
}

// Writes one contact built by `fill` in `version`, REV fixed.
std::u16string Write(TvCardVersion version, const std::function<void(TvContact&)>& fill) {
  TvCard card;
  TvContact& c = card.vContacts().Add();
  c.SetvCardVersion(version);
  c.SetUpdated(test::Date(2020, 1, 2, 3, 4, 5));
  fill(c);
  return ContactToString(card, c);
}

bool HasLine(const std::u16string& text, std::u16string_view line) {
  return (u"\n" + text + u"\n").find(u"\n" + std::u16string(line) + u"\n") != std::u16string::npos;
}

struct LineCase {
  const char* name;
  TvCardVersion version;
  std::function<void(TvContact&)> fill;
  std::u16string line;   // a whole line the text must hold
  bool present = true;   // false: the text must not hold it
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class WriterLines : public testing::TestWithParam<LineCase> {};

TEST_P(WriterLines, Holds) {
  const auto& c = GetParam();
  const std::u16string text = Write(c.version, c.fill);
  EXPECT_EQ(HasLine(text, c.line), c.present) << test::Utf8(text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriterLines,
    testing::Values(
        LineCase{"FullNameFromNames", vv30,
                 [](TvContact& c) {
                   c.SetFirstName(u"Ann");
                   c.SetLastName(u"Lee");
                 },
                 u"FN:Ann Lee"},
        LineCase{"BlankFullNameFromNames", vv30,
                 [](TvContact& c) {
                   c.SetFullName(u"  ");
                   c.SetFirstName(u"Ann");
                 },
                 u"FN:Ann "},
        LineCase{"FullNameUntrimmed", vv30, [](TvContact& c) { c.SetFullName(u" Ann "); },
                 u"FN: Ann "},
        LineCase{"NoGeoWithZeroLatitude", vv30, [](TvContact& c) { c.GeoLocation().SetLongitude(2.35); },
                 u"GEO:0;2.35", false},
        LineCase{"GeoShortestForm", vv30,
                 [](TvContact& c) {
                   c.GeoLocation().SetLatitude(2);
                   c.GeoLocation().SetLongitude(-0.1);
                 },
                 u"GEO:2;-0.1"},
        LineCase{"SortStringFromFullNameIn30", vv30, [](TvContact& c) { c.SetFullName(u"Ann Lee"); },
                 u"SORT-STRING:Ann Lee"},
        LineCase{"NoSortStringIn40", vv40, [](TvContact& c) { c.SetFullName(u"Ann Lee"); },
                 u"SORT-STRING:Ann Lee", false},
        LineCase{"SortStringInNameIn40", vv40, [](TvContact& c) { c.SetSortString(u"Lee"); },
                 u"N;SORT-STRING=Lee:;;;;"},
        LineCase{"OtherEmailIn30", vv30,
                 [](TvContact& c) {
                   c.Emails().Add().SetEmailAddress(u"a@b");
                   c.Emails().GetEmail(0).SetEmailType(ftOther);
                 },
                 u"EMAIL;TYPE=INTERNET;TYPE=:a@b"},
        LineCase{"OtherEmailIn21HasNoEmptyParameter", vv21,
                 [](TvContact& c) {
                   c.Emails().Add().SetEmailAddress(u"a@b");
                   c.Emails().GetEmail(0).SetEmailType(ftOther);
                 },
                 u"EMAIL;INTERNET:a@b"},
        LineCase{"OtherAddressIn21HasNoEmptyParameter", vv21,
                 [](TvContact& c) { c.Addresses().Add().SetAddressType(ftOther); },
                 u"ADR;CHARSET=Windows-1252;ENCODING=QUOTED-PRINTABLE:;;;;;;"},
        LineCase{"PhoneTypesIn21", vv21,
                 [](TvContact& c) { c.PhoneNumbers().Add().SetPhoneType({ptCell}); }, u"TEL;CELL:"},
        LineCase{"AllPhoneTypesInOrder", vv30,
                 [](TvContact& c) { c.PhoneNumbers().Add().SetPhoneType(TvPhoneTypes::FromByte(127)); },
                 u"TEL;TYPE=TEXT,VOICE,FAX,CELL,VIDEO,PAGER,TEXTPHONE:"},
        LineCase{"NoteIn21", vv21,
                 [](TvContact& c) {
                   c.Note().Add(u"x=1");
                   c.Note().Add(u"é");
                 },
                 u"NOTE;ENCODING=QUOTED-PRINTABLE:x=3D1=0D=0Aé=0D=0A"},
        LineCase{"BirthDayDigits", vv30, [](TvContact& c) { c.SetBirthDay(test::Date(987, 3, 4)); },
                 u"BDAY:09870304"},
        // A revision stored a hair below a whole second is not written a
        // second early.
        LineCase{"RevisionRoundedToMillisecond", vv30,
                 [](TvContact& c) { c.SetUpdated(test::Date(2020, 12, 26, 20, 39, 28) - 1e-9); },
                 u"REV:2020-12-26T20:39:28Z"},
        LineCase{"ExternalPhotoIn30", vv30,
                 [](TvContact& c) {
                   c.SetPhotoEncoding(feExternalURL);
                   c.SetPhotoType(itPNG);
                   c.SetPhotoStr(u"http://x/p.png");
                 },
                 u"PHOTO;TYPE=PNG:http://x/p.png"},
        LineCase{"ExternalPhotoIn21", vv21,
                 [](TvContact& c) {
                   c.SetPhotoEncoding(feExternalURL);
                   c.SetPhotoStr(u"u");
                 },
                 u"PHOTO;JPEG:u"},
        LineCase{"ExternalPhotoIn40", vv40,
                 [](TvContact& c) {
                   c.SetPhotoEncoding(feExternalURL);
                   c.SetPhotoType(itGIF);
                   c.SetPhotoStr(u"u");
                 },
                 u"PHOTO:MEDIATYPE=image/gif:u"},
        LineCase{"PhotoUrlAloneIsNotWritten", vv30,
                 [](TvContact& c) {
                   c.SetPhotoEncoding(feExternalURL);
                   c.SetPhotoURL(u"http://x");
                 },
                 u"PHOTO;TYPE=JPEG:http://x", false}),
    [](const auto& info) { return info.param.name; });

TEST(Writer, DefaultContactIsMinimal) {
  TvCard card;
  card.vContacts().Add();
  std::ostringstream out;
  card.SaveToStream(out);
  const std::string text = out.str();
  const std::string head = "BEGIN:VCARD\nVERSION:3.0\nN:;;;;\nFN: \nREV:";
  ASSERT_EQ(text.substr(0, head.size()), head);
  const std::string rest = text.substr(head.size());
  EXPECT_EQ(rest.size(), std::string("2020-12-26T20:39:28Z\nEND:VCARD\r\n").size()) << rest;
  EXPECT_EQ(rest.substr(rest.size() - 12), "\nEND:VCARD\r\n");
}

TEST(Writer, RevisionOfNowIsUtc) {
  const TDateTime before = std::floor(NowUtc() * 86400) / 86400;
  TvCard card;
  TvContact& c = card.vContacts().Add();
  const std::u16string text = ContactToString(card, c);
  const TDateTime after = NowUtc();
  const size_t at = text.find(u"REV:");
  ASSERT_NE(at, std::u16string::npos);
  const auto written = ParseDateTime(std::u16string_view(text).substr(at + 4, 20));
  ASSERT_TRUE(written.has_value());
  EXPECT_GE(*written, before);
  EXPECT_LE(*written, after);
  EXPECT_EQ(text[at + 23], u'Z');
}

TEST(Writer, PhotoTextIsCutIntoPiecesOf74) {
  const std::u16string data(150, u'Q');
  const std::u16string text = Write(vv21, [&](TvContact& c) { c.SetPhotoStr(data); });
  const std::u16string expected = u"PHOTO;ENCODING=b;TYPE=JPEG:\r\n " + data.substr(0, 74) + u"\r\n " +
                                  data.substr(74, 74) + u"\r\n QQ\r\nEND:VCARD";
  EXPECT_EQ(text.substr(text.size() - expected.size()), expected);
}

TEST(Writer, ContactsAreJoinedByCrLfInFilesAndLfInStrings) {
  TvCard card;
  card.vContacts().Add().SetUpdated(1);
  card.vContacts().Add().SetUpdated(1);
  std::ostringstream out;
  card.SaveToStream(out);
  EXPECT_NE(out.str().find("END:VCARD\r\nBEGIN:VCARD"), std::string::npos);
  EXPECT_EQ(out.str().substr(out.str().size() - 11), "END:VCARD\r\n");
  const std::u16string s = card.SaveToString();
  EXPECT_NE(s.find(u"END:VCARD\nBEGIN:VCARD"), std::u16string::npos);
  EXPECT_EQ(s.substr(s.size() - 10), u"END:VCARD\n");
  TvCard empty;
  std::ostringstream none;
  empty.SaveToStream(none);
  EXPECT_EQ(none.str(), "");
}

// ---- addresses: quoted-printable in the line's charset ----

struct AddressCase {
  const char* name;
  TvCardVersion version;
  std::u16string street, city;
  std::u16string line;
};

void PrintTo(const AddressCase& c, std::ostream* os) { *os << c.name; }

class WriterAddress : public testing::TestWithParam<AddressCase> {};

TEST_P(WriterAddress, EncodesEveryComponentInTheDeclaredCharset) {
  const auto& c = GetParam();
  const std::u16string text = Write(c.version, [&](TvContact& contact) {
    TvAddress& a = contact.Addresses().Add();
    a.SetStreet(c.street);
    a.SetCity(c.city);
    a.SetPostCode(u"45000");
  });
  EXPECT_TRUE(HasLine(text, c.line)) << test::Utf8(text);
}

const std::u16string kLongStreet =
    u"1 avenue du Général de Gaulle, Résidence les Tilleuls, bâtiment B";  // 66 characters

INSTANTIATE_TEST_SUITE_P(
    Cases, WriterAddress,
    testing::Values(
        AddressCase{"AccentsInWindows1252", vv30, u"Rue de l'Église", u"Orléans",
                    u"ADR;CHARSET=Windows-1252;ENCODING=QUOTED-PRINTABLE;TYPE=HOME:"
                    u";;Rue de l'=C9glise;Orl=E9ans;;45000;"},
        AddressCase{"EuroInWindows1252", vv30, u"5 €", u"",
                    u"ADR;CHARSET=Windows-1252;ENCODING=QUOTED-PRINTABLE;TYPE=HOME:;;5 =80;;;45000;"},
        AddressCase{"CyrillicInUtf8", vv30, u"Тверская", u"Orléans",
                    u"ADR;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE;TYPE=HOME:"
                    u";;=D0=A2=D0=B2=D0=B5=D1=80=D1=81=D0=BA=D0=B0=D1=8F;Orl=C3=A9ans;;45000;"},
        AddressCase{"CharacterOutsideWindows1252", vv30, u"a\u0081", u"",
                    u"ADR;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE;TYPE=HOME:;;a=C2=81;;;45000;"},
        AddressCase{"NoSoftBreaksIn30", vv30, kLongStreet + u" " + kLongStreet, u"",
                    u"ADR;CHARSET=Windows-1252;ENCODING=QUOTED-PRINTABLE;TYPE=HOME:;;" +
                        QPEncode(kLongStreet + u" " + kLongStreet, qcWindows1252, false) +
                        u";;;45000;"}),
    [](const auto& info) { return info.param.name; });

TEST(Writer, LongStreetGetsSoftBreaksIn21) {
  const std::u16string street = kLongStreet + u" " + kLongStreet;
  const std::u16string text =
      Write(vv21, [&](TvContact& c) { c.Addresses().Add().SetStreet(street); });
  const std::u16string encoded = QPEncode(street, qcWindows1252, true);
  EXPECT_NE(encoded.find(u"=\r\n"), std::u16string::npos);
  EXPECT_NE(text.find(u";;" + encoded + u";;;;\n"), std::u16string::npos) << test::Utf8(text);
}

// ---- line breaks in values written unencoded ----

TEST(Writer, LineBreaksInPlainValuesBecomeBlanks) {
  const std::u16string text = Write(vv30, [](TvContact& c) {
    c.SetLastName(u"Lee\r\nX");
    c.SetFirstName(u"Ann\rB");
    c.SetFullName(u"Ann\nLee");
    c.SetID(u"1\n2");
    c.SetNickName(u"n\nn");
    c.SetCompany(u"Acme\nX");
    c.SetJobTitle(u"t\nt");
    c.SetProfession(u"p\np");
    c.SetWebsiteURL(u"u\nu");
    c.SetSource(u"s\ns");
    c.SetTimeZone(u"z\nz");
    c.SetSortString(u"o\no");
    c.Categories().Add(u"c\nc");
    c.PhoneNumbers().Add().SetPhoneNumber(u"1\r\n2");
    c.Emails().Add().SetEmailAddress(u"a@\nb");
    TvSocialItem& s = c.SocialProfile().Add();
    s.SetService(u"x\ny");
    s.SetUser(u"u\nv");
    s.SetURI(u"p\nq");
  });
  for (std::u16string_view line :
       {u"N:Lee X;Ann B;;;", u"FN:Ann Lee", u"UID:1 2", u"NICKNAME:n n", u"ORG:Acme X", u"TITLE:t t",
        u"ROLE:p p", u"URL;WORK:u u", u"SOURCE:s s", u"TZ:z z", u"SORT-STRING:o o",
        u"CATEGORIES:c c", u"TEL:1 2", u"EMAIL;TYPE=INTERNET;TYPE=HOME:a@ b",
        u"X-SOCIALPROFILE;type=x y;x-user=u v:p q"})
    EXPECT_TRUE(HasLine(text, line)) << test::Utf8(line) << "\n" << test::Utf8(text);
}

}  // namespace
}  // namespace tabulon
