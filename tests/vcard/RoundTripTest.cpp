// What the writer writes, the reader reads back: every property the reader
// reads, in every version, for values vCard carries unescaped.
#include <gtest/gtest.h>

#include <sstream>

#include "VCardTestSupport.h"
#include "vcard/Card.h"

namespace tabulon {
namespace {

TvContact& AddRichContact(TvCard& card, TvCardVersion version) {
  TvContact& c = card.vContacts().Add();
  c.SetvCardVersion(version);
  c.SetID(u"a1b2-c3");
  c.SetFirstName(u"Zoé");
  c.SetLastName(u"Müller-Łukasiewicz");
  c.SetMiddleName(u"Ἀλέξανδρος");
  c.SetNamePrefix(u"Dr");
  c.SetNameSuffix(u"Jr");
  c.SetFullName(u"Zoé Müller, PhD");
  c.SetNickName(u"Зоя");
  c.SetCompany(u"株式会社 Acme, Ltd");
  c.SetJobTitle(u"Chef de projet");
  c.SetProfession(u"محامية");
  c.SetWebsiteURL(u"https://zoé.example/~me?q=1&r=2");
  c.SetSource(u"ldap://x, y");
  c.SetSortString(u"Muller");
  c.SetBirthDay(test::Date(1980, 1, 15));
  c.SetUpdated(test::Date(2020, 12, 26, 20, 39, 28));
  c.Categories().Add(u"Friends");
  c.Categories().Add(u"Old school");
  c.Categories().Add(u"Ελληνικά");
  c.Note().Add(u"First line, with comma");
  c.Note().Add(u"Deuxième ligne €");
  c.GeoLocation().SetLatitude(-33.8688);
  c.GeoLocation().SetLongitude(151.2093);
  TvAddress& home = c.Addresses().Add();
  home.SetPOBox(u"BP 12");
  home.SetNumber(u"Bât. B");
  home.SetStreet(u"12 rue de l'Église = centre");
  home.SetCity(u"Orléans");
  home.SetRegion(u"Centre-Val de Loire");
  home.SetPostCode(u"45000");
  home.SetCountry(u"France €");
  home.SetPreferred(true);
  home.MailingLabel().Add(u"Zoé Müller");
  home.MailingLabel().Add(u"45000 Orléans");
  TvAddress& work = c.Addresses().Add();
  work.SetStreet(u"Тверская улица, дом 7, строение 2, подъезд 3, этаж 4, офис 5 (долгий адрес)");
  work.SetCity(u"Москва");
  work.SetCountry(u"Россия");
  work.SetAddressType(ftWork);
  c.Addresses().Add().SetAddressType(ftOther);
  TvPhone& cell = c.PhoneNumbers().Add();
  cell.SetPhoneNumber(u"+33 6 12 34 56 78");
  cell.SetPhoneType({ptVoice, ptCell});
  cell.SetPreferred(true);
  c.PhoneNumbers().Add().SetPhoneType(TvPhoneTypes::FromByte(0x7F));
  c.PhoneNumbers().Add().SetPhoneType({ptTextPhone});
  c.PhoneNumbers().Add().SetPhoneNumber(u"555");
  TvEmail& email = c.Emails().Add();
  email.SetEmailAddress(u"zoe@example.org");
  email.SetPreferred(true);
  c.Emails().Add().SetEmailType(ftWork);
  c.Emails().Add().SetEmailType(ftOther);
  TvSocialItem& s = c.SocialProfile().Add();
  s.SetService(u"twitter");
  s.SetUser(u"zoé");
  s.SetURI(u"https://twitter.com/zoe");
  TPicture picture;
  picture.SetImage(test::PngBytes(500), ikPNG);
  c.SetPhoto(&picture);
  return c;
}

void ExpectSameReadBack(const TvContact& a, const TvContact& b) {
  EXPECT_EQ(b.vCardVersion(), a.vCardVersion());
  for (auto text : {&TvContact::ID, &TvContact::FirstName, &TvContact::LastName, &TvContact::MiddleName,
                    &TvContact::NamePrefix, &TvContact::NameSuffix, &TvContact::FullName,
                    &TvContact::NickName, &TvContact::Company, &TvContact::JobTitle,
                    &TvContact::Profession, &TvContact::WebsiteURL, &TvContact::Source,
                    &TvContact::PhotoStr})
    EXPECT_EQ(test::Utf8((b.*text)()), test::Utf8((a.*text)()));
  // 4.0 carries the sort string as a parameter of N, which is not read.
  if (a.vCardVersion() != vv40) {
    EXPECT_EQ(b.SortString(), a.SortString());
  }
  EXPECT_EQ(b.BirthDay(), a.BirthDay());
  EXPECT_EQ(b.Updated(), a.Updated());
  EXPECT_EQ(b.Categories(), a.Categories());
  EXPECT_EQ(b.Note(), a.Note());
  EXPECT_EQ(b.GeoLocation().Latitude(), a.GeoLocation().Latitude());
  EXPECT_EQ(b.GeoLocation().Longitude(), a.GeoLocation().Longitude());
  EXPECT_EQ(b.Photo(), a.Photo());
  EXPECT_EQ(b.PhotoType(), a.PhotoType());
  ASSERT_EQ(b.Addresses().Count(), a.Addresses().Count());
  for (int i = 0; i < a.Addresses().Count(); ++i) {
    const TvAddress& x = a.Addresses().GetItem(i);
    const TvAddress& y = b.Addresses().GetItem(i);
    for (auto text : {&TvAddress::POBox, &TvAddress::Number, &TvAddress::Street, &TvAddress::City,
                      &TvAddress::Region, &TvAddress::PostCode, &TvAddress::Country})
      EXPECT_EQ(test::Utf8((y.*text)()), test::Utf8((x.*text)()));
    EXPECT_EQ(y.AddressType(), x.AddressType());
    EXPECT_EQ(y.Preferred(), x.Preferred());
    EXPECT_EQ(y.MailingLabel(), x.MailingLabel());
  }
  ASSERT_EQ(b.PhoneNumbers().Count(), a.PhoneNumbers().Count());
  for (int i = 0; i < a.PhoneNumbers().Count(); ++i) {
    EXPECT_EQ(b.PhoneNumbers().GetItem(i).PhoneNumber(), a.PhoneNumbers().GetItem(i).PhoneNumber());
    EXPECT_EQ(b.PhoneNumbers().GetItem(i).PhoneType(), a.PhoneNumbers().GetItem(i).PhoneType());
    EXPECT_EQ(b.PhoneNumbers().GetItem(i).Preferred(), a.PhoneNumbers().GetItem(i).Preferred());
  }
  ASSERT_EQ(b.Emails().Count(), a.Emails().Count());
  for (int i = 0; i < a.Emails().Count(); ++i) {
    EXPECT_EQ(b.Emails().GetEmail(i).EmailAddress(), a.Emails().GetEmail(i).EmailAddress());
    EXPECT_EQ(b.Emails().GetEmail(i).EmailType(), a.Emails().GetEmail(i).EmailType());
    EXPECT_EQ(b.Emails().GetEmail(i).Preferred(), a.Emails().GetEmail(i).Preferred());
  }
  ASSERT_EQ(b.SocialProfile().Count(), a.SocialProfile().Count());
  for (int i = 0; i < a.SocialProfile().Count(); ++i) {
    EXPECT_EQ(b.SocialProfile().GetItem(i).Service(), a.SocialProfile().GetItem(i).Service());
    EXPECT_EQ(b.SocialProfile().GetItem(i).User(), a.SocialProfile().GetItem(i).User());
    EXPECT_EQ(b.SocialProfile().GetItem(i).URI(), a.SocialProfile().GetItem(i).URI());
  }
}

// Writes `card` as a file's bytes and reads them into a new card.
void WriteAndRead(TvCard& card, TvCard& back) {
  std::ostringstream out;
  card.SaveToStream(out);
  test::ReadText(back, out.str());
}

class RoundTrip : public testing::TestWithParam<TvCardVersion> {};

TEST_P(RoundTrip, EveryPropertyTheReaderReads) {
  TvCard card, back;
  TvContact& written = AddRichContact(card, GetParam());
  AddRichContact(card, GetParam()).SetFirstName(u"Second");
  WriteAndRead(card, back);
  ASSERT_EQ(back.vContacts().Count(), 2);
  ExpectSameReadBack(written, back.vContacts().GetvContact(0));
  ExpectSameReadBack(card.vContacts().GetvContact(1), back.vContacts().GetvContact(1));
}

INSTANTIATE_TEST_SUITE_P(Versions, RoundTrip, testing::Values(vv21, vv30, vv40),
                         [](const auto& info) { return "V" + std::to_string(int(info.param)); });

// Contacts as the window builds them: names, company, title, a cell phone,
// an e-mail and an address with street, city and postal code.
class WindowContact : public testing::TestWithParam<std::tuple<TvCardVersion, const char16_t*>> {};

TEST_P(WindowContact, RoundTripsExactly) {
  const auto [version, script] = GetParam();
  const std::u16string word(script);
  TvCard card, back;
  TvContact& c = card.vContacts().Add();
  c.SetvCardVersion(version);
  c.SetFirstName(word + u" first");
  c.SetLastName(word + u" last");
  c.SetNamePrefix(word);
  c.SetCompany(word + u" & Co");
  c.SetJobTitle(word + u" title");
  TvPhone& phone = c.PhoneNumbers().Add();
  phone.SetPhoneType({ptCell});
  phone.SetPhoneNumber(u"06 12 34 56 78");
  c.PhoneNumbers().Add().SetPhoneType({ptVoice});
  c.Emails().Add().SetEmailAddress(word + u"@example.org");
  TvAddress& a = c.Addresses().Add();
  a.SetStreet(u"12 " + word + u" street, building " + word + u" " + word + u" " + word);
  a.SetCity(word + u" city");
  a.SetPostCode(u"45000");
  WriteAndRead(card, back);
  ASSERT_EQ(back.vContacts().Count(), 1);
  const TvContact& r = back.vContacts().GetvContact(0);
  EXPECT_EQ(r.FirstName(), c.FirstName());
  EXPECT_EQ(r.LastName(), c.LastName());
  EXPECT_EQ(r.NamePrefix(), c.NamePrefix());
  EXPECT_EQ(r.FullName(), c.FirstName() + u" " + c.LastName());
  EXPECT_EQ(r.Company(), c.Company());
  EXPECT_EQ(r.JobTitle(), c.JobTitle());
  ASSERT_EQ(r.PhoneNumbers().Count(), 2);
  EXPECT_EQ(r.PhoneNumbers().GetItem(0).PhoneType(), TvPhoneTypes({ptCell}));
  EXPECT_EQ(r.PhoneNumbers().GetItem(0).PhoneNumber(), u"06 12 34 56 78");
  EXPECT_EQ(r.PhoneNumbers().GetItem(1).PhoneType(), TvPhoneTypes({ptVoice}));
  ASSERT_EQ(r.Emails().Count(), 1);
  EXPECT_EQ(r.Emails().GetEmail(0).EmailAddress(), c.Emails().GetEmail(0).EmailAddress());
  EXPECT_EQ(r.Emails().GetEmail(0).EmailType(), ftHome);
  ASSERT_EQ(r.Addresses().Count(), 1);
  EXPECT_EQ(test::Utf8(r.Addresses().GetItem(0).Street()), test::Utf8(a.Street()));
  EXPECT_EQ(test::Utf8(r.Addresses().GetItem(0).City()), test::Utf8(a.City()));
  EXPECT_EQ(r.Addresses().GetItem(0).PostCode(), u"45000");
  EXPECT_EQ(r.Addresses().GetItem(0).AddressType(), ftHome);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, WindowContact,
    testing::Combine(testing::Values(vv21, vv30, vv40),
                     testing::Values(u"Smith", u"Orléans", u"Ærøskøbing€", u"Łódź", u"Москва", u"Αθήνα",
                                     u"東京都", u"القاهرة", u"שלום", u"हिन्दी", u"😀")));

}  // namespace
}  // namespace tabulon
