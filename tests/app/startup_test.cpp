// The program's start against the simulated Windows: the order of the
// start-up steps, the companion service's stop 29 seconds later, and a
// second copy that must not run a second schedule.

#include <gtest/gtest.h>

#include "app/program.h"
#include "common/gbk.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

class StartupTest : public SimTest {
 protected:
  void run(double seconds) {
    world.run(seconds, [this] { program.start(); });
  }

  Program program{world.platform(), world.ui()};
};

TEST_F(StartupTest, AFirstStartOpensTheServiceAfterTheScheduleListsThePhoneBookAndShowsTheWindowLast) {
  run(1);
  EXPECT_EQ(world.log().events(),
            (std::vector<std::string>{"open TForm3", "rebuild", "OpenSCManager -> ok",
                                      "OpenService name=Velmora -> fail", "RasEnumEntries -> 0", "show TForm3"}));
}

TEST_F(StartupTest, OnWindows9xTheServiceProgramIsDeletedFirst) {
  world.setPlatformId(1);
  run(1);
  const std::string deleted =
      "DeleteFile file=\"" + gbkToUtf8(world.files().programDirectoryText()) + "\\Velmora.exe\"";
  EXPECT_EQ(world.log().events(),
            (std::vector<std::string>{"open TForm3", deleted, "rebuild", "OpenSCManager -> ok",
                                      "OpenService name=Velmora -> fail", "RasEnumEntries -> 0", "show TForm3"}));
}

TEST_F(StartupTest, TheServiceStopWaitsWhileItStopsAndLetsTimersFireMeanwhile) {
  world.hardware().addService("Velmora", ServiceState::Running);
  world.hardware().setStopPendingQueries("Velmora", 3);
  run(40);
  EXPECT_EQ(timesOf(world.log(), "ControlService name=Velmora control=1 -> ok"),
            (std::vector<std::string>{"10:00:29"}));
  // The 30-second check falls due inside the wait and runs on time.
  EXPECT_EQ(timesOf(world.log(), "SetProcessWorkingSetSize"), (std::vector<std::string>{"10:00:30"}));
}

TEST_F(StartupTest, AStopThatFailsIsNotWaitedFor) {
  world.hardware().addService("Velmora", ServiceState::Stopped);
  run(31);
  EXPECT_TRUE(world.log().contains("ControlService name=Velmora control=1 -> fail"));
}

TEST_F(StartupTest, ASecondCopyEndsAtOnceWithoutRunningTheSchedule) {
  world.system().setOtherCopyRunning(true);
  run(60);
  EXPECT_EQ(world.log().events(), (std::vector<std::string>{"second-instance", "exit"}));
}

}  // namespace
}  // namespace orvane
