#include "scheduler/task_file.h"

#include <algorithm>
#include <cstring>

#include "platform/files.h"
#include "storage/atomic_file.h"

namespace orvane {

namespace {
constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr std::string_view kLineEnd = "\r\n";

// The first `mark` at or after `from`, or the end of the bytes.
std::size_t nextMark(std::string_view bytes, std::size_t from, char mark) {
  const void* found = std::memchr(bytes.data() + from, mark, bytes.size() - from);
  return found == nullptr ? bytes.size() : static_cast<std::size_t>(static_cast<const char*>(found) - bytes.data());
}

// The ends of the lines of a text whose lines end in CR LF, LF or CR. The
// next CR and the next LF are each searched for only once they lie behind,
// so a file with one kind of line end is not searched to its end for the
// other kind at every line.
class LineEnds {
 public:
  explicit LineEnds(std::string_view bytes)
      : bytes_(bytes), cr_(nextMark(bytes, 0, kCr)), lf_(nextMark(bytes, 0, kLf)) {}

  // The end of the line that starts at `start`.
  std::size_t endOf(std::size_t start) {
    if (cr_ < start) cr_ = nextMark(bytes_, start, kCr);
    if (lf_ < start) lf_ = nextMark(bytes_, start, kLf);
    return std::min(cr_, lf_);
  }

 private:
  std::string_view bytes_;
  std::size_t cr_;
  std::size_t lf_;
};
}  // namespace

std::filesystem::path taskFilePath(const FileSystem& files) { return files.programDirectory() / "task.dat"; }

TaskList parseTaskFile(std::string_view bytes) {
  TaskList lines;
  assignTaskLines(bytes, lines);
  return lines;
}

void assignTaskLines(std::string_view bytes, TaskList& lines) {
  LineEnds ends(bytes);
  std::size_t count = 0;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = ends.endOf(start);
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
