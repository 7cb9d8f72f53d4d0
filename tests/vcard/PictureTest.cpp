#include "vcard/Picture.h"

#include <gtest/gtest.h>

#include "VCardTestSupport.h"
#include "vcard/Contact.h"

namespace tabulon {
namespace {

using namespace std::string_literals;

struct KindCase {
  const char* name;
  std::string bytes;
  TImageKind kind;
};

void PrintTo(const KindCase& c, std::ostream* os) { *os << c.name; }

class DetectKind : public testing::TestWithParam<KindCase> {};

TEST_P(DetectKind, FromTheFirstBytes) {
  EXPECT_EQ(DetectImageKind(GetParam().bytes), GetParam().kind);
}

std::string WithAt(std::string bytes, size_t offset, std::string_view part) {
  bytes.replace(offset, part.size(), part);
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Signatures, DetectKind,
    testing::Values(
        KindCase{"Jpeg", test::JpegBytes(), ikJPEG},
        KindCase{"JpegOf43Bytes", test::JpegBytes(43), ikNone},
        KindCase{"JpegOf44Bytes", test::JpegBytes(44), ikJPEG},
        KindCase{"Png", test::PngBytes(), ikPNG},
        KindCase{"Gif", test::ImageBytes("GIF87a"), ikGIF},
        KindCase{"Bitmap", test::ImageBytes("BM"), ikBitmap},
        KindCase{"TiffLittleEndian", test::ImageBytes("II\x2A\x00"s), ikTIFF},
        KindCase{"TiffBigEndian", test::ImageBytes("MM\x00\x2A"s), ikTIFF},
        // "II" or "MM" not followed by a TIFF marker is nothing, even with
        // an icon's marker after it.
        KindCase{"IINotTiff", test::ImageBytes("II\x01\x00"s), ikNone},
        KindCase{"MMNotTiff", test::ImageBytes("MM\x2A\x00"s), ikNone},
        KindCase{"Metafile", test::ImageBytes("\xD7\xCD\xC6\x9A"), ikMetafile},
        KindCase{"EnhancedMetafile", WithAt(test::ImageBytes("\x01\x00\x00\x00"s), 40, " EMF"),
                 ikEnhMetafile},
        KindCase{"EnhancedMetafileWithoutMarker", test::ImageBytes("\x01\x00\x00\x00"s), ikNone},
        KindCase{"Icon", test::ImageBytes("\x00\x00\x01\x00"s), ikIcon},
        KindCase{"Text", std::string(64, 'x'), ikNone},
        KindCase{"Empty", "", ikNone}),
    [](const auto& info) { return info.param.name; });

TEST(LoadPicture, KeepsBytesAndKindOrLeavesThePicture) {
  TPicture picture;
  LoadPictureFromStream(picture, test::JpegBytes());
  EXPECT_EQ(picture.Kind(), ikJPEG);
  EXPECT_EQ(picture.Bytes(), test::JpegBytes());
  LoadPictureFromStream(picture, std::string(64, 'x'));  // unknown: unchanged
  EXPECT_EQ(picture.Kind(), ikJPEG);
  LoadPictureFromStream(picture, "");
  EXPECT_TRUE(picture.Empty());
  EXPECT_EQ(picture.Kind(), ikNone);
}

TEST(PhotoForms, EncodeKeepsTheTextWhenThereIsNoImage) {
  TvContact c;
  c.SetPhotoStr(u"kept");
  c.EncodePhoto();
  EXPECT_EQ(c.PhotoStr(), u"kept");
  TPicture picture;
  picture.SetImage("\xFF\xD8\xFF\xE0" + std::string(40, '\xFF'), ikJPEG);
  c.SetPhoto(&picture);
  c.EncodePhoto();
  EXPECT_EQ(c.PhotoStr(), u"/9j/4P////////////////////////////////////////////////////8=");
}

TEST(PhotoForms, DecodeLoadsClearsOrIgnores) {
  TvContact c;
  const std::string bytes = test::PngBytes();
  TPicture picture;
  picture.SetImage(bytes, ikPNG);
  c.SetPhoto(&picture);
  c.EncodePhoto();
  const std::u16string text = c.PhotoStr();
  c.SetPhoto(nullptr);
  c.DecodePhoto();
  EXPECT_EQ(c.Photo().Bytes(), bytes);
  EXPECT_EQ(c.Photo().Kind(), ikPNG);

  c.SetPhotoStr(u"eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4");  // "xxx..."
  c.DecodePhoto();
  EXPECT_EQ(c.Photo().Kind(), ikPNG) << "bytes of no known kind leave the photo";
  c.SetPhotoStr(u"");
  c.DecodePhoto();
  EXPECT_TRUE(c.Photo().Empty());
}

}  // namespace
}  // namespace tabulon
