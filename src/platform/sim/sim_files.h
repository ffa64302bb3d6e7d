#pragma once
// The simulated file system: a real directory on disk plays the program's
// directory and its "system" subdirectory the Windows system directory. The
// program sees them as Windows paths the way Wine shows a Unix directory
// ("Z:\tmp\run"), and paths it hands to the shell map back the same way.
// Tests can make writes to a file fail, fill the disk, or cut the power in
// the middle of a save. Deleting a file is logged.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <set>
#include <stdexcept>

#include "platform/files.h"

namespace orvane {

class EventLog;

// Thrown out of a file operation when the simulated machine loses power
// there: the program stops, and what lies on the disk is what the next start
// finds.
struct SimulatedCrash : std::runtime_error {
  SimulatedCrash() : std::runtime_error("simulated crash") {}
};

class SimFiles : public FileSystem {
 public:
  explicit SimFiles(std::filesystem::path programDirectory);
  void setLog(EventLog* log) { log_ = log; }

  // Every write or move onto this file fails from now on.
  void refuseWritesTo(const std::filesystem::path& path) { refused_.insert(path.lexically_normal()); }
  // The disk takes this many more bytes: a write beyond them stores what
  // fits and fails, as on a full disk.
  void failWritesAfter(std::size_t bytes) { budget_ = Budget{bytes, false}; }
  // The power fails once this many more bytes are written: the write stops
  // there and SimulatedCrash is thrown.
  void crashWritesAfter(std::size_t bytes) { budget_ = Budget{bytes, true}; }
  // The power fails as a file is about to be moved onto `path`.
  void crashBeforeMoveOnto(const std::filesystem::path& path) { crashMoveOnto_ = path.lexically_normal(); }
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

  struct Budget {
    std::size_t bytes;
    bool crashWhenSpent;
  };
  // How much of a write of this size reaches the disk; spends the budget.
  std::size_t spendBudget(std::size_t size);

  std::filesystem::path programDirectory_;
  std::optional<Budget> budget_;
  std::optional<std::filesystem::path> crashMoveOnto_;
  std::set<std::filesystem::path> refused_;
  EventLog* log_ = nullptr;
  std::filesystem::path temporaryDirectory_;
};

}  // namespace orvane
