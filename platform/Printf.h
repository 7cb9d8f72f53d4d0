// printf-style filling of the system's message texts ("Record with ID 0x%x
// is invalid"), exactly as C's printf fills them.
#pragma once

#include <string>

namespace tabulon {

std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace tabulon
