#pragma once
// The parts of a Windows path held as GBK text (a path from a task line or
// from the process list). Only a backslash that is a character of its own
// separates: the second byte of a Chinese character may be 0x5C too.

#include <string_view>

namespace orvane {

// The last component: the text after the last backslash, or the whole path
// when it has none.
std::string_view fileNamePart(std::string_view path);

// The path without its last component and the backslash before it; a drive
// root keeps its backslash ("C:\x.exe" gives "C:\"), since "C:" alone means
// the current directory of that drive. Empty when the path has no backslash.
std::string_view directoryPart(std::string_view path);

}  // namespace orvane
