#pragma once
// One INI file read and written one key at a time, as the program's settings
// readers and writers expect: every read opens the file afresh and every
// write rewrites it at once (atomically). A refused write throws
// OperationError "Unable to write to <path>", the path as the program names
// it (the directory's Windows text, a backslash and the file name).

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/profile_file.h"

namespace orvane {

class FileSystem;

class IniSettings {
 public:
  IniSettings(FileSystem& files, std::filesystem::path path);

  std::string read(std::string_view section, std::string_view key, std::string_view fallback) const;
  // Only the exact text "1" is on.
  bool readFlag(std::string_view section, std::string_view key) const;
  std::vector<std::string> keys(std::string_view section) const;
  void write(std::string_view section, std::string_view key, std::string_view value);
  void writeFlag(std::string_view section, std::string_view key, bool on);

  const std::filesystem::path& path() const { return path_; }

 private:
  ProfileFile load() const;
  std::string shownPath() const;

  FileSystem& files_;
  std::filesystem::path path_;
};

}  // namespace orvane
