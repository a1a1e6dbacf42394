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
}

FolderLock::FolderLock(const std::filesystem::path& folder) {
  const std::filesystem::path file = folder / kLockFileName;
  fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd_ < 0) {
    throw Error("Cannot open the dictionary in " + folder.string() + ": " + std::strerror(errno) +
                ".");
  }
  if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
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

}  // namespace store
