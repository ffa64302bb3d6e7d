#pragma once
// Values in the program's log lines (the simulator's record, the texts that
// windows give for it): in double quotes, with CR, LF and the quote written
// as \r, \n and \", so that one event stays on one line. UTF-8.

#include <string>
#include <string_view>

namespace orvane {

std::string quoted(std::string_view utf8);
// The same for GBK text, converted to UTF-8.
std::string quotedGbk(std::string_view gbk);

}  // namespace orvane
