// The walk over a formula's parsed tokens ([MS-XLS] 2.5.198 Ptg): which
// tokens are known and how many bytes each occupies. Nothing on the reading
// path evaluates tokens; the walk only tells whether a token array can be
// taken over as a whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace tabulon {

// Bytes occupied by the token at the start of `tokens` (token byte
// included), or none when the token is not known or its size fields lie
// beyond `tokens`.
std::optional<size_t> FormulaTokenSize(std::span<const uint8_t> tokens);

// True when every token of the array is known and lies wholly inside it.
bool AreFormulaTokensKnown(std::span<const uint8_t> tokens);

}  // namespace tabulon
