#include "XlsAdapter/biff/NameRecord.h"

#include "platform/LittleEndian.h"

namespace tabulon {
namespace {

constexpr size_t kNameChars = 15;

}  // namespace

std::u16string TNameRecord::Name() const {
  const size_t count = GetByte(3);
  std::u16string name(count, u'\0');
  if ((GetByte(14) & 0x01) != 0) {
    CheckField(kNameChars, count * 2);
    for (size_t i = 0; i < count; ++i) name[i] = GetU16(&FData[kNameChars + 2 * i]);
  } else {
    CheckField(kNameChars, count);
    for (size_t i = 0; i < count; ++i) name[i] = FData[kNameChars + i];
  }
  return name;
}

size_t TNameRecord::FirstToken() const {
  const size_t charSize = (GetByte(14) & 0x01) != 0 ? 2 : 1;
  return kNameChars + GetByte(3) * charSize;
}

TNameRecord::TRefKind TNameRecord::FirstTokenKind() const {
  const size_t t = FirstToken();
  if (GetWord(4) == 0 || t >= FData.size()) return rkNone;
  switch (FData[t]) {
    case 0x3B: case 0x5B: case 0x7B: return rkArea3d;
    case 0x3A: case 0x5A: case 0x7A: return rkRef3d;
    default: return rkNone;
  }
}

int32_t TNameRecord::WordOrNone(size_t ofs) const {
  if (ofs + 2 > FData.size()) return -1;
  return GetU16(&FData[ofs]);
}

int32_t TNameRecord::ColumnOrNone(size_t ofs) const {
  return ofs + 2 > FData.size() ? -1 : FData[ofs];
}

int32_t TNameRecord::GetR1() const {
  return FirstTokenKind() == rkNone ? -1 : WordOrNone(FirstToken() + 3);
}

int32_t TNameRecord::GetR2() const {
  switch (FirstTokenKind()) {
    case rkArea3d: return WordOrNone(FirstToken() + 5);
    case rkRef3d: return WordOrNone(FirstToken() + 3);
    default: return -1;
  }
}

int32_t TNameRecord::GetC1() const {
  switch (FirstTokenKind()) {
    case rkArea3d: return ColumnOrNone(FirstToken() + 7);
    case rkRef3d: return ColumnOrNone(FirstToken() + 5);
    default: return -1;
  }
}

int32_t TNameRecord::GetC2() const {
  switch (FirstTokenKind()) {
    case rkArea3d: return ColumnOrNone(FirstToken() + 9);
    case rkRef3d: return ColumnOrNone(FirstToken() + 5);
    default: return -1;
  }
}

int32_t TNameRecord::RefersToSheet(const TReferences& References) const {
  if (FirstTokenKind() == rkNone) return -1;
  const int32_t index = WordOrNone(FirstToken() + 1);
  if (index < 0) return -1;
  return References.GetSheet(static_cast<uint16_t>(index));
}

}  // namespace tabulon
