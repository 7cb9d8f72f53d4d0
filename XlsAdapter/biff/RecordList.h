// Ordered lists that own their records.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"

namespace tabulon {

template <class TRecord>
class TRecordList {
 public:
  void Add(std::unique_ptr<TRecord> aRecord) { FItems.push_back(std::move(aRecord)); }
  size_t Count() const { return FItems.size(); }
  bool Empty() const { return FItems.empty(); }
  // `index` must be below Count().
  TRecord& GetItems(size_t index) const { return *FItems.at(index); }
  TRecord& Last() const { return *FItems.back(); }
  void Clear() { FItems.clear(); }

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

 protected:
  std::vector<std::unique_ptr<TRecord>> FItems;
};

using TBaseRecordList = TRecordList<TBaseRecord>;

// The record as the class the factory made it, taken over from `record`;
// `record` must hold an object of that class.
template <class TRecord>
std::unique_ptr<TRecord> TakeAs(std::unique_ptr<TBaseRecord>& record) {
  auto* typed = dynamic_cast<TRecord*>(record.get());
  if (typed == nullptr) return nullptr;
  record.release();
  return std::unique_ptr<TRecord>(typed);
}

}  // namespace tabulon
