#pragma once
// The simulated file system: a real directory on disk plays the program's
// directory and its "system" subdirectory the Windows system directory. The
// program sees them as Windows paths the way Wine shows a Unix directory
// ("Z:\tmp\run"), and paths it hands to the shell map back the same way.
// Tests can make writes to a file fail. Deleting a file is logged.

#include <filesystem>
#include <set>

#include "platform/files.h"

namespace orvane {

class EventLog;

class SimFiles : public FileSystem {
 public:
  explicit SimFiles(std::filesystem::path programDirectory);
  void setLog(EventLog* log) { log_ = log; }

  // Every write or move onto this file fails from now on.
  void refuseWritesTo(const std::filesystem::path& path) { refused_.insert(path.lexically_normal()); }
  // The Unix path of a Windows path under the program's drive.
  std::filesystem::path fromWindowsPath(const std::string& gbkPath) const;
  std::string toWindowsPath(const std::filesystem::path& path) const;

  std::filesystem::path programDirectory() const override { return programDirectory_; }
  std::filesystem::path systemDirectory() const override { return programDirectory_ / "system"; }
  std::string programDirectoryText() const override { return toWindowsPath(programDirectory_); }
  std::string systemDirectoryText() const override { return toWindowsPath(systemDirectory()); }
  std::string executablePath() const override { return programDirectoryText() + "\\orvane.exe"; }

  std::optional<std::string> readFile(const std::filesystem::path& path) override;
  bool writeFileFlushed(const std::filesystem::path& path, std::string_view bytes) override;
  bool moveReplacing(const std::filesystem::path& from, const std::filesystem::path& to) override;
  bool fileExists(const std::filesystem::path& path) override;
  bool removeFile(const std::filesystem::path& path) override;

  // No temporary directory until a test names one.
  void setTemporaryDirectory(std::filesystem::path path) { temporaryDirectory_ = std::move(path); }
  std::filesystem::path temporaryDirectory() const override { return temporaryDirectory_; }
  std::string pathText(const std::filesystem::path& path) const override { return toWindowsPath(path); }
  bool directoryExists(const std::filesystem::path& path) override;
  bool createDirectory(const std::filesystem::path& path) override;
  bool removeDirectory(const std::filesystem::path& path) override;

 private:
  bool refused(const std::filesystem::path& path) const { return refused_.count(path.lexically_normal()) != 0; }

  std::filesystem::path programDirectory_;
  std::set<std::filesystem::path> refused_;
  EventLog* log_ = nullptr;
  std::filesystem::path temporaryDirectory_;
};

}  // namespace orvane
