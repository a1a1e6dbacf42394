#pragma once

#include <stdexcept>
#include <string>

namespace store {

// Every failure of the table store. what() is the text shown to the user as it stands.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A field value that cannot be read or written as the requested type, for example an empty field
// read as an integer ("'' is not a valid integer value").
class ConversionError : public Error {
 public:
  using Error::Error;
};

// A write to a dictionary opened read-only, refused before anything was changed. what() names the
// folder and why it cannot be written.
class ReadOnlyError : public Error {
 public:
  using Error::Error;
};

// The data folder is owned by another running program. The caller shows what() and ends the
// program; no table has been opened.
class FolderInUseError : public Error {
 public:
  using Error::Error;
};

}  // namespace store
