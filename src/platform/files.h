#pragma once
// The file system as the program sees it: its own directory (where the
// executable lies), the Windows system directory, and whole-file reads and
// writes. Paths of the program's own files are std::filesystem::path.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual std::filesystem::path programDirectory() const = 0;
  virtual std::filesystem::path systemDirectory() const = 0;
  // The same two directories as the program hands them to Windows (to the
  // shell, the registry): GBK text without a trailing backslash.
  virtual std::string programDirectoryText() const = 0;
  virtual std::string systemDirectoryText() const = 0;
  // The executable's own full path (argument 0 of the process), GBK.
  virtual std::string executablePath() const = 0;

  // The whole content, or nothing when the file is missing or unreadable.
  // The file is opened denying other writers.
  virtual std::optional<std::string> readFile(const std::filesystem::path& path) = 0;
  // Creates or truncates the file, writes the bytes and flushes them to the
  // disk before returning; false when any step failed.
  virtual bool writeFileFlushed(const std::filesystem::path& path, std::string_view bytes) = 0;
  // Moves a file over another, replacing it, with write-through.
  virtual bool moveReplacing(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  virtual bool fileExists(const std::filesystem::path& path) = 0;
  virtual bool removeFile(const std::filesystem::path& path) = 0;

  // The user's temporary directory (GetTempPath); empty when there is none.
  virtual std::filesystem::path temporaryDirectory() const = 0;
  // A path as the program hands it to Windows (a command line): GBK text.
  virtual std::string pathText(const std::filesystem::path& path) const = 0;
  virtual bool directoryExists(const std::filesystem::path& path) = 0;
  // Creates one directory (its parent must exist); false when it failed.
  virtual bool createDirectory(const std::filesystem::path& path) = 0;
  // Removes an empty directory.
  virtual bool removeDirectory(const std::filesystem::path& path) = 0;
};

}  // namespace orvane
