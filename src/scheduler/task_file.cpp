#include "scheduler/task_file.h"

#include "common/byte_blocks.h"
#include "platform/files.h"
#include "storage/atomic_file.h"

namespace orvane {

namespace {
constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr std::string_view kLineEnd = "\r\n";

// The end of the line that starts at `start`: its CR or LF, or the end of
// the bytes.
std::size_t lineEndFrom(std::string_view bytes, std::size_t start) {
  return byte_blocks::findFirstOf<kCr, kLf>(bytes, start);
}
}  // namespace

std::filesystem::path taskFilePath(const FileSystem& files) { return files.programDirectory() / "task.dat"; }

TaskList parseTaskFile(std::string_view bytes) {
  TaskList lines;
  assignTaskLines(bytes, lines);
  return lines;
}

void assignTaskLines(std::string_view bytes, TaskList& lines) {
  std::size_t count = 0;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = lineEndFrom(bytes, start);
    if (count == lines.size()) lines.emplace_back();
    std::string& line = lines[count++];
    line.clear();
    line.append(bytes.data() + start, end - start);
    // A line ends with CR, LF or CR LF.
    start = end;
    if (start < bytes.size() && bytes[start] == kCr) ++start;
    if (start < bytes.size() && bytes[start] == kLf) ++start;
  }
  lines.resize(count);
}

std::string serializeTaskFile(const TaskList& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line;
    bytes += kLineEnd;
  }
  return bytes;
}

bool reloadTaskFile(FileSystem& files, const std::filesystem::path& path, TaskList& lines) {
  const auto bytes = readFileRecovering(files, path);
  if (bytes) assignTaskLines(*bytes, lines);
  return bytes.has_value();
}

bool saveTaskFile(FileSystem& files, const std::filesystem::path& path, const TaskList& lines) {
  return replaceFileAtomically(files, path, serializeTaskFile(lines));
}

}  // namespace orvane
