// The items of a contact's lists (e-mail addresses, telephone numbers,
// postal addresses, social-network entries) and its geographic position.
// Each list item is created by its collection and knows it.
#pragma once

#include <string>

#include "vcard/Persistent.h"
#include "vcard/StringList.h"
#include "vcard/Types.h"

namespace tabulon {

class TvEmailCollection;
class TvPhoneCollection;
class TvAddressCollection;
class TvSocialProfile;

class TvEmail : public TPersistent {
 public:
  explicit TvEmail(TvEmailCollection* collection = nullptr) : FCollection(collection) {}
  TvEmailCollection* Collection() const { return FCollection; }
  void Assign(const TPersistent& source) override;

  const std::u16string& EmailAddress() const { return FEmailAddress; }
  void SetEmailAddress(std::u16string value) { FEmailAddress = std::move(value); }
  TvFieldType EmailType() const { return FEmailType; }
  void SetEmailType(TvFieldType value) { FEmailType = value; }
  bool Preferred() const { return FPreferred; }
  void SetPreferred(bool value) { FPreferred = value; }

 private:
  TvEmailCollection* FCollection;
  std::u16string FEmailAddress;
  TvFieldType FEmailType = ftHome;
  bool FPreferred = false;
};

class TvPhone : public TPersistent {
 public:
  explicit TvPhone(TvPhoneCollection* collection = nullptr) : FCollection(collection) {}
  TvPhoneCollection* Collection() const { return FCollection; }
  void Assign(const TPersistent& source) override;

  const std::u16string& PhoneNumber() const { return FPhoneNumber; }
  void SetPhoneNumber(std::u16string value) { FPhoneNumber = std::move(value); }
  TvPhoneTypes PhoneType() const { return FPhoneType; }
  void SetPhoneType(TvPhoneTypes value) { FPhoneType = value; }
  TvFieldType FieldType() const { return FFieldType; }
  void SetFieldType(TvFieldType value) { FFieldType = value; }
  bool Preferred() const { return FPreferred; }
  void SetPreferred(bool value) { FPreferred = value; }

 private:
  TvPhoneCollection* FCollection;
  std::u16string FPhoneNumber;
  TvPhoneTypes FPhoneType;
  TvFieldType FFieldType = ftHome;
  bool FPreferred = false;
};

class TvAddress : public TPersistent {
 public:
  explicit TvAddress(TvAddressCollection* collection = nullptr) : FCollection(collection) {}
  TvAddressCollection* Collection() const { return FCollection; }
  void Assign(const TPersistent& source) override;

  const std::u16string& POBox() const { return FPOBox; }
  void SetPOBox(std::u16string value) { FPOBox = std::move(value); }
  // Written in the extended-address position.
  const std::u16string& Number() const { return FNumber; }
  void SetNumber(std::u16string value) { FNumber = std::move(value); }
  const std::u16string& Street() const { return FStreet; }
  void SetStreet(std::u16string value) { FStreet = std::move(value); }
  const std::u16string& City() const { return FCity; }
  void SetCity(std::u16string value) { FCity = std::move(value); }
  const std::u16string& Region() const { return FRegion; }
  void SetRegion(std::u16string value) { FRegion = std::move(value); }
  const std::u16string& PostCode() const { return FPostCode; }
  void SetPostCode(std::u16string value) { FPostCode = std::move(value); }
  const std::u16string& Country() const { return FCountry; }
  void SetCountry(std::u16string value) { FCountry = std::move(value); }
  TvFieldType AddressType() const { return FAddressType; }
  void SetAddressType(TvFieldType value) { FAddressType = value; }
  // The delivery label, one line per entry.
  TStringList& MailingLabel() { return FMailingLabel; }
  const TStringList& MailingLabel() const { return FMailingLabel; }
  void SetMailingLabel(const TStringList& value) { FMailingLabel.Assign(value); }
  bool Preferred() const { return FPreferred; }
  void SetPreferred(bool value) { FPreferred = value; }

 private:
  TvAddressCollection* FCollection;
  std::u16string FPOBox;
  std::u16string FNumber;
  std::u16string FStreet;
  std::u16string FCity;
  std::u16string FRegion;
  std::u16string FPostCode;
  std::u16string FCountry;
  TvFieldType FAddressType = ftHome;
  TStringList FMailingLabel;
  bool FPreferred = false;
};

class TvSocialItem : public TPersistent {
 public:
  explicit TvSocialItem(TvSocialProfile* collection = nullptr) : FCollection(collection) {}
  TvSocialProfile* Collection() const { return FCollection; }
  void Assign(const TPersistent& source) override;

  const std::u16string& URI() const { return FURI; }
  void SetURI(std::u16string value) { FURI = std::move(value); }
  const std::u16string& Service() const { return FService; }
  void SetService(std::u16string value) { FService = std::move(value); }
  const std::u16string& User() const { return FUser; }
  void SetUser(std::u16string value) { FUser = std::move(value); }

 private:
  TvSocialProfile* FCollection;
  std::u16string FURI;
  std::u16string FService;
  std::u16string FUser;
};

// A position; 0 in either coordinate means, to the writer, no position.
class TvGeoLocation : public TPersistent {
 public:
  void Assign(const TPersistent& source) override;

  double Latitude() const { return FLatitude; }
  void SetLatitude(double value) { FLatitude = value; }
  double Longitude() const { return FLongitude; }
  void SetLongitude(double value) { FLongitude = value; }

 private:
  double FLatitude = 0;
  double FLongitude = 0;
};

}  // namespace tabulon
