#pragma once
// The real file system: the directory of the running executable, the Windows
// system directory, and whole-file reads and writes through the Win32 file
// functions (reads deny other writers; writes are flushed to the disk; moves
// replace the target with write-through).

#include "platform/files.h"

namespace orvane {

class Win32Files : public FileSystem {
 public:
  std::filesystem::path programDirectory() const override;
  std::filesystem::path systemDirectory() const override;
  std::string programDirectoryText() const override;
  std::string systemDirectoryText() const override;
  std::string executablePath() const override;

  std::optional<std::string> readFile(const std::filesystem::path& path) override;
  bool writeFileFlushed(const std::filesystem::path& path, std::string_view bytes) override;
  bool moveReplacing(const std::filesystem::path& from, const std::filesystem::path& to) override;
  bool fileExists(const std::filesystem::path& path) override;
  bool removeFile(const std::filesystem::path& path) override;

  std::filesystem::path temporaryDirectory() const override;
  std::string pathText(const std::filesystem::path& path) const override;
  bool directoryExists(const std::filesystem::path& path) override;
  bool createDirectory(const std::filesystem::path& path) override;
  bool removeDirectory(const std::filesystem::path& path) override;
};

}  // namespace orvane
