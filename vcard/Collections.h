// The owned, ordered lists of the contact model. A collection creates its
// items (each knowing the collection it belongs to), deletes them, and
// keeps a non-owning reference to its own owner.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "vcard/ContactItems.h"
#include "vcard/Errors.h"

namespace tabulon {

class TvContact;

// TSelf is the collection class itself, the type its items point back to.
template <class TSelf, class TItem, class TOwner>
class TvCollection {
 public:
  explicit TvCollection(TOwner* owner) : FOwner(owner) {}
  TvCollection(const TvCollection&) = delete;
  TvCollection& operator=(const TvCollection&) = delete;

  TOwner* GetOwner() const { return FOwner; }
  int Count() const { return static_cast<int>(FItems.size()); }

  // A new item with its defaults, at the end or at `index` (0 to Count()).
  TItem& Add() { return Insert(Count()); }
  TItem& Insert(int index) {
    if (index < 0 || index > Count()) ThrowListIndexError(index);
    auto item = std::make_unique<TItem>(static_cast<TSelf*>(this));
    TItem& added = *item;
    FItems.insert(FItems.begin() + index, std::move(item));
    return added;
  }
  void Delete(int index) {
    CheckIndex(index);
    FItems.erase(FItems.begin() + index);
  }
  void Clear() { FItems.clear(); }

  TItem& GetItem(int index) {
    CheckIndex(index);
    return *FItems[index];
  }
  const TItem& GetItem(int index) const {
    CheckIndex(index);
    return *FItems[index];
  }
  // Copies `item` into the item at `index`.
  void SetItem(int index, const TItem& item) { GetItem(index).Assign(item); }

  // Empties this collection and appends a copy of each item of `source`.
  void Assign(const TSelf& source) {
    if (&source == this) return;
    Clear();
    for (const auto& item : source.FItems) Add().Assign(*item);
  }

  // Iteration over the items themselves.
  template <class TPointerIt, class TRef>
  class Iterator {
   public:
    explicit Iterator(TPointerIt it) : FIt(it) {}
    TRef operator*() const { return **FIt; }
    Iterator& operator++() {
      ++FIt;
      return *this;
    }
    bool operator!=(const Iterator& other) const { return FIt != other.FIt; }

   private:
    TPointerIt FIt;
  };
  using PointerList = std::vector<std::unique_ptr<TItem>>;
  auto begin() { return Iterator<typename PointerList::iterator, TItem&>(FItems.begin()); }
  auto end() { return Iterator<typename PointerList::iterator, TItem&>(FItems.end()); }
  auto begin() const {
    return Iterator<typename PointerList::const_iterator, const TItem&>(FItems.begin());
  }
  auto end() const {
    return Iterator<typename PointerList::const_iterator, const TItem&>(FItems.end());
  }

 private:
  void CheckIndex(int index) const {
    if (index < 0 || index >= Count()) ThrowListIndexError(index);
  }

  TOwner* FOwner;
  PointerList FItems;
};

// The three collections that also have an XML form: ToXml gives the
// document's text, LoadFromXml replaces the items by those of a document.
class TvEmailCollection : public TvCollection<TvEmailCollection, TvEmail, TvContact> {
 public:
  using TvCollection::TvCollection;
  TvEmail& GetEmail(int index) { return GetItem(index); }
  const TvEmail& GetEmail(int index) const { return GetItem(index); }
  void SetEmail(int index, const TvEmail& item) { SetItem(index, item); }

  std::u16string ToXml() const;
  void LoadFromXml(std::u16string_view xmlData);
};

class TvPhoneCollection : public TvCollection<TvPhoneCollection, TvPhone, TvContact> {
 public:
  using TvCollection::TvCollection;
  std::u16string ToXml() const;
  void LoadFromXml(std::u16string_view xmlData);
};

class TvAddressCollection : public TvCollection<TvAddressCollection, TvAddress, TvContact> {
 public:
  using TvCollection::TvCollection;
  std::u16string ToXml() const;
  void LoadFromXml(std::u16string_view xmlData);
};

class TvSocialProfile : public TvCollection<TvSocialProfile, TvSocialItem, TvContact> {
 public:
  using TvCollection::TvCollection;
};

}  // namespace tabulon
