// One person of the address book: names, organisation, dates, lists of
// e-mail addresses, phones, postal addresses and social entries, a
// position and a photo. The contact owns all of them.
#pragma once

#include <string>
#include <string_view>

#include "platform/DateTime.h"
#include "vcard/Collections.h"
#include "vcard/ContactItems.h"
#include "vcard/Persistent.h"
#include "vcard/Picture.h"
#include "vcard/StringList.h"
#include "vcard/Types.h"

namespace tabulon {

class TvContactsCollection;

class TvContact : public TPersistent {
 public:
  explicit TvContact(TvContactsCollection* collection = nullptr);
  TvContactsCollection* Collection() const { return FCollection; }

  // Copies everything but the social entries and the base64 photo text.
  void Assign(const TPersistent& source) override;

  const std::u16string& ID() const { return FID; }
  void SetID(std::u16string value) { FID = std::move(value); }
  const std::u16string& FirstName() const { return FFirstName; }
  void SetFirstName(std::u16string value) { FFirstName = std::move(value); }
  const std::u16string& LastName() const { return FLastName; }
  void SetLastName(std::u16string value) { FLastName = std::move(value); }
  const std::u16string& MiddleName() const { return FMiddleName; }
  void SetMiddleName(std::u16string value) { FMiddleName = std::move(value); }
  const std::u16string& NamePrefix() const { return FNamePrefix; }
  void SetNamePrefix(std::u16string value) { FNamePrefix = std::move(value); }
  const std::u16string& NameSuffix() const { return FNameSuffix; }
  void SetNameSuffix(std::u16string value) { FNameSuffix = std::move(value); }
  const std::u16string& FullName() const { return FFullName; }
  void SetFullName(std::u16string value) { FFullName = std::move(value); }
  const std::u16string& NickName() const { return FNickName; }
  void SetNickName(std::u16string value) { FNickName = std::move(value); }
  const std::u16string& Company() const { return FCompany; }
  void SetCompany(std::u16string value) { FCompany = std::move(value); }
  const std::u16string& JobTitle() const { return FJobTitle; }
  void SetJobTitle(std::u16string value) { FJobTitle = std::move(value); }
  // 0 means no birthday.
  TDateTime BirthDay() const { return FBirthDay; }
  void SetBirthDay(TDateTime value) { FBirthDay = value; }
  const std::u16string& Profession() const { return FProfession; }
  void SetProfession(std::u16string value) { FProfession = std::move(value); }
  const std::u16string& WebsiteURL() const { return FWebsiteURL; }
  void SetWebsiteURL(std::u16string value) { FWebsiteURL = std::move(value); }

  TvEmailCollection& Emails() { return FEmails; }
  const TvEmailCollection& Emails() const { return FEmails; }
  void SetEmails(const TvEmailCollection& value) { FEmails.Assign(value); }
  TvPhoneCollection& PhoneNumbers() { return FPhoneNumbers; }
  const TvPhoneCollection& PhoneNumbers() const { return FPhoneNumbers; }
  void SetPhoneNumbers(const TvPhoneCollection& value) { FPhoneNumbers.Assign(value); }
  TvAddressCollection& Addresses() { return FAddresses; }
  const TvAddressCollection& Addresses() const { return FAddresses; }
  void SetAddresses(const TvAddressCollection& value) { FAddresses.Assign(value); }

  // The version this contact is written in; the reader sets it from VERSION.
  TvCardVersion vCardVersion() const { return FvCardVersion; }
  void SetvCardVersion(TvCardVersion value) { FvCardVersion = value; }

  TStringList& Categories() { return FCategories; }
  const TStringList& Categories() const { return FCategories; }
  void SetCategories(const TStringList& value) { FCategories.Assign(value); }
  TvGeoLocation& GeoLocation() { return FGeoLocation; }
  const TvGeoLocation& GeoLocation() const { return FGeoLocation; }
  TStringList& Note() { return FNote; }
  const TStringList& Note() const { return FNote; }
  void SetNote(const TStringList& value) { FNote.Assign(value); }
  // Revision time; 0 means none (the writer then writes the current time).
  TDateTime Updated() const { return FUpdated; }
  void SetUpdated(TDateTime value) { FUpdated = value; }
  const std::u16string& Source() const { return FSource; }
  void SetSource(std::u16string value) { FSource = std::move(value); }

  // The photo as an image. Setting it copies the given picture (null
  // clears it) and makes PhotoType follow a JPEG, GIF or PNG image.
  const TPicture& Photo() const { return FPhoto; }
  void SetPhoto(const TPicture* value);
  const std::u16string& PhotoURL() const { return FPhotoURL; }
  void SetPhotoURL(std::u16string value) { FPhotoURL = std::move(value); }
  void AppendPhotoURL(std::u16string_view text) { FPhotoURL += text; }
  TvFileEncoding PhotoEncoding() const { return FPhotoEncoding; }
  void SetPhotoEncoding(TvFileEncoding value) { FPhotoEncoding = value; }
  TvImageType PhotoType() const { return FPhotoType; }
  void SetPhotoType(TvImageType value) { FPhotoType = value; }
  // The photo as base64 text, as vCard text carries it. It and Photo are
  // brought into step only by EncodePhoto and DecodePhoto.
  const std::u16string& PhotoStr() const { return FPhotoStr; }
  void SetPhotoStr(std::u16string value) { FPhotoStr = std::move(value); }
  void AppendPhotoStr(std::u16string_view text) { FPhotoStr += text; }

  // PRODID as read from a file for this contact.
  const std::u16string& ProdID() const { return FProdID; }
  void SetProdID(std::u16string value) { FProdID = std::move(value); }
  TvSocialProfile& SocialProfile() { return FSocialProfile; }
  const TvSocialProfile& SocialProfile() const { return FSocialProfile; }
  void SetSocialProfile(const TvSocialProfile& value) { FSocialProfile.Assign(value); }
  const std::u16string& SortString() const { return FSortString; }
  void SetSortString(std::u16string value) { FSortString = std::move(value); }
  const std::u16string& TimeZone() const { return FTimeZone; }
  void SetTimeZone(std::u16string value) { FTimeZone = std::move(value); }

  // Photo -> PhotoStr when Photo holds an image (the writer runs it before
  // writing the photo); otherwise PhotoStr is kept.
  void EncodePhoto();
  // PhotoStr -> Photo (the reader runs it after a read): an empty PhotoStr
  // clears Photo; bytes of no known kind leave it unchanged.
  void DecodePhoto();

 private:
  TvContactsCollection* FCollection;
  std::u16string FID;
  std::u16string FFirstName;
  std::u16string FLastName;
  std::u16string FMiddleName;
  std::u16string FNamePrefix;
  std::u16string FNameSuffix;
  std::u16string FFullName;
  std::u16string FNickName;
  std::u16string FCompany;
  std::u16string FJobTitle;
  TDateTime FBirthDay = 0;
  std::u16string FProfession;
  std::u16string FWebsiteURL;
  TvEmailCollection FEmails{this};
  TvPhoneCollection FPhoneNumbers{this};
  TvAddressCollection FAddresses{this};
  TvCardVersion FvCardVersion = vv30;
  TStringList FCategories;
  TvGeoLocation FGeoLocation;
  TStringList FNote;
  TDateTime FUpdated = 0;
  std::u16string FSource;
  TPicture FPhoto;
  std::u16string FPhotoURL;
  TvFileEncoding FPhotoEncoding = feInternalBase64;
  TvImageType FPhotoType = itJPEG;
  std::u16string FProdID;
  TvSocialProfile FSocialProfile{this};
  std::u16string FSortString;
  std::u16string FTimeZone;
  std::u16string FPhotoStr;
};

}  // namespace tabulon
