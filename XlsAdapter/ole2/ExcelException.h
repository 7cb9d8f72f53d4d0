// The one exception class of the spreadsheet reader. Its what() is the
// message text shown to the user (UTF-8).
#pragma once

#include <stdexcept>
#include <string>

namespace tabulon {

class EExcelException : public std::runtime_error {
 public:
  explicit EExcelException(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tabulon
