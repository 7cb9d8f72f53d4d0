// Small helpers shared by the contact library's tests.
#pragma once

#include <sstream>
#include <string>
#include <string_view>

#include "platform/DateTime.h"
#include "platform/TextEncoding.h"
#include "vcard/Card.h"

namespace tabulon::test {

// Bytes that the image facility takes for a JPEG (or another kind): the
// signature followed by filler up to `size` bytes.
inline std::string ImageBytes(std::string_view signature, size_t size = 64) {
  std::string bytes(signature);
  for (size_t i = bytes.size(); i < size; ++i) bytes += static_cast<char>('A' + i % 26);
  return bytes;
}

inline std::string JpegBytes(size_t size = 64) { return ImageBytes("\xFF\xD8\xFF\xE0", size); }
inline std::string PngBytes(size_t size = 64) { return ImageBytes("\x89PNG\r\n\x1A\n", size); }

inline TDateTime Date(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
  TDateTime date = 0, time = 0;
  TryEncodeDate(y, m, d, date);
  TryEncodeTime(h, mi, s, 0, time);
  return date + time;
}

// Reads vCard text (UTF-8 bytes) into `card`, appending.
inline void ReadText(TvCard& card, std::string_view bytes) {
  std::istringstream stream{std::string(bytes)};
  card.InsertFromStream(stream);
}

inline std::string Utf8(std::u16string_view text) { return ToUtf8(text); }

}  // namespace tabulon::test
