// A seekable source of bytes: what a container reader reads from. Reads may
// come back short at the end of the source; they never fail past it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tabulon {

class TByteSource {
 public:
  virtual ~TByteSource() = default;

  // Total number of bytes in the source.
  virtual int64_t Size() const = 0;
  virtual int64_t Position() const = 0;
  // Moves the read position; a position past the end makes later reads empty.
  virtual void Seek(int64_t position) = 0;
  // Copies up to `count` bytes from the read position into `buffer`, advances
  // the position by what was copied and returns that number.
  virtual size_t Read(void* buffer, size_t count) = 0;
};

}  // namespace tabulon
