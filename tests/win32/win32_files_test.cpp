// The real file system: directories, whole-file reads and writes, and the
// atomic replacement and recovery of the program's files through it.

#include "platform/win32/win32_files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "common/gbk.h"
#include "platform/win32/win32_text.h"
#include "storage/atomic_file.h"
#include "test_support/temp_dir.h"

namespace orvane {
namespace {

// Another program holding a file open for writing, sharing it as given.
class OpenedElsewhere {
 public:
  OpenedElsewhere(const std::filesystem::path& path, DWORD sharing)
      : handle_(CreateFileW(path.c_str(), GENERIC_WRITE, sharing, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~OpenedElsewhere() { CloseHandle(handle_); }
  OpenedElsewhere(const OpenedElsewhere&) = delete;
  OpenedElsewhere& operator=(const OpenedElsewhere&) = delete;
  bool opened() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

class Win32FilesTest : public testing::Test {
 protected:
  TempDir directory;
  Win32Files files;
  std::filesystem::path path = directory.path() / "task.dat";
  std::filesystem::path temporary = directory.path() / "task.dat.tmp";
};

TEST_F(Win32FilesTest, NamesTheProgramAndSystemDirectories) {
  const std::string executable = files.executablePath();
  const std::string directoryText = files.programDirectoryText();
  EXPECT_EQ(executable.substr(0, directoryText.size() + 1), directoryText + "\\");
  EXPECT_EQ(asciiUpper(executable.substr(executable.size() - 4)), ".EXE");
  EXPECT_EQ(wideToGbk(files.programDirectory().wstring()), directoryText);
  EXPECT_EQ(asciiUpper(files.systemDirectoryText()), "C:\\WINDOWS\\SYSTEM32");
  EXPECT_TRUE(std::filesystem::is_directory(files.systemDirectory()));
}

TEST_F(Win32FilesTest, WritesAndReadsEveryByte) {
  std::string bytes;
  for (int i = 0; i < 5 * 65536 + 7; ++i) bytes += static_cast<char>(i * 7 % 256);
  ASSERT_TRUE(files.writeFileFlushed(path, bytes));
  EXPECT_EQ(files.readFile(path), bytes);
  ASSERT_TRUE(files.writeFileFlushed(path, "short"));
  EXPECT_EQ(files.readFile(path), "short");
  EXPECT_TRUE(files.fileExists(path));
  EXPECT_FALSE(files.fileExists(directory.path()));
  EXPECT_TRUE(files.removeFile(path));
  EXPECT_FALSE(files.fileExists(path));
  EXPECT_EQ(files.readFile(path), std::nullopt);
  EXPECT_FALSE(files.writeFileFlushed(directory.path() / "missing" / "x.dat", "x"));
}

TEST_F(Win32FilesTest, ReadingDeniesOtherWriters) {
  ASSERT_TRUE(files.writeFileFlushed(path, "content"));
  const OpenedElsewhere writer(path, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
  ASSERT_TRUE(writer.opened());
  EXPECT_EQ(files.readFile(path), std::nullopt);
}

TEST_F(Win32FilesTest, ReplacesAFileAtomically) {
  ASSERT_TRUE(files.writeFileFlushed(path, "old content, longer than the new"));
  EXPECT_TRUE(replaceFileAtomically(files, path, "new"));
  EXPECT_EQ(files.readFile(path), "new");
  EXPECT_FALSE(files.fileExists(temporary));
}

TEST_F(Win32FilesTest, KeepsTheOldFileWhenItCannotBeReplaced) {
  ASSERT_TRUE(files.writeFileFlushed(path, "old"));
  {
    const OpenedElsewhere holder(path, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(holder.opened());
    EXPECT_FALSE(replaceFileAtomically(files, path, "new"));
  }
  EXPECT_EQ(files.readFile(path), "old");
  EXPECT_FALSE(files.fileExists(temporary));
}

TEST_F(Win32FilesTest, RecoversFromTheCompletedFileNeverFromTheTemporaryFile) {
  ASSERT_TRUE(files.writeFileFlushed(temporary, "cut sh"));
  EXPECT_EQ(readFileRecovering(files, path), std::nullopt);
  ASSERT_TRUE(files.writeFileFlushed(completedPathFor(path), "saved"));
  EXPECT_EQ(readFileRecovering(files, path), "saved");
  EXPECT_EQ(files.readFile(path), "saved");
  EXPECT_FALSE(files.fileExists(completedPathFor(path)));

  // A file that another program keeps locked reads from its completed file.
  ASSERT_TRUE(files.writeFileFlushed(completedPathFor(path), "newer"));
  const OpenedElsewhere writer(path, FILE_SHARE_READ | FILE_SHARE_WRITE);
  ASSERT_TRUE(writer.opened());
  EXPECT_EQ(readFileRecovering(files, path), "newer");
}

}  // namespace
}  // namespace orvane
