#pragma once
// The task file "task.dat" beside the executable and the task list in memory:
// one task line per line of the file, in file order, as bytes (GBK). Lines
// are read whether they end in CR LF, LF alone or CR alone; every line written
// ends in CR LF, the last one included.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class FileSystem;

using TaskList = std::vector<std::string>;

std::filesystem::path taskFilePath(const FileSystem& files);

TaskList parseTaskFile(std::string_view bytes);
// The same into an existing list, whose texts keep their storage where they
// can: a list read again from an unchanged file needs no new memory.
void assignTaskLines(std::string_view bytes, TaskList& lines);
std::string serializeTaskFile(const TaskList& lines);

// Reads the lines of the file into `lines` (see assignTaskLines); false, and
// `lines` unchanged, when it is missing or cannot be read. A file lost in the
// middle of a save is recovered from the completed new file beside it.
bool reloadTaskFile(FileSystem& files, const std::filesystem::path& path, TaskList& lines);
// Replaces the whole file atomically (a temporary file beside it, then moved
// over it), so a failed save leaves the old file as it was; false then.
bool saveTaskFile(FileSystem& files, const std::filesystem::path& path, const TaskList& lines);

}  // namespace orvane
