#include "storage/ini_settings.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "common/gbk.h"
#include "platform/sim/sim_files.h"
#include "storage/atomic_file.h"
#include "test_support/temp_dir.h"

namespace orvane {
namespace {

// The message of the error that the write throws, or nothing.
std::optional<std::string> writeError(IniSettings& settings, std::string_view value) {
  try {
    settings.write("wake", "hour", value);
  } catch (const OperationError& error) {
    return error.what();
  }
  return std::nullopt;
}

class IniSettingsTest : public testing::Test {
 protected:
  TempDir directory;
  SimFiles files{directory.path()};
  std::filesystem::path path = files.programDirectory() / "wake.ini";
  IniSettings settings{files, path};
};

TEST_F(IniSettingsTest, ReadsFallbacksUntilTheFileHasTheKey) {
  EXPECT_EQ(settings.read("tray", "hide", "0"), "0");
  EXPECT_EQ(settings.keys("tray"), std::vector<std::string>{});
  settings.write("tray", "hide", "1");
  settings.write("power", "time", "22:00:00");
  settings.write("tray", "menu", "0");
  EXPECT_EQ(files.readFile(path), "[tray]\r\nhide=1\r\nmenu=0\r\n[power]\r\ntime=22:00:00\r\n");
  EXPECT_EQ(settings.read("TRAY", "Hide", "0"), "1");
  EXPECT_EQ(settings.keys("tray"), (std::vector<std::string>{"hide", "menu"}));
}

TEST_F(IniSettingsTest, ReadsTheFileAfreshEachTime) {
  settings.write("time", "server", "a");
  ASSERT_TRUE(files.writeFileFlushed(path, "[time]\r\nserver=b\r\n"));
  EXPECT_EQ(settings.read("time", "server", ""), "b");
  settings.write("time", "auto", "1");
  EXPECT_EQ(files.readFile(path), "[time]\r\nserver=b\r\nauto=1\r\n");
}

TEST_F(IniSettingsTest, TakesOnlyTheExactTextOneAsOnAndAMissingKeyAsTheTablesDefault) {
  ASSERT_TRUE(files.writeFileFlushed(path, "[close]\r\na=1\r\nb= 1 \r\nc=01\r\nd=true\r\ne=2\r\nf=\r\n"));
  EXPECT_TRUE(settings.isOn({"close", "a", "0"}));
  EXPECT_TRUE(settings.isOn({"close", "b", "0"}));
  for (const char* key : {"c", "d", "e", "f", "missing"}) EXPECT_FALSE(settings.isOn({"close", key, "0"})) << key;
  EXPECT_TRUE(settings.isOn({"close", "missing", "1"}));
  EXPECT_EQ(settings.read({"close", "missing", "7"}), "7");
  settings.writeFlag({"close", "a", "1"}, false);
  settings.writeFlag({"close", "g", "0"}, true);
  EXPECT_EQ(settings.read("close", "a", ""), "0");
  EXPECT_EQ(settings.read("close", "g", ""), "1");
}

TEST_F(IniSettingsTest, ARefusedWriteThrowsAndKeepsTheFile) {
  settings.write("wake", "hour", "7");
  files.refuseWritesTo(path);
  EXPECT_EQ(writeError(settings, "8"), "Unable to write to " + gbkToUtf8(files.programDirectoryText()) + "\\wake.ini");
  EXPECT_EQ(settings.read("wake", "hour", ""), "7");
}

// A scrambled password may hold a line break (a typed "\x03O" scrambles to
// "\nL"): written, it would leave "pword" reading '"' and break the line after.
TEST_F(IniSettingsTest, AValueOrNameWithALineBreakOrNulIsRefusedAndKeepsTheFile) {
  settings.write("wake", "hour", "7");
  const auto before = files.readFile(path);
  const std::string expected = "Unable to write to " + gbkToUtf8(files.programDirectoryText()) + "\\wake.ini";
  for (const std::string_view text : {std::string_view("\nL"), std::string_view("a\rb"), std::string_view("a\0b", 3)}) {
    EXPECT_EQ(writeError(settings, text), expected);
    EXPECT_THROW(settings.write("wake", text, "1"), OperationError);
    EXPECT_THROW(settings.write(text, "hour", "1"), OperationError);
  }
  EXPECT_EQ(files.readFile(path), before);
}

TEST_F(IniSettingsTest, NamesAFileOfTheSystemDirectoryByItsWindowsPath) {
  const auto systemPath = files.systemDirectory() / "deskward.ini";
  files.refuseWritesTo(systemPath);
  IniSettings shared(files, systemPath);
  EXPECT_EQ(writeError(shared, "7"), "Unable to write to " + gbkToUtf8(files.systemDirectoryText()) + "\\deskward.ini");
}

TEST_F(IniSettingsTest, RecoversTheFileFromAnInterruptedWriteOnlyWhenTheNewFileWasComplete) {
  ASSERT_TRUE(files.writeFileFlushed(temporaryPathFor(path), "[autorun]\r\nrun=1\r\n"));
  EXPECT_FALSE(settings.isOn({"autorun", "run", "0"}));
  ASSERT_TRUE(files.writeFileFlushed(completedPathFor(path), "[autorun]\r\nrun=1\r\n"));
  EXPECT_TRUE(settings.isOn({"autorun", "run", "0"}));
  EXPECT_TRUE(files.fileExists(path));
}

}  // namespace
}  // namespace orvane
