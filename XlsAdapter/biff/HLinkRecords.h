// HLINK and the HLINKTOOLTIP record that the record reader attaches to it.
// Both are kept as read.
#pragma once

#include <memory>

#include "XlsAdapter/biff/BaseRecord.h"

namespace tabulon {

// HLINKTOOLTIP (0x0800): the screen tip of the hyperlink before it.
class TScreenTipRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
};

// HLINK (0x01B8): a hyperlink; owns its screen tip.
class THLinkRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
  void AddHint(std::unique_ptr<TBaseRecord> aHint) { FHint = std::move(aHint); }
  const TBaseRecord* Hint() const { return FHint.get(); }

 private:
  std::unique_ptr<TBaseRecord> FHint;
};

}  // namespace tabulon
