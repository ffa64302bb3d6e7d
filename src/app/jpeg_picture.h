#pragma once
// A JPEG picture decoded with libjpeg into RGB pixels, for the background
// of the password prompt.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace orvane {

class FileSystem;

struct Picture {
  int width = 0;
  int height = 0;
  // Rows from the top, three bytes (red, green, blue) a pixel, no padding.
  std::vector<std::uint8_t> rgb;
};

// Nothing when the bytes are not a JPEG that libjpeg can decode.
std::optional<Picture> decodeJpeg(std::string_view bytes);
// Nothing when the file is missing or not a decodable JPEG.
std::optional<Picture> loadJpeg(FileSystem& files, const std::filesystem::path& path);

}  // namespace orvane
