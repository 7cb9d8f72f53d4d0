// A byte source over a file opened for reading only. Other readers and
// writers may keep the file open meanwhile (nothing is locked).
#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>

#include "platform/ByteSource.h"

namespace tabulon {

// The file could not be opened or read; what() names the file and the cause.
class EFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TFileSource : public TByteSource {
 public:
  // Fails with EFileError: "Cannot open file "<path>". <reason>".
  explicit TFileSource(const std::string& path);
  ~TFileSource() override;
  TFileSource(const TFileSource&) = delete;
  TFileSource& operator=(const TFileSource&) = delete;

  int64_t Size() const override { return FSize; }
  int64_t Position() const override { return FPosition; }
  void Seek(int64_t position) override;
  size_t Read(void* buffer, size_t count) override;

 private:
  std::FILE* FFile = nullptr;
  int64_t FSize = 0;
  int64_t FPosition = 0;
};

}  // namespace tabulon
