#include "store/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "store/Error.h"

namespace store {

namespace {

constexpr const char* kLockFileName = "vocamir.lock";

// Whether an open for writing failed because the folder or the file may not be written.
bool CannotWrite(int error) { return error == EACCES || error == EPERM || error == EROFS; }

}  // namespace

FolderLock::FolderLock(const std::filesystem::path& folder) {
  const std::filesystem::path file = folder / kLockFileName;
  readOnlyReason_ = WhyNotWritable(folder);
  if (!readOnlyReason_) {
    fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0 && CannotWrite(errno)) readOnlyReason_ = std::strerror(errno);
  }
  if (readOnlyReason_) {
    fd_ = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0 && errno == ENOENT) return;
  }
  if (fd_ < 0) {
    throw Error("Cannot open the dictionary in " + folder.string() + ": " + std::strerror(errno) +
                ".");
  }
  if (::flock(fd_, (readOnlyReason_ ? LOCK_SH : LOCK_EX) | LOCK_NB) != 0) {
    const int error = errno;
    ::close(fd_);
    fd_ = -1;
    if (error == EWOULDBLOCK) {
      throw FolderInUseError("The dictionary in " + folder.string() +
                             " is already in use by another running Vocamir.");
    }
    throw Error("Cannot lock the dictionary in " + folder.string() + ": " + std::strerror(error) +
                ".");
  }
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);
}

std::optional<std::string> WhyNotWritable(const std::filesystem::path& file) {
  if (::access(file.c_str(), W_OK) == 0 || !CannotWrite(errno)) return std::nullopt;
  return std::strerror(errno);
}

}  // namespace store
