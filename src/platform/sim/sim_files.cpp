#include "platform/sim/sim_files.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <system_error>

#include "platform/sim/event_log.h"

namespace orvane {

SimFiles::SimFiles(std::filesystem::path programDirectory)
    : programDirectory_(std::filesystem::absolute(std::move(programDirectory)).lexically_normal()) {
  std::error_code ignored;
  std::filesystem::create_directories(systemDirectory(), ignored);
}

// A Unix directory appears on the drive Z:, as Wine shows it; a directory
// that already has a drive (the simulation running under Wine) keeps it.
std::filesystem::path SimFiles::fromWindowsPath(const std::string& gbkPath) const {
  std::string local = gbkPath;
  if (!programDirectory_.has_root_name() && local.size() >= 2 && (local[0] == 'Z' || local[0] == 'z') &&
      local[1] == ':') {
    local.erase(0, 2);
  }
  for (char& c : local) {
    if (c == '\\') c = '/';
  }
  return std::filesystem::path(local).lexically_normal();
}

std::string SimFiles::toWindowsPath(const std::filesystem::path& path) const {
  std::string text = (path.has_root_name() ? "" : "Z:") + path.lexically_normal().string();
  for (char& c : text) {
    if (c == '/') c = '\\';
  }
  while (text.size() > 3 && text.back() == '\\') text.pop_back();
  return text;
}

std::optional<std::string> SimFiles::readFile(const std::filesystem::path& path) {
  // One read of the whole file: the task list is read again at every
  // rebuild, and a simulated day with many tasks does that thousands of times.
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
  std::string content;
  // A file larger than a string can hold (possible in a 32-bit build) is not
  // read, rather than read in part.
  if (size < 0 || static_cast<std::uintmax_t>(size) > content.max_size()) return std::nullopt;
  const auto length = static_cast<std::streamsize>(size);
  content.resize(static_cast<std::size_t>(size));
  in.seekg(0);
  in.read(content.data(), length);
  if (in.gcount() != length) return std::nullopt;
  return content;
}

std::size_t SimFiles::spendBudget(std::size_t size) {
  if (!budget_) return size;
  const std::size_t stored = std::min(size, budget_->bytes);
  budget_->bytes -= stored;
  return stored;
}

bool SimFiles::writeFileFlushed(const std::filesystem::path& path, std::string_view bytes) {
  if (refused(path)) return false;
  const std::size_t stored = spendBudget(bytes.size());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(stored));
  out.flush();
  if (stored < bytes.size() && budget_->crashWhenSpent) throw SimulatedCrash();
  return out && stored == bytes.size();
}

bool SimFiles::moveReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (crashMoveOnto_ == to.lexically_normal()) throw SimulatedCrash();
  if (refused(to)) return false;
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return !error;
}

bool SimFiles::fileExists(const std::filesystem::path& path) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(path, ignored);
}

bool SimFiles::removeFile(const std::filesystem::path& path) {
  if (log_ != nullptr) log_->add("DeleteFile file=" + quotedGbk(toWindowsPath(path)));
  std::error_code error;
  return std::filesystem::remove(path, error) && !error;
}

bool SimFiles::directoryExists(const std::filesystem::path& path) {
  std::error_code ignored;
  return std::filesystem::is_directory(path, ignored);
}

bool SimFiles::createDirectory(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::create_directory(path, error) && !error;
}

bool SimFiles::removeDirectory(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_empty(path, error) && std::filesystem::remove(path, error) && !error;
}

}  // namespace orvane
