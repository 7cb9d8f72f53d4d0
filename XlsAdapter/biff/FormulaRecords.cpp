#include "XlsAdapter/biff/FormulaRecords.h"

#include <algorithm>

#include "XlsAdapter/biff/FormulaTokens.h"
#include "platform/LittleEndian.h"

namespace tabulon {

void TShrFmlaRecordList::Add(std::unique_ptr<TShrFmlaRecord> aRecord) {
  FItems.push_back(std::move(aRecord));
  FSorted = false;
}

const TShrFmlaRecord* TShrFmlaRecordList::Find(uint32_t aKey) const {
  const auto key = [](const std::unique_ptr<TShrFmlaRecord>& r) { return r->Key; };
  if (!FSorted) {
    std::ranges::stable_sort(FItems, {}, key);
    FSorted = true;
  }
  const auto it = std::ranges::lower_bound(FItems, aKey, {}, key);
  return it != FItems.end() && (*it)->Key == aKey ? it->get() : nullptr;
}

TTableRecord::TTableRecord(uint16_t aId, std::vector<uint8_t> aData)
    : TBaseRecord(aId, std::move(aData)) {
  RequireSize(8);
  FData[6] |= 0x03;
}

TFormulaRecord::TFormulaRecord(uint16_t aId, std::vector<uint8_t> aData)
    : TCellRecord(aId, std::move(aData)) {
  RequireSize(22);
  if (GetWord(12) == 0xFFFF) {
    const uint8_t code = GetByte(8);
    switch (GetByte(6)) {
      case 0: FFormulaValue = std::u16string(); break;
      case 1: FFormulaValue = code == 1; break;
      case 2:
        if (auto text = CellErrorText(code)) FFormulaValue = *text;
        break;
      default: break;
    }
  } else {
    FFormulaValue = GetDouble(6);
  }
  FData[14] |= 0x02;
}

bool TFormulaRecord::IsExp(uint32_t& key) const {
  if (DataSize() != 27 || GetWord(20) != 5 || GetByte(22) != 0x01) return false;
  key = GetWord(23) + (static_cast<uint32_t>(GetWord(25)) << 16);
  return true;
}

bool TFormulaRecord::MixShared(std::span<const uint8_t> shared) {
  // Token array length at byte 8, tokens from byte 10.
  if (shared.size() < 10 || shared.size() + 12 > 0xFFFF) return false;
  const size_t tokenLength = GetU16(&shared[8]);
  if (tokenLength > shared.size() - 10) return false;
  if (!AreFormulaTokensKnown(shared.subspan(10, tokenLength))) return false;
  FData.resize(shared.size() + 12);
  std::copy(shared.begin() + 8, shared.end(), FData.begin() + 20);
  return true;
}

}  // namespace tabulon
