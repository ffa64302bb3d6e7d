#include "storage/atomic_file.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_files.h"
#include "test_support/temp_dir.h"

namespace orvane {
namespace {

class AtomicFileTest : public testing::Test {
 protected:
  TempDir directory;
  SimFiles files{directory.path()};
  std::filesystem::path path = directory.path() / "task.dat";
  std::filesystem::path temporary = directory.path() / "task.dat.tmp";
  std::filesystem::path completed = directory.path() / "task.dat.new";

  // Saves `fresh` over `old` (no file when empty) with the power cut where
  // `arm` sets it, and loads the file as the next start does.
  template <typename Arm>
  std::optional<std::string> loadAfterPowerCut(const std::optional<std::string>& old, const std::string& fresh,
                                               Arm arm) {
    TempDir run;
    SimFiles disk{run.path()};
    const std::filesystem::path file = run.path() / "task.dat";
    if (old) {
      EXPECT_TRUE(disk.writeFileFlushed(file, *old));
    }
    arm(disk, file);
    EXPECT_THROW(replaceFileAtomically(disk, file, fresh), SimulatedCrash);
    SimFiles restarted{run.path()};
    return readFileRecovering(restarted, file);
  }
};

TEST_F(AtomicFileTest, NamesTheTemporaryAndTheCompletedFileBesideTheFile) {
  EXPECT_EQ(temporaryPathFor(path), temporary);
  EXPECT_EQ(completedPathFor(path), completed);
}

TEST_F(AtomicFileTest, ReplacesTheWholeFileAndLeavesNoTemporaryFile) {
  ASSERT_TRUE(files.writeFileFlushed(path, "old content that is longer"));
  EXPECT_TRUE(replaceFileAtomically(files, path, "new\r\n"));
  EXPECT_EQ(files.readFile(path), "new\r\n");
  EXPECT_FALSE(files.fileExists(temporary) || files.fileExists(completed));
  EXPECT_TRUE(replaceFileAtomically(files, directory.path() / "time.dat", ""));
  EXPECT_EQ(files.readFile(directory.path() / "time.dat"), "");
}

TEST_F(AtomicFileTest, KeepsTheOldFileWhenTheMoveIsRefused) {
  ASSERT_TRUE(files.writeFileFlushed(path, "old"));
  files.refuseWritesTo(path);
  EXPECT_FALSE(replaceFileAtomically(files, path, "new"));
  EXPECT_EQ(files.readFile(path), "old");
  EXPECT_FALSE(files.fileExists(temporary));
}

TEST_F(AtomicFileTest, KeepsTheOldFileWhenTheTemporaryFileCannotBeWritten) {
  ASSERT_TRUE(files.writeFileFlushed(path, "old"));
  files.refuseWritesTo(temporary);
  EXPECT_FALSE(replaceFileAtomically(files, path, "new"));
  EXPECT_EQ(files.readFile(path), "old");
}

TEST_F(AtomicFileTest, ReadsTheFileAndIgnoresAStaleTemporaryFile) {
  ASSERT_TRUE(files.writeFileFlushed(path, "current"));
  ASSERT_TRUE(files.writeFileFlushed(temporary, "stale"));
  EXPECT_EQ(readFileRecovering(files, path), "current");
  EXPECT_EQ(files.readFile(path), "current");
}

TEST_F(AtomicFileTest, RecoversAMissingFileFromItsCompletedFile) {
  ASSERT_TRUE(files.writeFileFlushed(completed, "saved before the crash"));
  EXPECT_EQ(readFileRecovering(files, path), "saved before the crash");
  EXPECT_EQ(files.readFile(path), "saved before the crash");
  EXPECT_FALSE(files.fileExists(completed));
}

TEST_F(AtomicFileTest, AFullDiskKeepsTheOldFileWhole) {
  ASSERT_TRUE(files.writeFileFlushed(path, "old"));
  files.failWritesAfter(4);
  EXPECT_FALSE(replaceFileAtomically(files, path, "new content"));
  EXPECT_EQ(files.readFile(path), "old");
  EXPECT_FALSE(files.fileExists(temporary));
}

// A power cut at every byte of the save and before each move: the next load
// finds the old content or, once the new content is complete, the new one;
// never a part of it. A first save cut short leaves no file at all.
TEST_F(AtomicFileTest, APowerCutAnywhereInASaveLeavesTheOldOrTheNewContent) {
  const std::string fresh = "1:00:00*daily*a\r\n";
  for (const std::optional<std::string>& old : {std::optional<std::string>(), std::optional<std::string>("old\r\n")}) {
    for (std::size_t written = 0; written < fresh.size(); ++written) {
      EXPECT_EQ(loadAfterPowerCut(old, fresh, [&](SimFiles& disk, auto&) { disk.crashWritesAfter(written); }), old)
          << written;
    }
    const auto beforeMoveOnto = [](const char* suffix) {
      return [suffix](SimFiles& disk, const std::filesystem::path& file) {
        disk.crashBeforeMoveOnto(std::filesystem::path(file) += suffix);
      };
    };
    EXPECT_EQ(loadAfterPowerCut(old, fresh, beforeMoveOnto(".new")), old);
    EXPECT_EQ(loadAfterPowerCut(old, fresh, beforeMoveOnto("")), old ? old : fresh);
  }
}

TEST_F(AtomicFileTest, ReadsNothingWhenNeitherFileExists) { EXPECT_EQ(readFileRecovering(files, path), std::nullopt); }

}  // namespace
}  // namespace orvane
