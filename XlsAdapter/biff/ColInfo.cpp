#include "XlsAdapter/biff/ColInfo.h"

#include <algorithm>

namespace tabulon {

void TColInfoList::AddRecord(const TColInfoRecord& R) {
  const uint16_t last = std::min(R.LastColumn(), kLastColumn);
  for (uint32_t col = R.FirstColumn(); col <= last; ++col) {
    const TColInfo info{static_cast<uint16_t>(col), R.Width(), R.XF(), R.Options()};
    const auto it = std::ranges::lower_bound(FItems, info.Column, {}, &TColInfo::Column);
    if (it != FItems.end() && it->Column == info.Column) {
      *it = info;
    } else {
      FItems.insert(it, info);
    }
  }
}

const TColInfo* TColInfoList::Find(size_t column) const {
  const auto it = std::ranges::lower_bound(FItems, column, {},
                                           [](const TColInfo& c) { return size_t{c.Column}; });
  return it != FItems.end() && it->Column == column ? &*it : nullptr;
}

}  // namespace tabulon
