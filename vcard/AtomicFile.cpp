#include "vcard/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Printf.h"
#include "vcard/Errors.h"

namespace tabulon {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void ThrowCreateError(const std::string& fileName, int error) {
  throw EvFileError(Printf("Cannot create file \"%s\". %s", fileName.c_str(), std::strerror(error)));
}

[[noreturn]] void ThrowWriteError(const std::string& fileName, int error) {
  throw EvFileError(Printf("Error writing file \"%s\". %s", fileName.c_str(), std::strerror(error)));
}

// The path that `fileName` ends at once every symbolic link along its last
// component is followed (the final target need not exist yet).
fs::path FollowLinks(const std::string& fileName) {
  constexpr int kMaxLinks = 40;  // as the kernel allows
  fs::path path(fileName);
  for (int hops = 0;; ++hops) {
    struct stat st{};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    if (hops == kMaxLinks) ThrowCreateError(fileName, ELOOP);
    std::error_code error;
    const fs::path target = fs::read_symlink(path, error);
    if (error) ThrowCreateError(fileName, error.value());
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
}

mode_t CurrentUmask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

// The temporary file, removed unless Keep() was called.
class TempFile {
 public:
  explicit TempFile(const fs::path& target) {
    FPath = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    FFd = mkstemp(FPath.data());
  }
  ~TempFile() {
    if (FFd >= 0) close(FFd);
    if (!FKept) unlink(FPath.c_str());
  }
  bool Opened() const { return FFd >= 0; }
  int Fd() const { return FFd; }
  const std::string& Path() const { return FPath; }
  // Closes the file; false with errno set when the close reports an error.
  bool Close() {
    const int fd = FFd;
    FFd = -1;
    return close(fd) == 0;
  }
  void Keep() { FKept = true; }

 private:
  std::string FPath;
  int FFd = -1;
  bool FKept = false;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// Makes the rename itself durable; a folder that can't be synced changes
// nothing about the save.
void SyncFolder(const fs::path& target) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

void SaveFileAtomically(const std::string& fileName, std::string_view bytes) {
  if (fileName.empty()) ThrowCreateError(fileName, ENOENT);
  const fs::path target = FollowLinks(fileName);

  struct stat old{};
  const bool exists = stat(target.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) ThrowCreateError(fileName, EISDIR);
  // Replacing a file one may not write would bypass its protection.
  if (exists && access(target.c_str(), W_OK) != 0) ThrowCreateError(fileName, errno);

  TempFile temp(target);
  if (!temp.Opened()) ThrowCreateError(fileName, errno);

  const mode_t mode = exists ? (old.st_mode & 07777) : (0666 & ~CurrentUmask());
  if (fchmod(temp.Fd(), mode) != 0) ThrowCreateError(fileName, errno);
  if (exists) {
    // Keeping the owner needs privileges; without them the file becomes ours.
    const int ignored = fchown(temp.Fd(), old.st_uid, old.st_gid);
    (void)ignored;
  }

  if (!WriteAll(temp.Fd(), bytes) || fsync(temp.Fd()) != 0) ThrowWriteError(fileName, errno);
  if (!temp.Close()) ThrowWriteError(fileName, errno);
  if (rename(temp.Path().c_str(), target.c_str()) != 0) ThrowCreateError(fileName, errno);
  temp.Keep();
  SyncFolder(target);
}

}  // namespace tabulon
