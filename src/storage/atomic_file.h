#pragma once
// Whole-file replacement that never leaves a half-written file: the new
// content goes to NAME.tmp beside the file and is flushed; only then is it
// renamed NAME.new, which marks it complete, and moved over the old file. A
// load that finds the file missing or unreadable recovers the content from
// a readable NAME.new; a NAME.tmp may have been cut off by a crash or a full
// disk and is never taken for the file.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

class FileSystem;

std::filesystem::path temporaryPathFor(const std::filesystem::path& path);
std::filesystem::path completedPathFor(const std::filesystem::path& path);
bool replaceFileAtomically(FileSystem& files, const std::filesystem::path& path, std::string_view bytes);
std::optional<std::string> readFileRecovering(FileSystem& files, const std::filesystem::path& path);

}  // namespace orvane
