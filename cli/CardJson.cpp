#include "cli/CardJson.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/DateTime.h"
#include "platform/Printf.h"
#include "platform/TextEncoding.h"
#include "vcard/Base64.h"
#include "vcard/Card.h"
#include "vcard/Errors.h"
#include "vcard/ReaderLines.h"

namespace tabulon::cli {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

constexpr std::array<std::string_view, 4> kVersions = {"vvNone", "vv21", "vv30", "vv40"};
constexpr std::array<std::string_view, 3> kFieldTypes = {"ftHome", "ftWork", "ftOther"};
constexpr std::array<std::string_view, kPhoneTypeCount> kPhoneTypes = {
    "ptText", "ptVoice", "ptFax", "ptCell", "ptVideo", "ptPager", "ptTextPhone"};
constexpr std::array<std::string_view, 2> kFileEncodings = {"feExternalURL", "feInternalBase64"};
constexpr std::array<std::string_view, 3> kImageTypes = {"itGIF", "itJPEG", "itPNG"};

template <class T>
struct TextField {
  const char* key;
  const std::u16string& (T::*get)() const;
  void (T::*set)(std::u16string);
};

constexpr TextField<TvContact> kContactTexts[] = {
    {"ID", &TvContact::ID, &TvContact::SetID},
    {"FirstName", &TvContact::FirstName, &TvContact::SetFirstName},
    {"LastName", &TvContact::LastName, &TvContact::SetLastName},
    {"MiddleName", &TvContact::MiddleName, &TvContact::SetMiddleName},
    {"NamePrefix", &TvContact::NamePrefix, &TvContact::SetNamePrefix},
    {"NameSuffix", &TvContact::NameSuffix, &TvContact::SetNameSuffix},
    {"FullName", &TvContact::FullName, &TvContact::SetFullName},
    {"NickName", &TvContact::NickName, &TvContact::SetNickName},
    {"Company", &TvContact::Company, &TvContact::SetCompany},
    {"JobTitle", &TvContact::JobTitle, &TvContact::SetJobTitle},
    {"Profession", &TvContact::Profession, &TvContact::SetProfession},
    {"WebsiteURL", &TvContact::WebsiteURL, &TvContact::SetWebsiteURL},
    {"Source", &TvContact::Source, &TvContact::SetSource},
    {"PhotoURL", &TvContact::PhotoURL, &TvContact::SetPhotoURL},
    {"ProdID", &TvContact::ProdID, &TvContact::SetProdID},
    {"SortString", &TvContact::SortString, &TvContact::SetSortString},
    {"TimeZone", &TvContact::TimeZone, &TvContact::SetTimeZone},
    {"PhotoStr", &TvContact::PhotoStr, &TvContact::SetPhotoStr},
};

constexpr TextField<TvAddress> kAddressTexts[] = {
    {"POBox", &TvAddress::POBox, &TvAddress::SetPOBox},
    {"Number", &TvAddress::Number, &TvAddress::SetNumber},
    {"Street", &TvAddress::Street, &TvAddress::SetStreet},
    {"City", &TvAddress::City, &TvAddress::SetCity},
    {"Region", &TvAddress::Region, &TvAddress::SetRegion},
    {"PostCode", &TvAddress::PostCode, &TvAddress::SetPostCode},
    {"Country", &TvAddress::Country, &TvAddress::SetCountry},
};

constexpr TextField<TvSocialItem> kSocialTexts[] = {
    {"URI", &TvSocialItem::URI, &TvSocialItem::SetURI},
    {"Service", &TvSocialItem::Service, &TvSocialItem::SetService},
    {"User", &TvSocialItem::User, &TvSocialItem::SetUser},
};

// ---- model to JSON ----

std::string Utf8(std::u16string_view text) { return ToUtf8(text); }

template <size_t N>
std::string Identifier(int value, const std::array<std::string_view, N>& names) {
  if (value < 0 || static_cast<size_t>(value) >= N) return std::to_string(value);
  return std::string(names[value]);
}

// Rounded to the second; null for 0.
ordered_json DateTimeJson(TDateTime value) {
  if (value == 0) return nullptr;
  DateTimeFields f;
  if (!TryDecodeDateTime(std::llround(value * 86400.0) / 86400.0, f)) return nullptr;
  return Printf("%04d-%02d-%02dT%02d:%02d:%02d", f.Year, f.Month, f.Day, f.Hour, f.Minute, f.Second);
}

ordered_json LinesJson(const TStringList& list) {
  ordered_json lines = ordered_json::array();
  for (const auto& line : list.Lines()) lines.push_back(Utf8(line));
  return lines;
}

template <class T, size_t N>
void PutTexts(ordered_json& object, const T& item, const TextField<T> (&fields)[N]) {
  for (const auto& field : fields) object[field.key] = Utf8((item.*field.get)());
}

ordered_json EmailJson(const TvEmail& email) {
  return {{"EmailAddress", Utf8(email.EmailAddress())},
          {"EmailType", Identifier(email.EmailType(), kFieldTypes)},
          {"Preferred", email.Preferred()}};
}

ordered_json PhoneJson(const TvPhone& phone) {
  ordered_json types = ordered_json::array();
  for (int t = 0; t < kPhoneTypeCount; ++t)
    if (phone.PhoneType().Contains(static_cast<TvPhoneType>(t))) types.push_back(kPhoneTypes[t]);
  return {{"PhoneNumber", Utf8(phone.PhoneNumber())},
          {"PhoneType", types},
          {"FieldType", Identifier(phone.FieldType(), kFieldTypes)},
          {"Preferred", phone.Preferred()}};
}

ordered_json AddressJson(const TvAddress& address) {
  ordered_json object = ordered_json::object();
  PutTexts(object, address, kAddressTexts);
  object["AddressType"] = Identifier(address.AddressType(), kFieldTypes);
  object["MailingLabel"] = LinesJson(address.MailingLabel());
  object["Preferred"] = address.Preferred();
  return object;
}

template <class Collection, class ToJson>
ordered_json ListJson(const Collection& items, ToJson toJson) {
  ordered_json list = ordered_json::array();
  for (const auto& item : items) list.push_back(toJson(item));
  return list;
}

ordered_json ContactJson(const TvContact& c) {
  ordered_json object = ordered_json::object();
  PutTexts(object, c, kContactTexts);
  object["BirthDay"] = DateTimeJson(c.BirthDay());
  object["Updated"] = DateTimeJson(c.Updated());
  object["vCardVersion"] = Identifier(c.vCardVersion(), kVersions);
  object["Emails"] = ListJson(c.Emails(), EmailJson);
  object["PhoneNumbers"] = ListJson(c.PhoneNumbers(), PhoneJson);
  object["Addresses"] = ListJson(c.Addresses(), AddressJson);
  object["Categories"] = LinesJson(c.Categories());
  object["GeoLocation"] = {{"Latitude", c.GeoLocation().Latitude()},
                           {"Longitude", c.GeoLocation().Longitude()}};
  object["Note"] = LinesJson(c.Note());
  object["Photo"] = c.Photo().Empty() ? ordered_json(nullptr)
                                      : ordered_json(Base64Encode(std::string_view(c.Photo().Bytes())));
  object["PhotoEncoding"] = Identifier(c.PhotoEncoding(), kFileEncodings);
  object["PhotoType"] = Identifier(c.PhotoType(), kImageTypes);
  object["SocialProfile"] = ListJson(c.SocialProfile(), [](const TvSocialItem& item) {
    ordered_json entry = ordered_json::object();
    PutTexts(entry, item, kSocialTexts);
    return entry;
  });
  return object;
}

// ---- JSON to model ----

// One JSON object being read, with the path that error messages name.
class ObjectReader {
 public:
  ObjectReader(const json& object, std::string path) : FObject(object), FPath(std::move(path)) {
    if (!object.is_object()) Fail(FPath, "expected an object");
  }

  [[noreturn]] static void Fail(const std::string& path, const std::string& what) {
    throw std::runtime_error((path.empty() ? std::string("JSON document") : path) + ": " + what);
  }

  // Calls apply(value, path) when the key is present.
  template <class Apply>
  void With(const char* key, Apply apply) const {
    const auto it = FObject.find(key);
    if (it != FObject.end()) apply(*it, Path(key));
  }

  std::string Path(const std::string& key) const { return FPath.empty() ? key : FPath + "." + key; }

  template <class T, size_t N>
  void Texts(T& item, const TextField<T> (&fields)[N]) const {
    for (const auto& field : fields)
      With(field.key, [&](const json& v, const std::string& path) { (item.*field.set)(Text(v, path)); });
  }

  template <class T, class E, size_t N>
  void Enum(const char* key, T& item, void (T::*set)(E), const std::array<std::string_view, N>& names) const {
    With(key, [&](const json& v, const std::string& path) {
      (item.*set)(static_cast<E>(EnumValue(v, path, names)));
    });
  }

  template <class T>
  void Bool(const char* key, T& item, void (T::*set)(bool)) const {
    With(key, [&](const json& v, const std::string& path) {
      if (!v.is_boolean()) Fail(path, "expected true or false");
      (item.*set)(v.get<bool>());
    });
  }

  template <class T>
  void Number(const char* key, T& item, void (T::*set)(double)) const {
    With(key, [&](const json& v, const std::string& path) {
      if (!v.is_number()) Fail(path, "expected a number");
      (item.*set)(v.get<double>());
    });
  }

  template <class T>
  void DateTime(const char* key, T& item, void (T::*set)(TDateTime)) const {
    With(key, [&](const json& v, const std::string& path) { (item.*set)(DateTimeValue(v, path)); });
  }

  void Lines(const char* key, TStringList& list) const {
    With(key, [&](const json& v, const std::string& path) {
      if (!v.is_array()) Fail(path, "expected an array of strings");
      list.Clear();
      for (size_t i = 0; i < v.size(); ++i) list.Add(Text(v[i], Printf("%s[%zu]", path.c_str(), i)));
    });
  }

  // Each element of the array under `key` read by read(ObjectReader).
  template <class Read>
  void Items(const char* key, Read read) const {
    With(key, [&](const json& v, const std::string& path) {
      if (!v.is_array()) Fail(path, "expected an array");
      for (size_t i = 0; i < v.size(); ++i) read(ObjectReader(v[i], Printf("%s[%zu]", path.c_str(), i)));
    });
  }

  static std::u16string Text(const json& v, const std::string& path) {
    if (!v.is_string()) Fail(path, "expected a string");
    return FromUtf8(v.get_ref<const std::string&>());
  }

  template <size_t N>
  static int EnumValue(const json& v, const std::string& path, const std::array<std::string_view, N>& names) {
    if (!v.is_string()) Fail(path, "expected a string");
    const std::string& name = v.get_ref<const std::string&>();
    for (size_t i = 0; i < N; ++i)
      if (names[i] == name) return static_cast<int>(i);
    Fail(path, "unknown value \"" + name + "\"");
  }

  // "YYYY-MM-DDTHH:MM:SS" or "YYYY-MM-DD"; null is 0 (none).
  static TDateTime DateTimeValue(const json& v, const std::string& path) {
    if (v.is_null()) return 0;
    if (!v.is_string()) Fail(path, "expected a date-time \"YYYY-MM-DDTHH:MM:SS\" or null");
    const std::string& text = v.get_ref<const std::string&>();
    const std::u16string wide = FromUtf8(text);
    try {
      if (wide.size() == 10)
        if (const auto date = ParseDate(wide)) return *date;
      if (wide.size() == 19 && wide[4] == u'-')
        if (const auto time = ParseDateTime(wide)) return *time;
    } catch (const EvCardError&) {
      // digits that form no date: reported below
    }
    Fail(path, "invalid date-time \"" + text + "\"");
  }

 private:
  const json& FObject;
  std::string FPath;
};

void ReadEmail(const ObjectReader& r, TvEmail& email) {
  r.With("EmailAddress", [&](const json& v, const std::string& path) {
    email.SetEmailAddress(ObjectReader::Text(v, path));
  });
  r.Enum("EmailType", email, &TvEmail::SetEmailType, kFieldTypes);
  r.Bool("Preferred", email, &TvEmail::SetPreferred);
}

void ReadPhone(const ObjectReader& r, TvPhone& phone) {
  r.With("PhoneNumber", [&](const json& v, const std::string& path) {
    phone.SetPhoneNumber(ObjectReader::Text(v, path));
  });
  r.With("PhoneType", [&](const json& v, const std::string& path) {
    if (!v.is_array()) ObjectReader::Fail(path, "expected an array of phone types");
    TvPhoneTypes types;
    for (size_t i = 0; i < v.size(); ++i)
      types.Include(static_cast<TvPhoneType>(
          ObjectReader::EnumValue(v[i], Printf("%s[%zu]", path.c_str(), i), kPhoneTypes)));
    phone.SetPhoneType(types);
  });
  r.Enum("FieldType", phone, &TvPhone::SetFieldType, kFieldTypes);
  r.Bool("Preferred", phone, &TvPhone::SetPreferred);
}

void ReadAddress(const ObjectReader& r, TvAddress& address) {
  r.Texts(address, kAddressTexts);
  r.Enum("AddressType", address, &TvAddress::SetAddressType, kFieldTypes);
  r.Lines("MailingLabel", address.MailingLabel());
  r.Bool("Preferred", address, &TvAddress::SetPreferred);
}

// Base64 of an image of a known kind.
TPicture PhotoValue(const json& v, const std::string& path) {
  TPicture picture;
  if (v.is_null()) return picture;
  if (!v.is_string()) ObjectReader::Fail(path, "expected base64 text or null");
  const std::string& text = v.get_ref<const std::string&>();
  const std::string bytes = Base64Decode(text);
  if (Base64Encode(std::string_view(bytes)) != text) ObjectReader::Fail(path, "invalid base64");
  LoadPictureFromStream(picture, bytes);
  if (!bytes.empty() && picture.Empty())
    ObjectReader::Fail(path, "not an image of a known kind (JPEG, PNG, GIF, bitmap, TIFF, metafile, icon)");
  return picture;
}

void ReadContact(const ObjectReader& r, TvContact& c) {
  r.Texts(c, kContactTexts);
  r.DateTime("BirthDay", c, &TvContact::SetBirthDay);
  r.DateTime("Updated", c, &TvContact::SetUpdated);
  r.Enum("vCardVersion", c, &TvContact::SetvCardVersion, kVersions);
  r.Items("Emails", [&](const ObjectReader& item) { ReadEmail(item, c.Emails().Add()); });
  r.Items("PhoneNumbers", [&](const ObjectReader& item) { ReadPhone(item, c.PhoneNumbers().Add()); });
  r.Items("Addresses", [&](const ObjectReader& item) { ReadAddress(item, c.Addresses().Add()); });
  r.Lines("Categories", c.Categories());
  r.With("GeoLocation", [&](const json& v, const std::string& path) {
    const ObjectReader geo(v, path);
    geo.Number("Latitude", c.GeoLocation(), &TvGeoLocation::SetLatitude);
    geo.Number("Longitude", c.GeoLocation(), &TvGeoLocation::SetLongitude);
  });
  r.Lines("Note", c.Note());
  r.Enum("PhotoEncoding", c, &TvContact::SetPhotoEncoding, kFileEncodings);
  r.Enum("PhotoType", c, &TvContact::SetPhotoType, kImageTypes);
  r.Items("SocialProfile", [&](const ObjectReader& item) { item.Texts(c.SocialProfile().Add(), kSocialTexts); });
  // After PhotoType: the image's kind wins.
  r.With("Photo", [&](const json& v, const std::string& path) {
    const TPicture picture = PhotoValue(v, path);
    c.SetPhoto(&picture);
  });
}

}  // namespace

ordered_json CardToJson(const TvCard& card) {
  return {{"ProdID", Utf8(card.ProdID())}, {"vContacts", ListJson(card.vContacts(), ContactJson)}};
}

void CardFromJson(const json& json, TvCard& card) {
  const ObjectReader r(json, "");
  r.With("ProdID", [&](const nlohmann::json& v, const std::string& path) {
    card.SetProdID(ObjectReader::Text(v, path));
  });
  r.Items("vContacts", [&](const ObjectReader& item) { ReadContact(item, card.vContacts().Add()); });
}

}  // namespace tabulon::cli
