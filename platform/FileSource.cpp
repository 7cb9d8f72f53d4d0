#include "platform/FileSource.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/Printf.h"

namespace tabulon {
namespace {

[[noreturn]] void FailOpen(const std::string& path, int error) {
  throw EFileError(Printf("Cannot open file \"%s\". %s", path.c_str(), std::strerror(error)));
}

}  // namespace

TFileSource::TFileSource(const std::string& path) {
  FFile = std::fopen(path.c_str(), "rb");
  if (FFile == nullptr) FailOpen(path, errno);
  struct stat info {};
  if (fstat(fileno(FFile), &info) != 0 || !S_ISREG(info.st_mode)) {
    const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
    std::fclose(FFile);
    FailOpen(path, error);
  }
  FSize = static_cast<int64_t>(info.st_size);
}

TFileSource::~TFileSource() { std::fclose(FFile); }

void TFileSource::Seek(int64_t position) { FPosition = std::max<int64_t>(position, 0); }

size_t TFileSource::Read(void* buffer, size_t count) {
  if (count == 0 || FPosition >= FSize) return 0;
  if (fseeko(FFile, static_cast<off_t>(FPosition), SEEK_SET) != 0) return 0;
  const size_t n = std::fread(buffer, 1, count, FFile);
  FPosition += static_cast<int64_t>(n);
  return n;
}

}  // namespace tabulon
