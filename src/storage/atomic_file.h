#pragma once
// Whole-file replacement that never leaves a half-written file: the new
// content goes to NAME.tmp beside the file, is flushed, and is then moved over
// the old file. A load that finds the file missing or unreadable but a
// readable NAME.tmp beside it recovers the content from the .tmp.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

class FileSystem;

std::filesystem::path temporaryPathFor(const std::filesystem::path& path);
bool replaceFileAtomically(FileSystem& files, const std::filesystem::path& path, std::string_view bytes);
std::optional<std::string> readFileRecovering(FileSystem& files, const std::filesystem::path& path);

}  // namespace orvane
