#include "common/gbk.h"

#ifndef _WIN32
#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#endif

namespace orvane {

namespace {

unsigned byteAt(std::string_view text, std::size_t position) { return static_cast<unsigned char>(text[position]); }

char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

#ifndef _WIN32

constexpr const char* kGbkCharset = "CP936";

using UnitLength = std::size_t (*)(std::string_view, std::size_t);

// Converts with iconv; every unit of the input that does not convert (an
// invalid byte sequence or a character the target lacks) becomes
// `replacement`.
std::string convert(const char* to, const char* from, std::string_view input, std::string_view replacement,
                    UnitLength unitLength) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error(std::string("no converter to ") + to);
  std::string output;
  char buffer[256];
  std::size_t position = 0;
  while (position < input.size()) {
    char* in = const_cast<char*>(input.data() + position);
    std::size_t inLeft = input.size() - position;
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const bool failed =
        iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) && errno != E2BIG;
    output.append(buffer, static_cast<std::size_t>(out - buffer));
    position = input.size() - inLeft;
    if (failed) {
      output += replacement;
      position += unitLength(input, position);
      iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(converter);
  return output;
}

#endif

}  // namespace

// A lead byte 0x81-0xFE with a trail byte 0x40-0xFE (but 0x7F) makes two
// bytes, anything else one.
std::size_t gbkUnitLength(std::string_view gbk, std::size_t position) {
  if (position + 1 >= gbk.size()) return 1;
  const unsigned lead = byteAt(gbk, position);
  const unsigned trail = byteAt(gbk, position + 1);
  const bool isLead = lead >= 0x81 && lead <= 0xFE;
  const bool isTrail = trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
  return isLead && isTrail ? 2 : 1;
}

std::size_t utf8UnitLength(std::string_view utf8, std::size_t position) {
  const unsigned lead = byteAt(utf8, position);
  const std::size_t announced = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  std::size_t length = 1;
  while (length < announced && position + length < utf8.size() && (byteAt(utf8, position + length) & 0xC0) == 0x80) {
    ++length;
  }
  return length;
}

// The Windows build has these two from its Win32 backend
// (platform/win32/win32_text.cpp), through the system's code pages.
#ifndef _WIN32

std::string gbkToUtf8(std::string_view gbk) {
  return convert("UTF-8", kGbkCharset, gbk, "\xEF\xBF\xBD", gbkUnitLength);
}

std::string utf8ToGbk(std::string_view utf8) { return convert(kGbkCharset, "UTF-8", utf8, "?", utf8UnitLength); }

#endif

std::string asciiUpper(std::string_view text) {
  std::string upper(text);
  for (std::size_t i = 0; i < upper.size(); i += gbkUnitLength(upper, i)) upper[i] = upperAscii(upper[i]);
  return upper;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && asciiUpper(a) == asciiUpper(b);
}

std::string_view trimBlanks(std::string_view text) {
  const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace orvane
