// The task file as bytes: any line end reads, CR LF is written after every
// line, a save replaces the file atomically and a failed one keeps it.

#include "scheduler/task_file.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_files.h"
#include "scheduler/task_lines.h"
#include "storage/atomic_file.h"
#include "test_support/temp_dir.h"

namespace orvane {
namespace {

using test::gbk;

TEST(TaskFileText, LfCrAndCrLfFilesReadAsTheSameList) {
  const TaskList expected{"a*1", "", gbk("标题*b")};
  EXPECT_EQ(parseTaskFile("a*1\r\n\r\n" + gbk("标题*b") + "\r\n"), expected);
  EXPECT_EQ(parseTaskFile("a*1\n\n" + gbk("标题*b") + "\n"), expected);
  EXPECT_EQ(parseTaskFile("a*1\r\r" + gbk("标题*b") + "\r"), expected);
  EXPECT_EQ(parseTaskFile("a*1\r\n\n" + gbk("标题*b")), expected);  // mixed, no final line end
}

TEST(TaskFileText, EmptyFileAndFinalLineEndAddNoTask) {
  EXPECT_TRUE(parseTaskFile("").empty());
  EXPECT_EQ(parseTaskFile("x\r\n"), TaskList{"x"});
  EXPECT_EQ(parseTaskFile("\r\n"), TaskList{""});
  EXPECT_EQ(parseTaskFile("x\n\r"), (TaskList{"x", ""}));  // LF then CR: two line ends
}

TEST(TaskFileText, EveryLineIsWrittenWithCrLf) {
  EXPECT_EQ(serializeTaskFile({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(serializeTaskFile({}), "");
}

class TaskFileOnDisk : public testing::Test {
 protected:
  std::string content() { return files.readFile(path).value_or("<missing>"); }

  TempDir dir;
  SimFiles files{dir.path()};
  std::filesystem::path path = taskFilePath(files);
};

TEST_F(TaskFileOnDisk, LivesBesideTheExecutableAndIsMissingUntilTheFirstSave) {
  EXPECT_EQ(path, dir.path() / "task.dat");
  TaskList lines{"kept"};
  EXPECT_FALSE(reloadTaskFile(files, path, lines));
  EXPECT_EQ(lines, TaskList{"kept"});
}

TEST_F(TaskFileOnDisk, ALoadedLfFileIsSavedBackByteForByteWithCrLf) {
  const std::string line = test::taskLine("10:00:05", "每年2月29日", "生日*聚会");
  ASSERT_TRUE(files.writeFileFlushed(path, line + "\n" + line));
  TaskList loaded{"an", "older", "and", "longer", "list"};
  ASSERT_TRUE(reloadTaskFile(files, path, loaded));
  ASSERT_TRUE(saveTaskFile(files, path, loaded));
  EXPECT_EQ(content(), line + "\r\n" + line + "\r\n");
}

TEST_F(TaskFileOnDisk, AFailedSaveKeepsTheOldFileAndSaysSo) {
  ASSERT_TRUE(saveTaskFile(files, path, {"old"}));
  files.refuseWritesTo(path);
  EXPECT_FALSE(saveTaskFile(files, path, {"new", "list"}));
  EXPECT_EQ(content(), "old\r\n");
  EXPECT_FALSE(files.fileExists(temporaryPathFor(path)));
}

// The temporary file may have been cut short by the crash; only the
// completed one is taken.
TEST_F(TaskFileOnDisk, AFileLostInTheMiddleOfASaveIsRecoveredFromItsCompletedFile) {
  ASSERT_TRUE(files.writeFileFlushed(temporaryPathFor(path), "a\r\nb\r\nc\r\n1:0"));
  TaskList lines;
  EXPECT_FALSE(reloadTaskFile(files, path, lines));
  ASSERT_TRUE(files.writeFileFlushed(completedPathFor(path), "a\r\nb\r\n"));
  ASSERT_TRUE(reloadTaskFile(files, path, lines));
  EXPECT_EQ(lines, (TaskList{"a", "b"}));
  EXPECT_EQ(content(), "a\r\nb\r\n");
}

}  // namespace
}  // namespace orvane
