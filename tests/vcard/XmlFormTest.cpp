#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "VCardTestSupport.h"
#include "vcard/Contact.h"
#include "vcard/Errors.h"

namespace tabulon {
namespace {

// The element structure of a document: each element's name, and the text
// of those that hold text, in document order.
std::string Structure(std::u16string_view xml) {
  pugi::xml_document doc;
  const std::string utf8 = test::Utf8(xml);
  EXPECT_TRUE(doc.load_buffer(utf8.data(), utf8.size(), pugi::parse_default | pugi::parse_ws_pcdata_single));
  std::string out;
  struct Walker : pugi::xml_tree_walker {
    std::string* out;
    bool for_each(pugi::xml_node& node) override {
      if (node.type() == pugi::node_element) *out += std::string("/") + node.name();
      if (node.type() == pugi::node_pcdata) *out += std::string("=") + node.value();
      return true;
    }
  } walker;
  walker.out = &out;
  doc.traverse(walker);
  return out;
}

TEST(XmlForm, EmailsDocument) {
  TvContact c;
  TvEmail& e = c.Emails().Add();
  e.SetEmailAddress(u"ann@work.example");
  e.SetEmailType(ftWork);
  e.SetPreferred(true);
  c.Emails().Add().SetEmailType(ftOther);
  EXPECT_EQ(Structure(c.Emails().ToXml()),
            "/webdavcollection/emails/email/emailaddress=ann@work.example/emailtype=WORK/preferred=-1"
            "/email/emailaddress/emailtype=OTHER/preferred=0");
  TvContact none;
  EXPECT_EQ(Structure(none.Emails().ToXml()), "/webdavcollection/emails");
}

TEST(XmlForm, PhonesAndAddressesDocuments) {
  TvContact c;
  TvPhone& p = c.PhoneNumbers().Add();
  p.SetPhoneNumber(u"123");
  p.SetPhoneType({ptCell, ptTextPhone});
  p.SetFieldType(ftWork);
  EXPECT_EQ(Structure(c.PhoneNumbers().ToXml()),
            "/webdavcollection/phones/phone/phonenumber=123/preferred=0/fieldtype=WORK/istext=0"
            "/isvoice=0/isfax=0/iscell=-1/isvideo=0/ispager=0/istextphone=-1");
  TvAddress& a = c.Addresses().Add();
  a.SetStreet(u"Rue");
  a.SetCity(u"Orléans");
  a.SetPOBox(u"B");
  a.MailingLabel().Add(u"x");
  EXPECT_EQ(Structure(c.Addresses().ToXml()),
            "/webdavcollection/addresses/address/street=Rue/country/number/postcode/city=Orléans"
            "/region/addresstype=HOME/mailinglabel=x\n/preferred=0/pobox=B");
}

TEST(XmlForm, RoundTripsEveryField) {
  TvContact c;
  TvEmail& e = c.Emails().Add();
  e.SetEmailAddress(u"zoé@example.org <&>");
  e.SetEmailType(ftOther);
  e.SetPreferred(true);
  TvPhone& p = c.PhoneNumbers().Add();
  p.SetPhoneNumber(u"+33 1");
  p.SetPhoneType(TvPhoneTypes::FromByte(0x55));
  p.SetFieldType(ftWork);
  p.SetPreferred(true);
  TvAddress& a = c.Addresses().Add();
  a.SetPOBox(u"PB");
  a.SetNumber(u"3");
  a.SetStreet(u"Тверская");
  a.SetCity(u" ");
  a.SetRegion(u"R");
  a.SetPostCode(u"45000");
  a.SetCountry(u"F");
  a.SetAddressType(ftWork);
  a.SetPreferred(true);
  a.MailingLabel().Add(u"l1");
  a.MailingLabel().Add(u"l2");

  TvContact back;
  back.Emails().LoadFromXml(c.Emails().ToXml());
  back.PhoneNumbers().LoadFromXml(c.PhoneNumbers().ToXml());
  back.Addresses().LoadFromXml(c.Addresses().ToXml());
  const TvEmail& e2 = back.Emails().GetEmail(0);
  EXPECT_EQ(e2.EmailAddress(), e.EmailAddress());
  EXPECT_EQ(e2.EmailType(), ftOther);
  EXPECT_TRUE(e2.Preferred());
  const TvPhone& p2 = back.PhoneNumbers().GetItem(0);
  EXPECT_EQ(p2.PhoneNumber(), p.PhoneNumber());
  EXPECT_EQ(p2.PhoneType(), p.PhoneType());
  EXPECT_EQ(p2.FieldType(), ftWork);
  EXPECT_TRUE(p2.Preferred());
  const TvAddress& a2 = back.Addresses().GetItem(0);
  for (auto field : {&TvAddress::POBox, &TvAddress::Number, &TvAddress::Street, &TvAddress::City,
                     &TvAddress::Region, &TvAddress::PostCode, &TvAddress::Country})
    EXPECT_EQ((a2.*field)(), (a.*field)());
  EXPECT_EQ(a2.AddressType(), ftWork);
  EXPECT_TRUE(a2.Preferred());
  EXPECT_EQ(a2.MailingLabel(), a.MailingLabel());
}

struct LoadCase {
  const char* name;
  std::u16string xml;
  std::function<void(const TvContact&)> check;
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class XmlLoad : public testing::TestWithParam<LoadCase> {};

TEST_P(XmlLoad, Reads) {
  TvContact c;
  c.Emails().Add();
  c.PhoneNumbers().Add();
  c.PhoneNumbers().LoadFromXml(GetParam().xml);
  c.Emails().LoadFromXml(GetParam().xml);
  GetParam().check(c);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, XmlLoad,
    testing::Values(
        LoadCase{"PhoneFlags",
                 u"<webdavcollection><phones><phone><iscell>-1</iscell><isvoice>0</isvoice>"
                 u"<isfax>True</isfax><ispager>false</ispager><isvideo> 2 </isvideo></phone></phones>"
                 u"</webdavcollection>",
                 [](const TvContact& c) {
                   ASSERT_EQ(c.PhoneNumbers().Count(), 1);
                   EXPECT_EQ(c.PhoneNumbers().GetItem(0).PhoneType(), TvPhoneTypes({ptCell, ptFax, ptVideo}));
                   EXPECT_EQ(c.PhoneNumbers().GetItem(0).FieldType(), ftHome);
                   EXPECT_EQ(c.Emails().Count(), 0);
                 }},
        LoadCase{"FieldTypesByContainment",
                 u"<any><emails><email><emailtype>home</emailtype></email>"
                 u"<email><emailtype>x400</emailtype></email><email><emailtype>Work</emailtype></email>"
                 u"</emails></any>",
                 [](const TvContact& c) {
                   ASSERT_EQ(c.Emails().Count(), 3);
                   EXPECT_EQ(c.Emails().GetEmail(0).EmailType(), ftHome);
                   EXPECT_EQ(c.Emails().GetEmail(1).EmailType(), ftOther);
                   EXPECT_EQ(c.Emails().GetEmail(2).EmailType(), ftWork);
                 }},
        LoadCase{"NamesAreCaseSensitive",
                 u"<r><Emails><email/></Emails><emails><Email/><EMAIL/>"
                 u"<email><EmailAddress>x</EmailAddress></email></emails></r>",
                 [](const TvContact& c) {
                   ASSERT_EQ(c.Emails().Count(), 1);
                   EXPECT_EQ(c.Emails().GetEmail(0).EmailAddress(), u"");
                 }},
        LoadCase{"LocalNamesWithPrefixes",
                 u"<d:r xmlns:d='urn:x'><d:emails><d:email><d:emailaddress>a@b</d:emailaddress>"
                 u"</d:email></d:emails></d:r>",
                 [](const TvContact& c) {
                   ASSERT_EQ(c.Emails().Count(), 1);
                   EXPECT_EQ(c.Emails().GetEmail(0).EmailAddress(), u"a@b");
                 }},
        LoadCase{"EmptyTextEmpties", u"",
                 [](const TvContact& c) {
                   EXPECT_EQ(c.Emails().Count(), 0);
                   EXPECT_EQ(c.PhoneNumbers().Count(), 0);
                 }}),
    [](const auto& info) { return info.param.name; });

TEST(XmlForm, MalformedXmlIsAnErrorAfterEmptying) {
  TvContact c;
  c.Emails().Add();
  EXPECT_THROW(c.Emails().LoadFromXml(u"<webdavcollection><emails>"), EvCardError);
  EXPECT_EQ(c.Emails().Count(), 0);
}

TEST(XmlForm, BadBooleanKeepsTheItemsBeforeIt) {
  TvContact c;
  EXPECT_THROW(c.Emails().LoadFromXml(u"<r><emails><email><preferred>1</preferred></email>"
                                      u"<email><preferred>yes</preferred></email></emails></r>"),
               EvCardError);
  ASSERT_EQ(c.Emails().Count(), 2);
  EXPECT_TRUE(c.Emails().GetEmail(0).Preferred());
}

}  // namespace
}  // namespace tabulon
