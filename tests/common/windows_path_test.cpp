// The parts of GBK Windows paths: the separator is a backslash of its own,
// never the second byte of a Chinese character.

#include "common/windows_path.h"

#include <gtest/gtest.h>

#include "common/gbk.h"

namespace orvane {
namespace {

TEST(WindowsPathTest, FileNameAndDirectoryOfPathsWithAndWithoutBackslash) {
  EXPECT_EQ(fileNamePart("C:\\tools\\x.exe"), "x.exe");
  EXPECT_EQ(directoryPart("C:\\tools\\x.exe"), "C:\\tools");
  EXPECT_EQ(fileNamePart("notepad.exe"), "notepad.exe");
  EXPECT_EQ(directoryPart("notepad.exe"), "");
  EXPECT_EQ(directoryPart("\\\\server\\share\\x.exe"), "\\\\server\\share");
  EXPECT_EQ(fileNamePart("C:\\tools\\"), "");
}

TEST(WindowsPathTest, ADriveRootKeepsItsBackslash) {
  EXPECT_EQ(directoryPart("C:\\x.exe"), "C:\\");
  EXPECT_EQ(directoryPart("C:x.exe"), "");
}

// "乗" is 81 5C in GBK: its second byte is the byte of a backslash.
TEST(WindowsPathTest, TheSecondByteOfAChineseCharacterIsNoSeparator) {
  const std::string path = "D:\\" + utf8ToGbk("工具") + "\\\x81\x5C.exe";
  EXPECT_EQ(fileNamePart(path), "\x81\x5C.exe");
  EXPECT_EQ(directoryPart(path), "D:\\" + utf8ToGbk("工具"));
  EXPECT_EQ(directoryPart("\x81\x5C.exe"), "");
}

}  // namespace
}  // namespace orvane
