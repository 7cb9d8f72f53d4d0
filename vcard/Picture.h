// The contact photo as the image facility keeps it: the image's bytes and
// its kind, recognised from the first bytes. Pixels are never decoded here;
// showing the image is the window's business.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tabulon {

enum TImageKind : uint8_t {
  ikNone,
  ikTIFF,           // read by the general image codec
  ikBitmap,
  ikJPEG,
  ikPNG,
  ikMetafile,       // placeable Windows metafile
  ikEnhMetafile,
  ikGIF,
  ikIcon,
};

// The kind of image that `bytes` begin with; ikNone for fewer than 44
// bytes or a signature it does not know.
TImageKind DetectImageKind(std::string_view bytes);

class TPicture {
 public:
  bool Empty() const { return FBytes.empty(); }
  TImageKind Kind() const { return FKind; }
  // The image saved as bytes.
  const std::string& Bytes() const { return FBytes; }

  void Clear();
  // Holds `bytes` as an image of `kind` (not ikNone).
  void SetImage(std::string bytes, TImageKind kind);
  // Copies the image of `source`; a null source clears the picture.
  void Assign(const TPicture* source);

  bool operator==(const TPicture&) const = default;

 private:
  std::string FBytes;
  TImageKind FKind = ikNone;
};

// No bytes clear the picture; bytes of a recognised kind become its image;
// bytes of no known kind leave it unchanged.
void LoadPictureFromStream(TPicture& picture, std::string_view bytes);

}  // namespace tabulon
