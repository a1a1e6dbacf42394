#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace store {

// Exclusive ownership of a data folder by one running program: an advisory lock (flock) on the
// file vocamir.lock in the folder, held while the object lives and released by the system when
// the process ends in any way.
//
// A folder this process may not write is only read: then the lock is shared (readers of the same
// folder do not exclude each other, a writer excludes them and they it), or there is none when the
// lock file does not exist, as nothing can be written there anyway.
class FolderLock {
 public:
  // Throws FolderInUseError when another owner holds the folder, Error when the lock file cannot
  // be created for another reason than a folder that cannot be written (for example when the
  // folder is missing).
  explicit FolderLock(const std::filesystem::path& folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // Why the folder cannot be written ("Permission denied"), or nothing when it can.
  const std::optional<std::string>& ReadOnlyReason() const { return readOnlyReason_; }

 private:
  int fd_ = -1;
  std::optional<std::string> readOnlyReason_;
};

// Why this process may not write `file` (the system's text, "Permission denied"), or nothing when
// it may, or when the file does not exist.
std::optional<std::string> WhyNotWritable(const std::filesystem::path& file);

}  // namespace store
