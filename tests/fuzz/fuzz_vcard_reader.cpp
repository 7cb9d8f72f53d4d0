// The vCard reader must take any bytes without crashing or hanging, and
// whatever it read must be writable again.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "vcard/Card.h"
#include "vcard/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  tabulon::TvCard card;
  try {
    card.LoadFromStream(in);
  } catch (const tabulon::EvCardError&) {
    return 0;  // a date that does not exist
  }
  card.SaveToString();
  return 0;
}
