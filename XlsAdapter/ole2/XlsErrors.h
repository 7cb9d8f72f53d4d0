// Raising the reader's failures with their message texts.
#pragma once

#include <cstdint>

namespace tabulon {

// "The file "" is invalid": not a compound document, or no such stream.
[[noreturn]] void FailFileInvalid();
// "Error reading Excel records. File invalid": a broken chain or table, or
// a record where it cannot be.
[[noreturn]] void FailRecordsInvalid();
// "Error reading record": data read beyond a record and its CONTINUE chain.
[[noreturn]] void FailErrorReadingRecord();
// "Record with ID 0x%x is invalid": a record too short for its layout.
[[noreturn]] void FailInvalidRecord(uint16_t id);
// "The index "%d" of the property "%s" is not in the range %d-%d".
[[noreturn]] void FailIndexOutOfRange(int index, const char* property, int low, int high);

}  // namespace tabulon
