// The cross-built libjpeg-turbo (static, without SIMD) links into Windows
// executables and decodes: an image compressed in memory comes back with its
// size, its colour components and (within JPEG's loss) its pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace {

constexpr JDIMENSION kWidth = 32;
constexpr JDIMENSION kHeight = 16;
constexpr int kComponents = 3;

// A smooth gradient, which baseline JPEG at high quality keeps nearly intact.
JSAMPLE gradientSample(JDIMENSION x, JDIMENSION y, int component) {
  return static_cast<JSAMPLE>(x * 3 + y * 4 + static_cast<JDIMENSION>(component) * 40);
}

std::vector<unsigned char> compressGradient() {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = kWidth;
  info.image_height = kHeight;
  info.input_components = kComponents;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(kWidth * kComponents);
  while (info.next_scanline < kHeight) {
    for (JDIMENSION x = 0; x < kWidth; ++x) {
      for (int c = 0; c < kComponents; ++c) row[x * kComponents + c] = gradientSample(x, info.next_scanline, c);
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<unsigned char> jpeg(buffer, buffer + size);
  std::free(buffer);
  return jpeg;
}

TEST(JpegLink, DecodesWhatItEncoded) {
  const std::vector<unsigned char> jpeg = compressGradient();
  ASSERT_GT(jpeg.size(), 2u);
  EXPECT_EQ(jpeg[0], 0xFF);
  EXPECT_EQ(jpeg[1], 0xD8);

  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  ASSERT_EQ(jpeg_read_header(&info, TRUE), JPEG_HEADER_OK);
  jpeg_start_decompress(&info);
  EXPECT_EQ(info.output_width, kWidth);
  EXPECT_EQ(info.output_height, kHeight);
  EXPECT_EQ(info.output_components, kComponents);

  std::vector<JSAMPLE> row(kWidth * kComponents);
  int worst = 0;
  while (info.output_scanline < info.output_height) {
    const JDIMENSION y = info.output_scanline;
    JSAMPROW rows[] = {row.data()};
    jpeg_read_scanlines(&info, rows, 1);
    for (JDIMENSION x = 0; x < kWidth; ++x) {
      for (int c = 0; c < kComponents; ++c) {
        worst = std::max(worst, std::abs(int{row[x * kComponents + c]} - int{gradientSample(x, y, c)}));
      }
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  EXPECT_LE(worst, 6);
}

}  // namespace
