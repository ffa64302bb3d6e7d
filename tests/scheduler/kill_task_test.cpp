// The close-program action over the simulated process list: which
// executables a name matches, that every match is ended, and the result
// (1 after a termination, 0 when nothing matched).

#include "scheduler/kill_task.h"

#include <gtest/gtest.h>

#include "common/gbk.h"
#include "platform/sim/sim_world.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

class KillTaskTest : public SimTest {
 protected:
  KillTaskTest() {
    world.shell().setProcesses({{4, "System"},
                                {120, "notepad.exe"},
                                {340, "C:\\WINDOWS\\SYSTEM32\\NOTEPAD.EXE"},
                                {560, "explorer.exe"},
                                {780, "C:\\Tools\\Notepad.com"},
                                {900, "D:\\" + utf8ToGbk("工具") + "\\" + utf8ToGbk("记事本") + ".exe"}});
  }
  std::vector<std::string> terminations() {
    std::vector<std::string> found;
    for (const std::string& event : world.log().events()) {
      if (event.rfind("TerminateProcess", 0) == 0) found.push_back(event);
    }
    return found;
  }
};

TEST_F(KillTaskTest, ABareNameEndsEveryMatchingProcessInAnyLetterCaseBareOrWithAPath) {
  EXPECT_EQ(KillTask(world.shell(), "Notepad.EXE"), 1);
  EXPECT_EQ(terminations(), (std::vector<std::string>{"TerminateProcess pid=120", "TerminateProcess pid=340"}));
}

TEST_F(KillTaskTest, AFullPathMatchesThatExecutableOnly) {
  EXPECT_EQ(KillTask(world.shell(), "c:\\windows\\system32\\notepad.exe"), 1);
  EXPECT_EQ(terminations(), std::vector<std::string>{"TerminateProcess pid=340"});
}

TEST_F(KillTaskTest, ChineseNamesMatchByteForByte) {
  EXPECT_EQ(KillTask(world.shell(), utf8ToGbk("记事本") + ".EXE"), 1);
  EXPECT_EQ(terminations(), std::vector<std::string>{"TerminateProcess pid=900"});
}

TEST_F(KillTaskTest, AnotherExtensionOrAPartOfTheNameMatchesNothing) {
  for (const char* name : {"notepad", "notepad.ex", "otepad.exe", "notepad.bat", "System32\\notepad.exe", ""}) {
    EXPECT_EQ(KillTask(world.shell(), name), 0) << name;
  }
  EXPECT_TRUE(terminations().empty());
}

}  // namespace
}  // namespace orvane
