#include "vcard/Reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "VCardTestSupport.h"
#include "tests/support/TempFolder.h"
#include "vcard/Base64.h"
#include "vcard/Card.h"
#include "vcard/Errors.h"

namespace tabulon {
namespace {

using Check = std::function<void(const TvCard&)>;

std::string Join(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (auto line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

const TvContact& Only(const TvCard& card) {
  EXPECT_EQ(card.vContacts().Count(), 1);
  return card.vContacts().GetvContact(0);
}

struct ReadCase {
  const char* name;
  std::string text;  // the lines of one card, without BEGIN and END
  Check check;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class ReadLines : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadLines, InOneCard) {
  TvCard card;
  test::ReadText(card, "BEGIN:VCARD\r\n" + GetParam().text + "END:VCARD\r\n");
  ASSERT_EQ(card.vContacts().Count(), 1);
  GetParam().check(card);
}

std::string Lines(std::initializer_list<std::string_view> lines) { return Join(lines); }

const std::string kJpegBase64 = Base64Encode(std::string_view(test::JpegBytes(100)));

INSTANTIATE_TEST_SUITE_P(
    Properties, ReadLines,
    testing::Values(
        ReadCase{"NameComponents", Lines({"N:Lee;Ann;;;"}),
                 [](const TvCard& card) {
                   const TvContact& c = Only(card);
                   EXPECT_EQ(c.LastName(), u"Lee");
                   EXPECT_EQ(c.FirstName(), u"Ann");
                   EXPECT_EQ(c.MiddleName(), u"");
                 }},
        ReadCase{"NameComponentTakenOnlyBeforeASemicolon", Lines({"N:Lee;Ann"}),
                 [](const TvCard& card) {
                   EXPECT_EQ(Only(card).LastName(), u"Lee");
                   EXPECT_EQ(Only(card).FirstName(), u"");
                 }},
        ReadCase{"NamePrefixAndSuffix", Lines({"N:Lee;Ann;M;Dr;Jr"}),
                 [](const TvCard& card) {
                   EXPECT_EQ(Only(card).MiddleName(), u"M");
                   EXPECT_EQ(Only(card).NamePrefix(), u"Dr");
                   EXPECT_EQ(Only(card).NameSuffix(), u"Jr");
                 }},
        ReadCase{"QuotedPrintableNameWithoutCharsetKeepsBytes",
                 Lines({"N;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;;;;"}),
                 [](const TvCard& card) { EXPECT_EQ(Only(card).LastName(), u"M\u00C3\u00BCller"); }},
        ReadCase{"QuotedPrintableNameInUtf8",
                 Lines({"N;CHARSET=utf-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;Zo=C3=A9;;;"}),
                 [](const TvCard& card) {
                   EXPECT_EQ(Only(card).LastName(), u"Müller");
                   EXPECT_EQ(Only(card).FirstName(), u"Zoé");
                 }},
        ReadCase{"QuotedPrintableFullName",
                 Lines({"FN;CHARSET=Windows-1252;ENCODING=QUOTED-PRINTABLE:Zo=E9 =80"}),
                 [](const TvCard& card) { EXPECT_EQ(Only(card).FullName(), u"Zoé €"); }},
        ReadCase{"FullNameWithParameters", Lines({"FN;CHARSET=UTF-8:Ann Lee"}),
                 [](const TvCard& card) { EXPECT_EQ(Only(card).FullName(), u"Ann Lee"); }},
        ReadCase{"LowerCaseFullNameIsNotRead", Lines({"fn:Ann"}),
                 [](const TvCard& card) { EXPECT_EQ(Only(card).FullName(), u""); }},
        ReadCase{"Phone", Lines({"TEL;TYPE=WORK,VOICE;PREF:123"}),
                 [](const TvCard& card) {
                   const TvPhone& p = Only(card).PhoneNumbers().GetItem(0);
                   EXPECT_EQ(p.PhoneNumber(), u"123");
                   EXPECT_EQ(p.FieldType(), ftWork);
                   EXPECT_EQ(p.PhoneType(), TvPhoneTypes({ptVoice}));
                   EXPECT_TRUE(p.Preferred());
                 }},
        ReadCase{"TextPhoneIsNotText", Lines({"TEL;TYPE=TEXTPHONE:1"}),
                 [](const TvCard& card) {
                   EXPECT_EQ(Only(card).PhoneNumbers().GetItem(0).PhoneType(), TvPhoneTypes({ptTextPhone}));
                 }},
        ReadCase{"EmailWithoutParameters", Lines({"EMAIL:ann"}),
                 [](const TvCard& card) {
                   const TvEmail& e = Only(card).Emails().GetEmail(0);
                   EXPECT_EQ(e.EmailAddress(), u"ann");
                   EXPECT_EQ(e.EmailType(), ftOther);
                   EXPECT_FALSE(e.Preferred());
                 }},
        ReadCase{"EmailWithEmptyType", Lines({"EMAIL;TYPE=INTERNET;TYPE=PREF;TYPE=:a@b"}),
                 [](const TvCard& card) {
                   const TvEmail& e = Only(card).Emails().GetEmail(0);
                   EXPECT_EQ(e.EmailType(), ftOther);
                   EXPECT_TRUE(e.Preferred());
                 }},
        ReadCase{"Address", Lines({"ADR;TYPE=HOME:;;1 Main St;Springfield;;12345;USA"}),
                 [](const TvCard& card) {
                   const TvAddress& a = Only(card).Addresses().GetItem(0);
                   EXPECT_EQ(a.AddressType(), ftHome);
                   EXPECT_EQ(a.Street(), u"1 Main St");
                   EXPECT_EQ(a.City(), u"Springfield");
                   EXPECT_EQ(a.PostCode(), u"12345");
                   EXPECT_EQ(a.Country(), u"USA");
                 }},
        ReadCase{"AddressCountryNeedsSixSemicolons", Lines({"ADR:PB;No;St;City;Reg;Code"}),
                 [](const TvCard& card) {
                   const TvAddress& a = Only(card).Addresses().GetItem(0);
                   EXPECT_EQ(a.POBox(), u"PB");
                   EXPECT_EQ(a.Number(), u"No");
                   EXPECT_EQ(a.Region(), u"Reg");
                   EXPECT_EQ(a.PostCode(), u"");
                 }},
        ReadCase{"AddressValueIsNoParameter", Lines({"ADR:;;Homestead Rd;;;;"}),
                 [](const TvCard& card) {
                   const TvAddress& a = Only(card).Addresses().GetItem(0);
                   EXPECT_EQ(a.AddressType(), ftOther);
                   EXPECT_FALSE(a.Preferred());
                   EXPECT_EQ(a.Street(), u"Homestead Rd");
                 }},
        ReadCase{"GroupedAddress", Lines({"item1.ADR;type=WORK:;;Elm St;;;;"}),
                 [](const TvCard& card) {
                   EXPECT_EQ(Only(card).Addresses().GetItem(0).AddressType(), ftWork);
                   EXPECT_EQ(Only(card).Addresses().GetItem(0).Street(), u"Elm St");
                 }},
        ReadCase{"AddressInWindows1252",
                 Lines({"ADR;CHARSET=Windows-1252;ENCODING=QUOTED-PRINTABLE;TYPE=HOME:;;5 =80;Orl=E9ans;;;"}),
                 [](const TvCard& card) {
                   EXPECT_EQ(Only(card).Addresses().GetItem(0).Street(), u"5 €");
                   EXPECT_EQ(Only(card).Addresses().GetItem(0).City(), u"Orléans");
                 }},
        ReadCase{"AddressInUtf8WithRawAccents",
                 Lines({"ADR;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;;=D0=96 1;Orléans;;;"}),
                 [](const TvCard& card) {
                   EXPECT_EQ(Only(card).Addresses().GetItem(0).Street(), u"Ж 1");
                   EXPECT_EQ(Only(card).Addresses().GetItem(0).City(), u"Orléans");
                 }},
        ReadCase{"AddressEqualsDecodedOnce",
                 Lines({"ADR;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;;a=3Db=3D41 x=0D=0Ay;;;;"}),
                 [](const TvCard& card) {
                   EXPECT_EQ(Only(card).Addresses().GetItem(0).Street(), u"a=b=41 x\r\ny");
                 }},
        ReadCase{"SoftLineBreaksJoinTheAddress",
                 Lines({"ADR;ENCODING=QUOTED-PRINTABLE:;;aaa=", "bbb=", "=20c;City;;;"}),
                 [](const TvCard& card) {
                   EXPECT_EQ(Only(card).Addresses().GetItem(0).Street(), u"aaabbb c");
                   EXPECT_EQ(Only(card).Addresses().GetItem(0).City(), u"City");
                 }},
        ReadCase{"LabelForTheLastAddress",
                 Lines({"ADR:;;a;;;;", "ADR:;;b;;;;", "LABEL;ENCODING=QUOTED-PRINTABLE:x=0D=0Ay=0D=0A",
                        "LABEL:ignored"}),
                 [](const TvCard& card) {
                   const auto& addresses = Only(card).Addresses();
                   EXPECT_EQ(addresses.GetItem(0).MailingLabel().Count(), 0);
                   EXPECT_EQ(addresses.GetItem(1).MailingLabel().Lines(),
                             (std::vector<std::u16string>{u"x", u"y"}));
                 }},
        ReadCase{"LabelParameterIn40",
                 Lines({"VERSION:4.0",
                        "ADR;TYPE=WORK;LABEL=\"Home office\\nPrefontaine St\\n\":;;St;;;;",
                        "LABEL:not for 4.0"}),
                 [](const TvCard& card) {
                   const TvAddress& a = Only(card).Addresses().GetItem(0);
                   EXPECT_EQ(a.MailingLabel().Lines(),
                             (std::vector<std::u16string>{u"Home office", u"Prefontaine St"}));
                   EXPECT_EQ(a.AddressType(), ftWork);
                   EXPECT_FALSE(a.Preferred());
                   EXPECT_EQ(a.Street(), u"St");
                 }},
        ReadCase{"Revision", Lines({"REV:2020-12-26T20:39:28Z"}),
                 [](const TvCard& card) {
                   EXPECT_EQ(Only(card).Updated(), test::Date(2020, 12, 26, 20, 39, 28));
                 }},
        ReadCase{"RevisionBasicLayout", Lines({"REV:20201226T203928Z"}),
                 [](const TvCard& card) {
                   EXPECT_EQ(Only(card).Updated(), test::Date(2020, 12, 26, 20, 39, 28));
                 }},
        ReadCase{"RevisionInAnotherLayoutIsSkipped", Lines({"REV:2020-12-26"}),
                 [](const TvCard& card) { EXPECT_EQ(Only(card).Updated(), 0); }},
        ReadCase{"BirthDays", Lines({"BDAY:1980-01-15"}),
                 [](const TvCard& card) { EXPECT_EQ(Only(card).BirthDay(), test::Date(1980, 1, 15)); }},
        ReadCase{"BirthDayInAnotherLayoutIsSkipped", Lines({"BDAY:--0115"}),
                 [](const TvCard& card) { EXPECT_EQ(Only(card).BirthDay(), 0); }},
        ReadCase{"EmbeddedPhoto",
                 Lines({"PHOTO;ENCODING=b;TYPE=JPEG:" + kJpegBase64.substr(0, 10),
                        " " + kJpegBase64.substr(10, 70), " " + kJpegBase64.substr(80), ""}),
                 [](const TvCard& card) {
                   const TvContact& c = Only(card);
                   EXPECT_EQ(c.PhotoType(), itJPEG);
                   EXPECT_EQ(c.PhotoEncoding(), feInternalBase64);
                   EXPECT_EQ(test::Utf8(c.PhotoStr()), kJpegBase64);
                   EXPECT_EQ(c.Photo().Bytes(), test::JpegBytes(100));
                 }},
        ReadCase{"PropertyAfterPhotoIsNotPhotoData",
                 Lines({"PHOTO;ENCODING=BASE64;TYPE=PNG:", " " + kJpegBase64,
                        "X-ABUID:5D1B:ABPerson"}),
                 [](const TvCard& card) {
                   const TvContact& c = card.vContacts().GetvContact(0);
                   EXPECT_EQ(test::Utf8(c.PhotoStr()), kJpegBase64);
                   EXPECT_EQ(c.PhotoType(), itPNG);
                   EXPECT_EQ(c.Photo().Kind(), ikJPEG);
                 }},
        ReadCase{"ReferencedPhoto", Lines({"PHOTO;TYPE=GIF;VALUE=URI:http://x/p.gif", "more"}),
                 [](const TvCard& card) {
                   const TvContact& c = Only(card);
                   EXPECT_EQ(c.PhotoEncoding(), feExternalURL);
                   EXPECT_EQ(c.PhotoType(), itGIF);
                   EXPECT_EQ(c.PhotoURL(), u"http://x/p.gifmore");
                   EXPECT_TRUE(c.Photo().Empty());
                 }},
        ReadCase{"SocialProfile", Lines({"X-SOCIALPROFILE;type=chat;x-user=ann:https://ann"}),
                 [](const TvCard& card) {
                   const TvSocialItem& s = Only(card).SocialProfile().GetItem(0);
                   EXPECT_EQ(s.Service(), u"chat");
                   EXPECT_EQ(s.User(), u"ann");
                   EXPECT_EQ(s.URI(), u"https://ann");
                 }},
        ReadCase{"IdentifierAfterItsLastColon", Lines({"UID:urn:uuid:1234"}),
                 [](const TvCard& card) { EXPECT_EQ(Only(card).ID(), u"1234"); }},
        ReadCase{"ProdIdOfTheContact", Lines({"PRODID:-//x//EN"}),
                 [](const TvCard& card) {
                   EXPECT_EQ(Only(card).ProdID(), u"-//x//EN");
                   EXPECT_EQ(card.ProdID(), u"");
                 }},
        ReadCase{"Version21", Lines({"VERSION:2.1"}),
                 [](const TvCard& card) { EXPECT_EQ(Only(card).vCardVersion(), vv21); }},
        ReadCase{"Version40", Lines({"VERSION:4.0"}),
                 [](const TvCard& card) { EXPECT_EQ(Only(card).vCardVersion(), vv40); }},
        ReadCase{"Categories", Lines({"CATEGORIES:Friends,\"Old school\""}),
                 [](const TvCard& card) {
                   EXPECT_EQ(Only(card).Categories().Lines(),
                             (std::vector<std::u16string>{u"Friends", u"Old school"}));
                 }},
        ReadCase{"Note", Lines({"NOTE:a\\nb\\n"}),
                 [](const TvCard& card) {
                   EXPECT_EQ(Only(card).Note().Lines(), (std::vector<std::u16string>{u"a", u"b"}));
                 }},
        ReadCase{"QuotedPrintableNote", Lines({"NOTE;ENCODING=QUOTED-PRINTABLE:a=3D=0D=0Ab=0D=0A"}),
                 [](const TvCard& card) {
                   EXPECT_EQ(Only(card).Note().Lines(), (std::vector<std::u16string>{u"a=", u"b"}));
                 }},
        ReadCase{"PositionIn30", Lines({"GEO:48.8566;2.3522"}),
                 [](const TvCard& card) {
                   EXPECT_DOUBLE_EQ(Only(card).GeoLocation().Latitude(), 48.8566);
                   EXPECT_DOUBLE_EQ(Only(card).GeoLocation().Longitude(), 2.3522);
                 }},
        ReadCase{"PositionIn40", Lines({"VERSION:4.0", "GEO:geo:-33.9,151.2"}),
                 [](const TvCard& card) {
                   EXPECT_DOUBLE_EQ(Only(card).GeoLocation().Latitude(), -33.9);
                   EXPECT_DOUBLE_EQ(Only(card).GeoLocation().Longitude(), 151.2);
                 }},
        ReadCase{"UnreadablePositionIsSkipped", Lines({"GEO:north;east"}),
                 [](const TvCard& card) { EXPECT_EQ(Only(card).GeoLocation().Latitude(), 0); }},
        ReadCase{"PlainTexts",
                 Lines({"NICKNAME:Annie", "ORG:Acme\\, Inc", "TITLE:Chef", "ROLE:Cook", "SOURCE:src",
                        "SORT-STRING:Lee", "TIMEZONE:+01:00", "TZ:+02:00", "URL;WORK:http://a.example"}),
                 [](const TvCard& card) {
                   const TvContact& c = Only(card);
                   EXPECT_EQ(c.NickName(), u"Annie");
                   EXPECT_EQ(c.Company(), u"Acme, Inc");
                   EXPECT_EQ(c.JobTitle(), u"Chef");
                   EXPECT_EQ(c.Profession(), u"Cook");
                   EXPECT_EQ(c.Source(), u"src");
                   EXPECT_EQ(c.SortString(), u"Lee");
                   EXPECT_EQ(c.TimeZone(), u"+01:00");
                   EXPECT_EQ(c.WebsiteURL(), u"http://a.example");
                 }},
        // A value is never tried as a property line of its own.
        ReadCase{"ValuesAreNotProperties", Lines({"N:Adrian;Telford;Urlich;;", "UID:TEL-1", "ADR:Url 5;;x;;;;"}),
                 [](const TvCard& card) {
                   const TvContact& c = Only(card);
                   EXPECT_EQ(c.LastName(), u"Adrian");
                   EXPECT_EQ(c.Addresses().Count(), 1);
                   EXPECT_EQ(c.PhoneNumbers().Count(), 0);
                   EXPECT_EQ(c.WebsiteURL(), u"");
                   EXPECT_EQ(c.Updated(), 0);
                 }}),
    [](const auto& info) { return info.param.name; });

TEST(Reader, CardsBeginAndEnd) {
  TvCard card;
  test::ReadText(card, Join({"FN:outside", "N:Out;Side;;;", "BEGIN:VCARD", "FN:one", "BEGIN : vcard",
                             "FN:two", "END:VCARD", "FN:after", "begin:vcard", "FN:three"}));
  ASSERT_EQ(card.vContacts().Count(), 3);
  EXPECT_EQ(card.vContacts().GetvContact(0).FullName(), u"one");
  EXPECT_EQ(card.vContacts().GetvContact(1).FullName(), u"two");
  EXPECT_EQ(card.vContacts().GetvContact(2).FullName(), u"three");
  EXPECT_EQ(card.vContacts().GetvContact(0).LastName(), u"");
}

TEST(Reader, LabelNeverLandsOnAnEarlierContact) {
  TvCard card;
  test::ReadText(card, Join({"BEGIN:VCARD", "ADR:;;a;;;;", "END:VCARD", "BEGIN:VCARD",
                             "LABEL:not mine", "END:VCARD"}));
  EXPECT_EQ(card.vContacts().GetvContact(0).Addresses().GetItem(0).MailingLabel().Count(), 0);
}

struct EncodingCase {
  const char* name;
  std::string bytes;
  std::u16string fullName;
};

void PrintTo(const EncodingCase& c, std::ostream* os) { *os << c.name; }

class ReadEncodings : public testing::TestWithParam<EncodingCase> {};

TEST_P(ReadEncodings, DecodeTheText) {
  TvCard card;
  test::ReadText(card, GetParam().bytes);
  ASSERT_EQ(card.vContacts().Count(), 1);
  EXPECT_EQ(card.vContacts().GetvContact(0).FullName(), GetParam().fullName);
}

std::string Utf16(std::u16string_view text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t c : text) {
    const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
    bytes += bigEndian ? hi : lo;
    bytes += bigEndian ? lo : hi;
  }
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadEncodings,
    testing::Values(
        EncodingCase{"Utf8", "BEGIN:VCARD\nFN:Zoé Ж\nEND:VCARD", u"Zoé Ж"},
        EncodingCase{"Utf8WithByteOrderMark", "\xEF\xBB\xBF" "BEGIN:VCARD\nFN:Zoé\nEND:VCARD", u"Zoé"},
        EncodingCase{"Windows1252WhenNotUtf8", "BEGIN:VCARD\rFN:Zo\xE9 \x80\rEND:VCARD", u"Zoé €"},
        EncodingCase{"Utf16LittleEndian", Utf16(u"BEGIN:VCARD\r\nFN:Zoé Ж\r\nEND:VCARD", false), u"Zoé Ж"},
        EncodingCase{"Utf16BigEndian", Utf16(u"BEGIN:VCARD\r\nFN:Zoé Ж\r\nEND:VCARD", true), u"Zoé Ж"},
        EncodingCase{"Utf8MarkWithBadBytes", "\xEF\xBB\xBF" "BEGIN:VCARD\nFN:Zo\xE9\nEND:VCARD",
                     u"Zo\uFFFD"}),
    [](const auto& info) { return info.param.name; });

TEST(Reader, EmptyTextAddsNothing) {
  TvCard card;
  test::ReadText(card, "");
  EXPECT_EQ(card.vContacts().Count(), 0);
}

TEST(Reader, DateThatDoesNotExistFailsAndKeepsEarlierContacts) {
  TvCard card;
  const std::string photo = Base64Encode(std::string_view(test::JpegBytes()));
  EXPECT_THROW(test::ReadText(card, Join({"BEGIN:VCARD", "PHOTO;ENCODING=b:" + photo, "END:VCARD",
                                          "BEGIN:VCARD", "BDAY:19801315", "END:VCARD",
                                          "BEGIN:VCARD", "END:VCARD"})),
               EvCardError);
  ASSERT_EQ(card.vContacts().Count(), 2);
  EXPECT_EQ(test::Utf8(card.vContacts().GetvContact(0).PhotoStr()), photo);
  EXPECT_TRUE(card.vContacts().GetvContact(0).Photo().Empty()) << "no photo decoding after a failure";
}

class ReaderFiles : public test::TempFolder {};

TEST_F(ReaderFiles, InsertAppendsAndLoadReplaces) {
  const std::string path = File("twice.vcf", Join({"BEGIN:VCARD", "FN:a", "END:VCARD"}));
  TvCard card;
  card.InsertFromFile(path);
  card.InsertFromFile(path);
  EXPECT_EQ(card.vContacts().Count(), 2);
  card.LoadFromFile(path);
  EXPECT_EQ(card.vContacts().Count(), 1);
  std::filesystem::remove(path);
  EXPECT_THROW(card.LoadFromFile(path), EvFileError);
  EXPECT_EQ(card.vContacts().Count(), 0);
  EXPECT_THROW(card.LoadFromFile(FDir.string()), EvFileError);
}

TEST(Reader, StreamIsReadFromItsPosition) {
  std::istringstream stream("junk BEGIN:VCARD\nFN:a\nEND:VCARD\n");
  stream.seekg(5);
  TvCard card;
  card.InsertFromStream(stream);
  ASSERT_EQ(card.vContacts().Count(), 1);
  EXPECT_EQ(card.vContacts().GetvContact(0).FullName(), u"a");
}

}  // namespace
}  // namespace tabulon
