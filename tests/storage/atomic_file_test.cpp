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
};

TEST_F(AtomicFileTest, NamesTheTemporaryFileBesideTheFile) { EXPECT_EQ(temporaryPathFor(path), temporary); }

TEST_F(AtomicFileTest, ReplacesTheWholeFileAndLeavesNoTemporaryFile) {
  ASSERT_TRUE(files.writeFileFlushed(path, "old content that is longer"));
  EXPECT_TRUE(replaceFileAtomically(files, path, "new\r\n"));
  EXPECT_EQ(files.readFile(path), "new\r\n");
  EXPECT_FALSE(files.fileExists(temporary));
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

TEST_F(AtomicFileTest, RecoversAMissingFileFromItsTemporaryFile) {
  ASSERT_TRUE(files.writeFileFlushed(temporary, "saved before the crash"));
  EXPECT_EQ(readFileRecovering(files, path), "saved before the crash");
  EXPECT_EQ(files.readFile(path), "saved before the crash");
  EXPECT_FALSE(files.fileExists(temporary));
}

TEST_F(AtomicFileTest, ReadsNothingWhenNeitherFileExists) { EXPECT_EQ(readFileRecovering(files, path), std::nullopt); }

}  // namespace
}  // namespace orvane
