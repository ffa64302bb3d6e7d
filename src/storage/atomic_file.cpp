#include "storage/atomic_file.h"

#include "platform/files.h"

namespace orvane {

namespace {

std::filesystem::path withSuffix(const std::filesystem::path& path, const char* suffix) {
  std::filesystem::path named = path;
  named += suffix;
  return named;
}

}  // namespace

std::filesystem::path temporaryPathFor(const std::filesystem::path& path) { return withSuffix(path, ".tmp"); }

std::filesystem::path completedPathFor(const std::filesystem::path& path) { return withSuffix(path, ".new"); }

bool replaceFileAtomically(FileSystem& files, const std::filesystem::path& path, std::string_view bytes) {
  const std::filesystem::path temporary = temporaryPathFor(path);
  const std::filesystem::path completed = completedPathFor(path);
  if (files.writeFileFlushed(temporary, bytes) && files.moveReplacing(temporary, completed) &&
      files.moveReplacing(completed, path)) {
    return true;
  }
  files.removeFile(temporary);
  files.removeFile(completed);
  return false;
}

std::optional<std::string> readFileRecovering(FileSystem& files, const std::filesystem::path& path) {
  if (auto content = files.readFile(path)) return content;
  const std::filesystem::path completed = completedPathFor(path);
  auto recovered = files.readFile(completed);
  if (recovered) files.moveReplacing(completed, path);
  return recovered;
}

}  // namespace orvane
