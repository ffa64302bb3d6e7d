// The JPEG decoder behind the prompt's background picture.

#include "app/jpeg_picture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace orvane {
namespace {

std::string shippedPicture() {
  std::ifstream in(std::filesystem::path(ORVANE_SOURCE_DIR) / "resources/ship/prompt.jpg", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(JpegPicture, DecodesTheShippedPictureIntoRgbRows) {
  const auto picture = decodeJpeg(shippedPicture());
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->width, 360);
  ASSERT_EQ(picture->height, 190);
  ASSERT_EQ(picture->rgb.size(), 360u * 190u * 3u);
  // The evening gradient: blue over red everywhere near the right edge.
  const std::size_t pixel = (100u * 360u + 350u) * 3u;
  EXPECT_GT(picture->rgb[pixel + 2], picture->rgb[pixel]);
}

TEST(JpegPicture, RefusesWhatIsNoJpegWithoutEndingTheProgram) {
  EXPECT_FALSE(decodeJpeg(""));
  EXPECT_FALSE(decodeJpeg("not a picture at all"));
  std::string header = shippedPicture().substr(0, 20);
  EXPECT_FALSE(decodeJpeg(header));
}

}  // namespace
}  // namespace orvane
