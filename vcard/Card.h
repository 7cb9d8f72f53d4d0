// The address book: an ordered collection of contacts and the product
// identifier written with them. It reads vCard text (appending or
// replacing its contacts) and writes it to a file, a stream or a string.
#pragma once

#include <iosfwd>
#include <string>

#include "vcard/Collections.h"
#include "vcard/Contact.h"

namespace tabulon {

class TvCard;

class TvContactsCollection : public TvCollection<TvContactsCollection, TvContact, TvCard> {
 public:
  using TvCollection::TvCollection;
  TvContact& GetvContact(int index) { return GetItem(index); }
  const TvContact& GetvContact(int index) const { return GetItem(index); }
  void SetvContact(int index, const TvContact& item) { SetItem(index, item); }
};

class TvCard {
 public:
  TvCard() = default;
  TvCard(const TvCard&) = delete;
  TvCard& operator=(const TvCard&) = delete;

  TvContactsCollection& vContacts() { return FvContacts; }
  const TvContactsCollection& vContacts() const { return FvContacts; }
  void SetvContacts(const TvContactsCollection& value) { FvContacts.Assign(value); }
  // Written as the PRODID of every contact.
  const std::u16string& ProdID() const { return FProdID; }
  void SetProdID(std::u16string value) { FProdID = std::move(value); }

  // Reading. Load* first empty the card, Insert* append to it. A file that
  // can't be opened raises EvFileError; a date that doesn't exist raises
  // EvCardError, leaving the contacts read before it in the card.
  void LoadFromFile(const std::string& fileName);
  void LoadFromStream(std::istream& stream);
  void InsertFromFile(const std::string& fileName);
  void InsertFromStream(std::istream& stream);

  // Writing. The file forms replace the file only once every byte is
  // written (EvFileError otherwise, the old file kept).
  // All contacts, each followed by CR LF, in UTF-8 without byte-order mark.
  void SaveToFile(const std::string& fileName);
  // One contact followed by CR LF, in Windows-1252.
  void SaveToFile(const std::string& fileName, TvContact& contact);
  // What SaveToFile writes, at the stream's position.
  void SaveToStream(std::ostream& stream);
  // All contacts, each followed by LF.
  std::u16string SaveToString();

 private:
  TvContactsCollection FvContacts{this};
  std::u16string FProdID;
};

}  // namespace tabulon
