#include "platform/MemorySource.h"

#include <algorithm>
#include <cstring>

namespace tabulon {

void TMemorySource::Seek(int64_t position) { FPosition = std::max<int64_t>(position, 0); }

size_t TMemorySource::Read(void* buffer, size_t count) {
  if (FPosition >= Size()) return 0;
  const size_t n = std::min(count, static_cast<size_t>(Size() - FPosition));
  if (n > 0) std::memcpy(buffer, FBytes.data() + FPosition, n);
  FPosition += static_cast<int64_t>(n);
  return n;
}

}  // namespace tabulon
