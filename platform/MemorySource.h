// A byte source over bytes held in memory; it does not copy or own them.
#pragma once

#include <cstdint>
#include <span>

#include "platform/ByteSource.h"

namespace tabulon {

class TMemorySource : public TByteSource {
 public:
  explicit TMemorySource(std::span<const uint8_t> bytes) : FBytes(bytes) {}

  int64_t Size() const override { return static_cast<int64_t>(FBytes.size()); }
  int64_t Position() const override { return FPosition; }
  void Seek(int64_t position) override;
  size_t Read(void* buffer, size_t count) override;

 private:
  std::span<const uint8_t> FBytes;
  int64_t FPosition = 0;
};

}  // namespace tabulon
