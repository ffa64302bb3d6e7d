#include "app/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "platform/files.h"

namespace orvane {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return; it jumps back to the decoder, whose locals are all trivial.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

[[noreturn]] void leaveDecoder(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void ignoreMessage(j_common_ptr) {}

// Decodes into `picture`; false on any error. No object with a destructor
// is created between setjmp and the end of the function.
bool decodeInto(std::string_view bytes, Picture& picture) {
  jpeg_decompress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = leaveDecoder;
  errors.base.output_message = ignoreMessage;
  if (setjmp(errors.escape) != 0) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  picture.width = static_cast<int>(info.output_width);
  picture.height = static_cast<int>(info.output_height);
  const std::size_t stride = static_cast<std::size_t>(info.output_width) * 3;
  picture.rgb.resize(stride * info.output_height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = picture.rgb.data() + stride * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

std::optional<Picture> decodeJpeg(std::string_view bytes) {
  Picture picture;
  if (bytes.empty() || !decodeInto(bytes, picture)) return std::nullopt;
  return picture;
}

std::optional<Picture> loadJpeg(FileSystem& files, const std::filesystem::path& path) {
  const auto bytes = files.readFile(path);
  if (!bytes) return std::nullopt;
  return decodeJpeg(*bytes);
}

}  // namespace orvane
