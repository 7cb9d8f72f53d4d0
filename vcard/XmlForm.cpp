// The XML form of a contact's e-mail, phone and address lists:
//   <webdavcollection><emails><email><emailaddress>...</emailaddress>...
// Every field is a child element holding its value as text; booleans are
// "-1" and "0"; field types are HOME, WORK or OTHER.
#include <pugixml.hpp>

#include <cstdlib>
#include <sstream>

#include "platform/Printf.h"
#include "platform/TextEncoding.h"
#include "vcard/Collections.h"
#include "vcard/Encodings.h"
#include "vcard/Errors.h"
#include "vcard/ReaderLines.h"

namespace tabulon {
namespace {

constexpr char kRoot[] = "webdavcollection";

// A document with the root and the collection element; returns the latter.
pugi::xml_node NewCollection(pugi::xml_document& doc, const char* name) {
  return doc.append_child(kRoot).append_child(name);
}

void AddField(pugi::xml_node item, const char* name, std::u16string_view value) {
  item.append_child(name).text().set(ToUtf8(value).c_str());
}

void AddField(pugi::xml_node item, const char* name, bool value) {
  item.append_child(name).text().set(value ? "-1" : "0");
}

void AddField(pugi::xml_node item, const char* name, TvFieldType value) {
  AddField(item, name, FieldTypeText(value, vvNone));
}

std::u16string Save(const pugi::xml_document& doc) {
  std::ostringstream out;
  doc.save(out, "  ", pugi::format_indent, pugi::encoding_utf8);
  return FromUtf8(out.str());
}

std::string_view LocalName(const pugi::xml_node& node) {
  const std::string_view name = node.name();
  const size_t colon = name.rfind(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// All the text directly inside an element.
std::u16string Text(const pugi::xml_node& node) {
  std::string text;
  for (const pugi::xml_node& child : node.children())
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) text += child.value();
  return FromUtf8(text);
}

// A number is true unless it is 0; True and False are accepted in any case.
bool ReadBoolean(const pugi::xml_node& node) {
  const std::u16string text = Text(node);
  const std::u16string word = AsciiUpper(Trim(text));
  if (word == u"TRUE") return true;
  if (word == u"FALSE") return false;
  const std::string ascii = ToUtf8(Trim(text));
  char* end = nullptr;
  const bool plain = !ascii.empty() && ascii.find_first_not_of("0123456789+-.eE") == std::string::npos;
  const double value = plain ? std::strtod(ascii.c_str(), &end) : 0;
  if (!plain || end != ascii.c_str() + ascii.size())
    throw EvCardError(Printf("'%s' is not a valid boolean value", ToUtf8(text).c_str()));
  return value != 0;
}

// Parses `xmlData` and calls `readItem` for every item element found under
// the collection element of the root; the collection has been emptied.
template <class ReadItem>
void ForEachItem(std::u16string_view xmlData, std::string_view collection, std::string_view item,
                 ReadItem readItem) {
  if (xmlData.empty()) return;
  const std::string utf8 = ToUtf8(xmlData);
  pugi::xml_document doc;
  const pugi::xml_parse_result result =
      doc.load_buffer(utf8.data(), utf8.size(), pugi::parse_default | pugi::parse_ws_pcdata_single,
                      pugi::encoding_utf8);
  if (!result)
    throw EvCardError(Printf("Invalid XML at offset %lld: %s",
                             static_cast<long long>(result.offset), result.description()));
  for (const pugi::xml_node& list : doc.document_element().children()) {
    if (list.type() != pugi::node_element || LocalName(list) != collection) continue;
    for (const pugi::xml_node& node : list.children())
      if (node.type() == pugi::node_element && LocalName(node) == item) readItem(node);
  }
}

}  // namespace

std::u16string TvEmailCollection::ToXml() const {
  pugi::xml_document doc;
  pugi::xml_node list = NewCollection(doc, "emails");
  for (const TvEmail& email : *this) {
    pugi::xml_node item = list.append_child("email");
    AddField(item, "emailaddress", email.EmailAddress());
    AddField(item, "emailtype", email.EmailType());
    AddField(item, "preferred", email.Preferred());
  }
  return Save(doc);
}

void TvEmailCollection::LoadFromXml(std::u16string_view xmlData) {
  Clear();
  ForEachItem(xmlData, "emails", "email", [this](const pugi::xml_node& node) {
    TvEmail& email = Add();
    for (const pugi::xml_node& field : node.children()) {
      const std::string_view name = LocalName(field);
      if (name == "emailaddress") email.SetEmailAddress(Text(field));
      if (name == "emailtype") email.SetEmailType(ParseFieldType(Text(field)));
      if (name == "preferred") email.SetPreferred(ReadBoolean(field));
    }
  });
}

namespace {

constexpr struct {
  const char* name;
  TvPhoneType type;
} kPhoneFlags[] = {{"istext", ptText},   {"isvoice", ptVoice}, {"isfax", ptFax},
                   {"iscell", ptCell},   {"isvideo", ptVideo}, {"ispager", ptPager},
                   {"istextphone", ptTextPhone}};

}  // namespace

std::u16string TvPhoneCollection::ToXml() const {
  pugi::xml_document doc;
  pugi::xml_node list = NewCollection(doc, "phones");
  for (const TvPhone& phone : *this) {
    pugi::xml_node item = list.append_child("phone");
    AddField(item, "phonenumber", phone.PhoneNumber());
    AddField(item, "preferred", phone.Preferred());
    AddField(item, "fieldtype", phone.FieldType());
    for (const auto& flag : kPhoneFlags) AddField(item, flag.name, phone.PhoneType().Contains(flag.type));
  }
  return Save(doc);
}

void TvPhoneCollection::LoadFromXml(std::u16string_view xmlData) {
  Clear();
  ForEachItem(xmlData, "phones", "phone", [this](const pugi::xml_node& node) {
    TvPhone& phone = Add();
    TvPhoneTypes types;
    for (const pugi::xml_node& field : node.children()) {
      const std::string_view name = LocalName(field);
      if (name == "phonenumber") phone.SetPhoneNumber(Text(field));
      if (name == "preferred") phone.SetPreferred(ReadBoolean(field));
      if (name == "fieldtype") phone.SetFieldType(ParseFieldType(Text(field)));
      for (const auto& flag : kPhoneFlags)
        if (name == flag.name && ReadBoolean(field)) types.Include(flag.type);
    }
    phone.SetPhoneType(types);
  });
}

std::u16string TvAddressCollection::ToXml() const {
  pugi::xml_document doc;
  pugi::xml_node list = NewCollection(doc, "addresses");
  for (const TvAddress& address : *this) {
    pugi::xml_node item = list.append_child("address");
    AddField(item, "street", address.Street());
    AddField(item, "country", address.Country());
    AddField(item, "number", address.Number());
    AddField(item, "postcode", address.PostCode());
    AddField(item, "city", address.City());
    AddField(item, "region", address.Region());
    AddField(item, "addresstype", address.AddressType());
    AddField(item, "mailinglabel", address.MailingLabel().Text());
    AddField(item, "preferred", address.Preferred());
    AddField(item, "pobox", address.POBox());
  }
  return Save(doc);
}

void TvAddressCollection::LoadFromXml(std::u16string_view xmlData) {
  Clear();
  ForEachItem(xmlData, "addresses", "address", [this](const pugi::xml_node& node) {
    TvAddress& address = Add();
    using Setter = void (TvAddress::*)(std::u16string);
    static constexpr struct {
      std::string_view name;
      Setter set;
    } kTexts[] = {{"street", &TvAddress::SetStreet}, {"country", &TvAddress::SetCountry},
                  {"number", &TvAddress::SetNumber}, {"postcode", &TvAddress::SetPostCode},
                  {"city", &TvAddress::SetCity},     {"region", &TvAddress::SetRegion},
                  {"pobox", &TvAddress::SetPOBox}};
    for (const pugi::xml_node& field : node.children()) {
      const std::string_view name = LocalName(field);
      for (const auto& text : kTexts)
        if (name == text.name) (address.*text.set)(Text(field));
      if (name == "addresstype") address.SetAddressType(ParseFieldType(Text(field)));
      if (name == "mailinglabel") address.MailingLabel().SetText(Text(field));
      if (name == "preferred") address.SetPreferred(ReadBoolean(field));
    }
  });
}

}  // namespace tabulon
