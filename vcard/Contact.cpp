#include "vcard/Contact.h"

#include "platform/TextEncoding.h"
#include "vcard/Base64.h"

namespace tabulon {

TvContact::TvContact(TvContactsCollection* collection) : FCollection(collection) {}

void TvContact::Assign(const TPersistent& source) {
  const auto* contact = dynamic_cast<const TvContact*>(&source);
  if (contact == nullptr || contact == this) return;
  FID = contact->FID;
  FFirstName = contact->FFirstName;
  FLastName = contact->FLastName;
  FMiddleName = contact->FMiddleName;
  FNamePrefix = contact->FNamePrefix;
  FNameSuffix = contact->FNameSuffix;
  FFullName = contact->FFullName;
  FNickName = contact->FNickName;
  FCompany = contact->FCompany;
  FJobTitle = contact->FJobTitle;
  FBirthDay = contact->FBirthDay;
  FProfession = contact->FProfession;
  FWebsiteURL = contact->FWebsiteURL;
  FEmails.Assign(contact->FEmails);
  FPhoneNumbers.Assign(contact->FPhoneNumbers);
  FAddresses.Assign(contact->FAddresses);
  FvCardVersion = contact->FvCardVersion;
  FCategories.Assign(contact->FCategories);
  FGeoLocation.Assign(contact->FGeoLocation);
  FNote.Assign(contact->FNote);
  FUpdated = contact->FUpdated;
  FSource = contact->FSource;
  FPhoto.Assign(&contact->FPhoto);
  FPhotoURL = contact->FPhotoURL;
  FPhotoEncoding = contact->FPhotoEncoding;
  FPhotoType = contact->FPhotoType;
  FSortString = contact->FSortString;
  FTimeZone = contact->FTimeZone;
  FProdID = contact->FProdID;
}

void TvContact::SetPhoto(const TPicture* value) {
  FPhoto.Assign(value);
  if (value == nullptr) return;
  switch (FPhoto.Kind()) {
    case ikJPEG: FPhotoType = itJPEG; break;
    case ikGIF: FPhotoType = itGIF; break;
    case ikPNG: FPhotoType = itPNG; break;
    default: break;
  }
}

void TvContact::EncodePhoto() {
  if (FPhoto.Empty()) return;
  const std::string encoded = Base64Encode(std::string_view(FPhoto.Bytes()));
  FPhotoStr.assign(encoded.begin(), encoded.end());
}

void TvContact::DecodePhoto() {
  if (FPhotoStr.empty()) {
    FPhoto.Clear();
    return;
  }
  LoadPictureFromStream(FPhoto, Base64Decode(ToWindows1252(FPhotoStr)));
}

}  // namespace tabulon
