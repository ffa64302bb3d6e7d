#pragma once
// Conversions between the program's GBK bytes (code page 936) and UTF-8
// (texts that are only shown, the simulator's log); UTF-16 is the Win32
// backend's (platform/win32/win32_text.h). Bytes that do not convert become
// '?' (to GBK) or U+FFFD (from GBK).

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane {

std::string gbkToUtf8(std::string_view gbk);
std::string utf8ToGbk(std::string_view utf8);

// The length in bytes (1 or 2) of the GBK character at `position`, so that
// a byte search can step over the second byte of a Chinese character, which
// may look like an ASCII letter or a backslash.
std::size_t gbkUnitLength(std::string_view gbk, std::size_t position);
// The length in bytes (1 to 4) of the UTF-8 sequence at `position`: the lead
// byte and as many continuation bytes as it announces and follow it.
std::size_t utf8UnitLength(std::string_view utf8, std::size_t position);

// Upper-cases the letters a to z only, leaving every other byte (the bytes of
// Chinese characters included) as it is.
std::string asciiUpper(std::string_view text);
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);
// Removes blanks, tabs and other bytes up to 0x20 at both ends.
std::string_view trimBlanks(std::string_view text);

}  // namespace orvane
