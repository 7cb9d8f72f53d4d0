// UTF-8 decoding must accept any bytes and round-trip what it produced.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/TextEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::u16string text = tabulon::FromUtf8(bytes);
  const std::string again = tabulon::ToUtf8(text);
  if (!tabulon::IsValidUtf8(again)) std::abort();
  if (tabulon::IsValidUtf8(bytes) && again != bytes) std::abort();
  return 0;
}
