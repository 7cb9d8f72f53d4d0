#include "XlsAdapter/biff/FormulaTokens.h"

#include "platform/LittleEndian.h"

namespace tabulon {
namespace {

// ptgStr: count byte, option byte, [run count u16], [far-east size u32],
// characters, runs, far-east data.
std::optional<size_t> StrTokenSize(std::span<const uint8_t> tokens) {
  if (tokens.size() < 3) return std::nullopt;
  const uint8_t count = tokens[1];
  const uint8_t options = tokens[2];
  size_t size = 3 + size_t{count} * ((options & 0x01) != 0 ? 2 : 1);
  size_t field = 3;
  if ((options & 0x08) != 0) {
    if (tokens.size() < field + 2) return std::nullopt;
    size += 2 + 4 * size_t{GetU16(&tokens[field])};
    field += 2;
  }
  if ((options & 0x04) != 0) {
    if (tokens.size() < field + 4) return std::nullopt;
    size += 4 + size_t{GetU32(&tokens[field])};
  }
  return size;
}

// ptgAttr: 4 bytes; with the choose bit, a jump table of n + 1 entries.
std::optional<size_t> AttrTokenSize(std::span<const uint8_t> tokens) {
  if (tokens.size() < 4) return std::nullopt;
  if ((tokens[1] & 0x04) == 0) return 4;
  return 4 + 2 * (size_t{GetU16(&tokens[2])} + 1);
}

// Tokens that exist in the reference, value and array classes (ids 0x20
// apart), by their reference-class id.
std::optional<size_t> ClassedTokenSize(uint8_t baseId) {
  switch (baseId) {
    case 0x21: return 3;   // func
    case 0x22: return 4;   // funcvar
    case 0x20: return 8;   // array
    case 0x23: return 5;   // name
    case 0x24: return 5;   // ref
    case 0x25: return 9;   // area
    case 0x2A: return 5;   // referr
    case 0x2B: return 9;   // areaerr
    case 0x2C: return 5;   // refn
    case 0x2D: return 9;   // arean
    case 0x39: return 7;   // namex
    case 0x3A: return 7;   // ref3d
    case 0x3B: return 11;  // area3d
    case 0x3C: return 7;   // referr3d
    case 0x3D: return 11;  // areaerr3d
    default: return std::nullopt;
  }
}

}  // namespace

std::optional<size_t> FormulaTokenSize(std::span<const uint8_t> tokens) {
  if (tokens.empty()) return std::nullopt;
  const uint8_t id = tokens[0];
  if (id == 0x01 || id == 0x02) return 5;     // exp, tbl
  if (id >= 0x03 && id <= 0x16) return 1;     // operators, paren, missing arg
  if (id == 0x17) return StrTokenSize(tokens);
  if (id == 0x19) return AttrTokenSize(tokens);
  if (id == 0x1C || id == 0x1D) return 2;     // err, bool
  if (id == 0x1E) return 3;                   // int
  if (id == 0x1F) return 9;                   // num
  if (id == 0x29) return 3;                   // memfunc, reference class only
  if (id >= 0x20 && id < 0x80) return ClassedTokenSize(static_cast<uint8_t>(0x20 + (id & 0x1F)));
  return std::nullopt;
}

bool AreFormulaTokensKnown(std::span<const uint8_t> tokens) {
  size_t pos = 0;
  while (pos < tokens.size()) {
    const std::optional<size_t> size = FormulaTokenSize(tokens.subspan(pos));
    if (!size || *size > tokens.size() - pos) return false;
    pos += *size;
  }
  return true;
}

}  // namespace tabulon
