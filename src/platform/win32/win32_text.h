#pragma once
// Text at the Win32 boundary: UTF-16 to and from the program's GBK bytes
// (code page 936, never the system's ANSI code page) and UTF-8 (texts that
// are only shown). Bytes that do not convert become U+FFFD; characters that
// GBK lacks become '?'.

#include <string>
#include <string_view>

namespace orvane {

std::wstring gbkToWide(std::string_view gbk);
std::string wideToGbk(std::wstring_view wide);
std::wstring utf8ToWide(std::string_view utf8);
std::string wideToUtf8(std::wstring_view wide);

}  // namespace orvane
