// The Windows build's text conversions, through the system's code pages.
// Besides the UTF-16 conversions of win32_text.h this file defines the
// portable gbkToUtf8 and utf8ToGbk of common/gbk.h for the Windows build
// (iconv does the same on Linux): the build compiles it into the common
// library, so that every program and test of the Windows build has them.

#include "platform/win32/win32_text.h"

#include <windows.h>

#include <optional>

#include "common/gbk.h"

namespace orvane {

namespace {

constexpr unsigned kGbkCodePage = 936;

using UnitLength = std::size_t (*)(std::string_view, std::size_t);

std::optional<std::wstring> decodeStrictly(unsigned codePage, std::string_view bytes) {
  if (bytes.empty()) return std::wstring();
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), length);
  return wide;
}

// Decodes a multi-byte text; every unit that is not valid in the code page
// becomes U+FFFD.
std::wstring decode(unsigned codePage, std::string_view bytes, UnitLength unitLength) {
  if (auto whole = decodeStrictly(codePage, bytes)) return *whole;
  std::wstring wide;
  for (std::size_t position = 0; position < bytes.size();) {
    const std::size_t length = unitLength(bytes, position);
    wide += decodeStrictly(codePage, bytes.substr(position, length)).value_or(L"\xFFFD");
    position += length;
  }
  return wide;
}

std::string encode(unsigned codePage, std::wstring_view wide) {
  if (wide.empty()) return std::string();
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

bool isSurrogate(wchar_t c, wchar_t first) { return c >= first && c <= first + 0x3FF; }

// GBK has no characters beyond the Basic Multilingual Plane: each surrogate
// pair, like a stray surrogate, becomes one '?'.
std::wstring withoutSurrogates(std::wstring_view wide) {
  std::wstring result;
  for (std::size_t i = 0; i < wide.size(); ++i) {
    const bool high = isSurrogate(wide[i], 0xD800);
    if (!high && !isSurrogate(wide[i], 0xDC00)) {
      result += wide[i];
      continue;
    }
    result += L'?';
    if (high && i + 1 < wide.size() && isSurrogate(wide[i + 1], 0xDC00)) ++i;
  }
  return result;
}

}  // namespace

std::wstring gbkToWide(std::string_view gbk) { return decode(kGbkCodePage, gbk, gbkUnitLength); }
std::string wideToGbk(std::wstring_view wide) { return encode(kGbkCodePage, withoutSurrogates(wide)); }
std::wstring utf8ToWide(std::string_view utf8) { return decode(CP_UTF8, utf8, utf8UnitLength); }
std::string wideToUtf8(std::wstring_view wide) { return encode(CP_UTF8, wide); }
std::string gbkToUtf8(std::string_view gbk) { return wideToUtf8(gbkToWide(gbk)); }
std::string utf8ToGbk(std::string_view utf8) { return wideToGbk(utf8ToWide(utf8)); }

}  // namespace orvane
