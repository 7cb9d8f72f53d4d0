#include "vcard/Card.h"

#include <gtest/gtest.h>

#include "VCardTestSupport.h"
#include "vcard/Errors.h"

namespace tabulon {
namespace {

TEST(Contact, NewContactHasItsDefaults) {
  TvCard card;
  TvContact& c = card.vContacts().Add();
  EXPECT_EQ(c.vCardVersion(), vv30);
  EXPECT_EQ(c.PhotoEncoding(), feInternalBase64);
  EXPECT_EQ(c.PhotoType(), itJPEG);
  EXPECT_EQ(c.Emails().Count() + c.PhoneNumbers().Count() + c.Addresses().Count() +
                c.SocialProfile().Count() + c.Categories().Count() + c.Note().Count(),
            0);
  EXPECT_EQ(c.GeoLocation().Latitude(), 0);
  EXPECT_EQ(c.GeoLocation().Longitude(), 0);
  EXPECT_TRUE(c.Photo().Empty());
  EXPECT_EQ(c.BirthDay(), 0);
  EXPECT_EQ(c.Collection(), &card.vContacts());
  EXPECT_EQ(card.vContacts().GetOwner(), &card);
  EXPECT_EQ(c.Emails().GetOwner(), &c);
  EXPECT_EQ(c.Emails().Add().Collection(), &c.Emails());
  EXPECT_EQ(c.PhoneNumbers().Add().FieldType(), ftHome);
}

TEST(Contact, AssignCopiesIntoTheTargetsOwnItems) {
  TvCard card;
  TvContact& source = card.vContacts().Add();
  source.SetFirstName(u"Ann");
  source.SetvCardVersion(vv21);
  source.Emails().Add().SetEmailAddress(u"ann@example.org");
  source.PhoneNumbers().Add().SetPhoneType({ptCell});
  TvAddress& address = source.Addresses().Add();
  address.SetCity(u"Orléans");
  address.MailingLabel().Add(u"line");
  source.Categories().Add(u"Friends");
  source.GeoLocation().SetLatitude(1.5);
  TPicture picture;
  picture.SetImage(test::PngBytes(), ikPNG);
  source.SetPhoto(&picture);
  source.SocialProfile().Add().SetUser(u"ann");
  source.SetPhotoStr(u"c3Ry");

  TvContact& target = card.vContacts().Add();
  target.Emails().Add();
  target.Emails().Add();
  target.Assign(source);
  source.Emails().GetEmail(0).SetEmailAddress(u"changed");
  source.Addresses().GetItem(0).MailingLabel().Add(u"more");

  EXPECT_EQ(target.FirstName(), u"Ann");
  EXPECT_EQ(target.vCardVersion(), vv21);
  ASSERT_EQ(target.Emails().Count(), 1);
  EXPECT_EQ(target.Emails().GetEmail(0).EmailAddress(), u"ann@example.org");
  EXPECT_EQ(target.Emails().GetEmail(0).Collection(), &target.Emails());
  EXPECT_EQ(target.PhoneNumbers().GetItem(0).PhoneType(), TvPhoneTypes({ptCell}));
  EXPECT_EQ(target.Addresses().GetItem(0).City(), u"Orléans");
  EXPECT_EQ(target.Addresses().GetItem(0).MailingLabel().Count(), 1);
  EXPECT_EQ(target.Categories().Strings(0), u"Friends");
  EXPECT_EQ(target.GeoLocation().Latitude(), 1.5);
  EXPECT_EQ(target.Photo(), source.Photo());
  EXPECT_EQ(target.PhotoType(), itPNG);
  // Social entries and the base64 text are not part of a contact's copy.
  EXPECT_EQ(target.SocialProfile().Count(), 0);
  EXPECT_EQ(target.PhotoStr(), u"");
}

TEST(Contact, AssignFromItselfKeepsEverything) {
  TvContact c;
  c.Emails().Add().SetEmailAddress(u"a@b");
  c.Assign(c);
  c.Emails().Assign(c.Emails());
  ASSERT_EQ(c.Emails().Count(), 1);
  EXPECT_EQ(c.Emails().GetEmail(0).EmailAddress(), u"a@b");
}

TEST(Contact, AssignFromAnotherClassChangesNothing) {
  TvEmail email;
  email.SetEmailAddress(u"a@b");
  TvPhone phone;
  phone.SetPhoneNumber(u"123");
  phone.Assign(email);
  EXPECT_EQ(phone.PhoneNumber(), u"123");
  TvContact contact;
  contact.Assign(email);
  EXPECT_EQ(contact.FirstName(), u"");
}

TEST(Contact, ItemSettersCopyIntoTheIndexedItem) {
  TvCard card;
  TvContact& c = card.vContacts().Add();
  c.Emails().Add();
  TvEmail given;
  given.SetEmailAddress(u"x@y");
  given.SetEmailType(ftWork);
  c.Emails().SetEmail(0, given);
  EXPECT_EQ(c.Emails().GetEmail(0).EmailType(), ftWork);
  EXPECT_EQ(c.Emails().GetEmail(0).Collection(), &c.Emails());

  TvContact other;
  other.SetLastName(u"Lee");
  card.vContacts().SetvContact(0, other);
  EXPECT_EQ(card.vContacts().GetvContact(0).LastName(), u"Lee");
}

TEST(Contact, PhoneTypesAreOneByteOfFlags) {
  EXPECT_EQ(TvPhoneTypes({ptCell, ptVoice}).Byte(), 10);
  EXPECT_EQ(TvPhoneTypes({ptText}).Byte(), 1);
  EXPECT_EQ(TvPhoneTypes({ptTextPhone}).Byte(), 64);
  EXPECT_TRUE(TvPhoneTypes::FromByte(10).Contains(ptVoice));
  EXPECT_FALSE(TvPhoneTypes::FromByte(10).Contains(ptFax));
}

TEST(Contact, SettingPhotoFollowsTheImageKind) {
  struct Case {
    TImageKind kind;
    std::string bytes;
    TvImageType expected;
  };
  const Case cases[] = {{ikPNG, test::PngBytes(), itPNG},
                        {ikJPEG, test::JpegBytes(), itJPEG},
                        {ikGIF, test::ImageBytes("GIF89a"), itGIF},
                        {ikBitmap, test::ImageBytes("BM"), itGIF}};
  for (const Case& c : cases) {
    TvContact contact;
    contact.SetPhotoType(itGIF);
    TPicture picture;
    picture.SetImage(c.bytes, c.kind);
    contact.SetPhoto(&picture);
    EXPECT_EQ(contact.PhotoType(), c.expected) << static_cast<int>(c.kind);
    EXPECT_EQ(contact.Photo().Bytes(), c.bytes);
  }
  TvContact contact;
  TPicture picture;
  picture.SetImage(test::PngBytes(), ikPNG);
  contact.SetPhoto(&picture);
  contact.SetPhoto(nullptr);
  EXPECT_TRUE(contact.Photo().Empty());
  EXPECT_EQ(contact.PhotoType(), itPNG);
}

TEST(Collections, InsertDeleteAndIndexErrors) {
  TvContact c;
  c.PhoneNumbers().Add().SetPhoneNumber(u"1");
  c.PhoneNumbers().Add().SetPhoneNumber(u"3");
  c.PhoneNumbers().Insert(1).SetPhoneNumber(u"2");
  c.PhoneNumbers().Insert(0).SetPhoneNumber(u"0");
  std::u16string order;
  for (const TvPhone& p : c.PhoneNumbers()) order += p.PhoneNumber();
  EXPECT_EQ(order, u"0123");
  c.PhoneNumbers().Delete(0);
  EXPECT_EQ(c.PhoneNumbers().GetItem(0).PhoneNumber(), u"1");
  EXPECT_THROW(c.PhoneNumbers().GetItem(3), EListError);
  EXPECT_THROW(c.PhoneNumbers().GetItem(-1), EListError);
  EXPECT_THROW(c.PhoneNumbers().Insert(4), EListError);
  EXPECT_THROW(c.PhoneNumbers().Delete(3), EListError);
  EXPECT_THROW(c.Note().Strings(0), EListError);
  c.PhoneNumbers().Clear();
  EXPECT_EQ(c.PhoneNumbers().Count(), 0);
}

TEST(Card, SettingContactsCopiesThem) {
  TvCard a, b;
  a.vContacts().Add().SetLastName(u"Lee");
  b.vContacts().Add();
  b.vContacts().Add();
  b.SetvContacts(a.vContacts());
  ASSERT_EQ(b.vContacts().Count(), 1);
  EXPECT_EQ(b.vContacts().GetvContact(0).LastName(), u"Lee");
  EXPECT_EQ(b.vContacts().GetvContact(0).Collection(), &b.vContacts());
}

}  // namespace
}  // namespace tabulon
