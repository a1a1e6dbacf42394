#pragma once

#include <filesystem>

namespace store {

// Exclusive ownership of a data folder by one running program: an advisory lock (flock) on the
// file vocamir.lock in the folder, held while the object lives and released by the system when
// the process ends in any way.
class FolderLock {
 public:
  // Throws FolderInUseError when another owner holds the folder, Error when the lock file cannot
  // be created (for example when the folder is missing).
  explicit FolderLock(const std::filesystem::path& folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

 private:
  int fd_ = -1;
};

}  // namespace store
