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

// The board detection (no ROM here) comes before the service is opened.
TEST_F(StartupTest, AFirstStartOpensTheServiceAfterTheScheduleListsThePhoneBookAndShowsTheWindowLast) {
  run(1);
  const std::string rom = "ZwOpenSection name=\"\\Device\\PhysicalMemory\" -> failed";
  EXPECT_EQ(world.log().events(), (std::vector<std::string>{"open TForm3", "rebuild", rom, rom, "OpenSCManager -> ok",
                                                            "CreateService name=PortTalk type=1 start=3 error=1 "
                                                            "path=\"System32\\Drivers\\PortTalk.sys\"",
                                                            "OpenSCManager -> ok", "OpenService name=PortTalk -> ok",
                                                            "StartService name=PortTalk -> 1056", "OpenSCManager -> ok",
                                                            "OpenService name=Velmora -> fail", "RasEnumEntries -> 0", "show TForm3"}));
}

// A board detection that stops at an unknown code ends the start-up there.
TEST_F(StartupTest, ADetectionThatStopsKeepsTheServiceClosed) {
  std::vector<std::uint8_t> rom(0x10000, 0);
  const std::string identification = "01/01/2004-i845-W83627-6A6LZBC1C-00";
  std::copy(identification.begin(), identification.end(), rom.begin() + 0xEC71);
  world.bios().setRom(rom);
  run(1);
  EXPECT_FALSE(world.log().contains("Velmora"));
  EXPECT_TRUE(world.log().contains("show TForm3"));
}

TEST_F(StartupTest, OnWindows9xTheServiceProgramIsDeletedFirst) {
  world.setPlatformId(1);
  run(1);
  const std::string deleted =
      "DeleteFile file=\"" + gbkToUtf8(world.files().programDirectoryText()) + "\\Velmora.exe\"";
  const std::string rom = "copy linear=0xF0000 size=65536 -> fault";
  EXPECT_EQ(world.log().events(),
            (std::vector<std::string>{"open TForm3", deleted, "rebuild", rom, rom, "OpenSCManager -> ok",
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
