#include "vcard/ContactItems.h"

namespace tabulon {

void TvEmail::Assign(const TPersistent& source) {
  const auto* email = dynamic_cast<const TvEmail*>(&source);
  if (email == nullptr || email == this) return;
  FEmailAddress = email->FEmailAddress;
  FEmailType = email->FEmailType;
  FPreferred = email->FPreferred;
}

void TvPhone::Assign(const TPersistent& source) {
  const auto* phone = dynamic_cast<const TvPhone*>(&source);
  if (phone == nullptr || phone == this) return;
  FPhoneNumber = phone->FPhoneNumber;
  FPhoneType = phone->FPhoneType;
  FPreferred = phone->FPreferred;
  FFieldType = phone->FFieldType;
}

void TvAddress::Assign(const TPersistent& source) {
  const auto* address = dynamic_cast<const TvAddress*>(&source);
  if (address == nullptr || address == this) return;
  FPOBox = address->FPOBox;
  FNumber = address->FNumber;
  FStreet = address->FStreet;
  FCity = address->FCity;
  FRegion = address->FRegion;
  FPostCode = address->FPostCode;
  FCountry = address->FCountry;
  FAddressType = address->FAddressType;
  FMailingLabel.Assign(address->FMailingLabel);
  FPreferred = address->FPreferred;
}

void TvSocialItem::Assign(const TPersistent& source) {
  const auto* item = dynamic_cast<const TvSocialItem*>(&source);
  if (item == nullptr || item == this) return;
  FURI = item->FURI;
  FUser = item->FUser;
  FService = item->FService;
}

void TvGeoLocation::Assign(const TPersistent& source) {
  const auto* geo = dynamic_cast<const TvGeoLocation*>(&source);
  if (geo == nullptr) return;
  FLatitude = geo->FLatitude;
  FLongitude = geo->FLongitude;
}

}  // namespace tabulon
