// The exceptions the contact library raises. Each carries the message shown
// to the user, in UTF-8.
#pragma once

#include <stdexcept>

namespace tabulon {

// Text that cannot be read: a date that does not exist, XML that is not
// well-formed, a value that is not a boolean.
class EvCardError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file that cannot be opened, created or written.
class EvFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An index outside 0 to count - 1.
class EListError : public std::out_of_range {
 public:
  using std::out_of_range::out_of_range;
};

[[noreturn]] void ThrowListIndexError(int index);

}  // namespace tabulon
