// Reading data that runs on from a record into its CONTINUE chain. The
// position is a record of the chain and an offset in its data; both move
// along as data is read. Reading beyond the chain, or from a position beyond
// its record's data, fails with "Error reading record".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"

namespace tabulon {

// Plain bytes: nothing is skipped at a record boundary. `dest` may be null
// to skip the bytes.
void ReadContinuedBytes(const TBaseRecord*& aRecord, uint32_t& aPos, uint8_t* dest,
                        size_t count);

// `count` plain bytes appended to `dest`, which grows only as the bytes are
// actually found (a count from the file never sizes an allocation by itself).
void ReadContinuedBlock(const TBaseRecord*& aRecord, uint32_t& aPos, size_t count,
                        std::vector<uint8_t>& dest);

// The characters of a string, from `charsDone` up to `charCount`. At every
// record boundary inside them the next record's byte 0 is an option byte
// that says whether the characters that follow are 16-bit (bit 0) or one
// byte each. When a 16-bit segment follows one-byte ones, the characters so
// far are widened into `wideData` and bit 0 of `optionFlags` is set.
// `shortData` holds the characters while the string is one byte per
// character, `wideData` once it is 16-bit; each is sized when first used.
void ReadContinuedChars(const TBaseRecord*& aRecord, uint32_t& aPos, std::string& shortData,
                        std::u16string& wideData, uint8_t& optionFlags,
                        uint8_t& segmentFlags, uint32_t& charsDone, uint32_t charCount);

}  // namespace tabulon
