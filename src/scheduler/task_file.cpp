#include "scheduler/task_file.h"

#include "platform/files.h"
#include "storage/atomic_file.h"

namespace orvane {

namespace {
constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr std::string_view kLineEnd = "\r\n";

std::size_t endOfLine(std::string_view bytes, std::size_t start) {
  while (start < bytes.size() && bytes[start] != kCr && bytes[start] != kLf) ++start;
  return start;
}
}  // namespace

std::filesystem::path taskFilePath(const FileSystem& files) { return files.programDirectory() / "task.dat"; }

TaskList parseTaskFile(std::string_view bytes) {
  TaskList lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = endOfLine(bytes, start);
    lines.emplace_back(bytes.substr(start, end - start));
    // A line ends with CR, LF or CR LF.
    start = end;
    if (start < bytes.size() && bytes[start] == kCr) ++start;
    if (start < bytes.size() && bytes[start] == kLf) ++start;
  }
  return lines;
}

std::string serializeTaskFile(const TaskList& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line;
    bytes += kLineEnd;
  }
  return bytes;
}

std::optional<TaskList> loadTaskFile(FileSystem& files, const std::filesystem::path& path) {
  const auto bytes = readFileRecovering(files, path);
  if (!bytes) return std::nullopt;
  return parseTaskFile(*bytes);
}

bool saveTaskFile(FileSystem& files, const std::filesystem::path& path, const TaskList& lines) {
  return replaceFileAtomically(files, path, serializeTaskFile(lines));
}

}  // namespace orvane
