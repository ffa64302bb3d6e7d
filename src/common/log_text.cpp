#include "common/log_text.h"

#include "common/gbk.h"

namespace orvane {

std::string quoted(std::string_view utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    switch (c) {
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '"':
        out += "\\\"";
        break;
      default:
        out += c;
    }
  }
  return out + "\"";
}

std::string quotedGbk(std::string_view gbk) { return quoted(gbkToUtf8(gbk)); }

}  // namespace orvane
