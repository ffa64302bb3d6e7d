#include "storage/atomic_file.h"

#include "platform/files.h"

namespace orvane {

std::filesystem::path temporaryPathFor(const std::filesystem::path& path) {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  return temporary;
}

bool replaceFileAtomically(FileSystem& files, const std::filesystem::path& path, std::string_view bytes) {
  const std::filesystem::path temporary = temporaryPathFor(path);
  if (files.writeFileFlushed(temporary, bytes) && files.moveReplacing(temporary, path)) return true;
  files.removeFile(temporary);
  return false;
}

std::optional<std::string> readFileRecovering(FileSystem& files, const std::filesystem::path& path) {
  if (auto content = files.readFile(path)) return content;
  const std::filesystem::path temporary = temporaryPathFor(path);
  auto recovered = files.readFile(temporary);
  if (recovered) files.moveReplacing(temporary, path);
  return recovered;
}

}  // namespace orvane
