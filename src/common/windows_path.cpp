#include "common/windows_path.h"

#include "common/gbk.h"

namespace orvane {

namespace {

// The position of the last backslash that is a character of its own.
std::size_t lastSeparator(std::string_view path) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); i += gbkUnitLength(path, i)) {
    if (path[i] == '\\') found = i;
  }
  return found;
}

bool isDriveRoot(std::string_view directory) { return directory.size() == 2 && directory[1] == ':'; }

}  // namespace

std::string_view fileNamePart(std::string_view path) {
  const std::size_t separator = lastSeparator(path);
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string_view directoryPart(std::string_view path) {
  const std::size_t separator = lastSeparator(path);
  if (separator == std::string_view::npos) return {};
  const std::string_view directory = path.substr(0, separator);
  return isDriveRoot(directory) ? path.substr(0, separator + 1) : directory;
}

}  // namespace orvane
