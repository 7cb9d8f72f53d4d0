#include "vcard/Picture.h"

namespace tabulon {
namespace {

constexpr size_t kMinImageSize = 44;

bool StartsWith(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

uint32_t LittleEndian32(std::string_view bytes, size_t offset) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(bytes[offset + i]);
  return value;
}

uint16_t LittleEndian16(std::string_view bytes, size_t offset) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[offset]) |
                               static_cast<uint8_t>(bytes[offset + 1]) << 8);
}

}  // namespace

TImageKind DetectImageKind(std::string_view bytes) {
  using namespace std::string_view_literals;
  if (bytes.size() < kMinImageSize) return ikNone;
  if (StartsWith(bytes, "II"sv)) return StartsWith(bytes, "II\x2A\x00"sv) ? ikTIFF : ikNone;
  if (StartsWith(bytes, "BM"sv)) return ikBitmap;
  if (StartsWith(bytes, "MM"sv)) return StartsWith(bytes, "MM\x00\x2A"sv) ? ikTIFF : ikNone;
  if (StartsWith(bytes, "\xFF\xD8"sv)) return ikJPEG;
  if (StartsWith(bytes, "\x89PNG\r\n\x1A\n"sv)) return ikPNG;
  if (LittleEndian32(bytes, 0) == 0x9AC6CDD7) return ikMetafile;
  if (LittleEndian32(bytes, 0) == 1 && bytes.substr(40, 4) == " EMF"sv) return ikEnhMetafile;
  if (StartsWith(bytes, "GIF"sv)) return ikGIF;
  if (LittleEndian16(bytes, 2) == 1) return ikIcon;
  return ikNone;
}

void TPicture::Clear() {
  FBytes.clear();
  FKind = ikNone;
}

void TPicture::SetImage(std::string bytes, TImageKind kind) {
  FBytes = std::move(bytes);
  FKind = FBytes.empty() ? ikNone : kind;
}

void TPicture::Assign(const TPicture* source) {
  if (source == nullptr) {
    Clear();
  } else if (source != this) {
    FBytes = source->FBytes;
    FKind = source->FKind;
  }
}

void LoadPictureFromStream(TPicture& picture, std::string_view bytes) {
  if (bytes.empty()) {
    picture.Clear();
    return;
  }
  const TImageKind kind = DetectImageKind(bytes);
  if (kind != ikNone) picture.SetImage(std::string(bytes), kind);
}

}  // namespace tabulon
