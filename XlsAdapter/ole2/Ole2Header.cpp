#include "XlsAdapter/ole2/Ole2Header.h"

#include <algorithm>

#include "XlsAdapter/ole2/XlsErrors.h"
#include "platform/LittleEndian.h"

namespace tabulon {

TOle2Header::TOle2Header(TByteSource& stream) {
  StartOfs = stream.Position();
  if (stream.Size() - StartOfs < static_cast<int64_t>(DataSize)) FailFileInvalid();
  stream.Read(Data.data(), DataSize);
  if (!std::equal(FileSignature.begin(), FileSignature.end(), Data.begin())) FailFileInvalid();

  uSectorShift = GetU16(&Data[30]);
  if (uSectorShift != 9 && uSectorShift != 12) FailFileInvalid();
  if (uMiniSectorShift() != 6) FailFileInvalid();
  ulMiniSectorCutoff = FulMiniSectorCutoff();
  if (ulMiniSectorCutoff != 4096) FailFileInvalid();
  SectorSize = 1u << uSectorShift;

  const int64_t afterHeader = stream.Size() - StartOfs - SectorSize;
  const int64_t sectors = afterHeader <= 0 ? 0 : (afterHeader + SectorSize - 1) / SectorSize;
  FSectorCount = static_cast<uint32_t>(std::min<int64_t>(sectors, kEndOfChain));
}

uint16_t TOle2Header::uMiniSectorShift() const { return GetU16(&Data[32]); }
uint32_t TOle2Header::csectFat() const { return GetU32(&Data[44]); }
uint32_t TOle2Header::sectDirStart() const { return GetU32(&Data[48]); }
uint32_t TOle2Header::FulMiniSectorCutoff() const { return GetU32(&Data[56]); }
uint32_t TOle2Header::sectMiniFatStart() const { return GetU32(&Data[60]); }
uint32_t TOle2Header::csectMiniFat() const { return GetU32(&Data[64]); }
uint32_t TOle2Header::sectDifStart() const { return GetU32(&Data[68]); }
uint32_t TOle2Header::csectDif() const { return GetU32(&Data[72]); }

int64_t TOle2Header::SectToStPos(uint32_t sect) const {
  return StartOfs + (static_cast<int64_t>(sect) + 1) * SectorSize;
}

}  // namespace tabulon
