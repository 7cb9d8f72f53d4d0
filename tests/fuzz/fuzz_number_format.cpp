// Any number format with any value renders without crashing or hanging; the
// only failure it may raise is the over-long picture.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "XlsAdapter/XlsFormatValue.h"
#include "platform/PictureNumberFormat.h"
#include "platform/TextEncoding.h"

// Input: one byte choosing the value's kind (bits 0-1) and the date system
// (bit 2), eight bytes of a double, then the format in UTF-8. A text value
// is the format text before its first NUL.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 9) return 0;
  const uint8_t head = data[0];
  double number;
  std::memcpy(&number, data + 1, sizeof number);
  const std::string_view rest(reinterpret_cast<const char*>(data + 9), size - 9);
  const size_t nul = rest.find('\0');
  tabulon::TCellVariant value;
  std::string_view format = rest;
  switch (head & 3) {
    case 0: value = number; break;
    case 1:
      value = tabulon::FromUtf8(rest.substr(0, nul));
      format = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
      break;
    case 2: value = (head & 8) != 0; break;
    default: break;
  }
  try {
    tabulon::XlsRenderValue(value, tabulon::FromUtf8(format), (head & 4) != 0,
                            tabulon::UsEnglishLocaleSettings());
  } catch (const tabulon::ENumberFormatError&) {
  }
  return 0;
}
