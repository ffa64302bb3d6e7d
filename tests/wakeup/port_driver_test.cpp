// The port driver: the service calls for each state of the driver's
// service, the service opens running out, the install-failure handler's
// message, restart and end (once per run), the direct ports of Windows
// 9x/ME, and batches that end on a failed port request without writing on
// a guess.

#include "wakeup/port_driver.h"

#include "wakeup/wakeup_fixture.h"

namespace orvane {
namespace {

using Events = std::vector<std::string>;

constexpr const char* kOpened = "CreateFile name=\"\\\\.\\PortTalk\" -> ok";
constexpr const char* kNotOpened = "CreateFile name=\"\\\\.\\PortTalk\" -> fail";
constexpr const char* kCreated =
    "CreateService name=PortTalk type=1 start=3 error=1 path=\"System32\\Drivers\\PortTalk.sys\"";
constexpr const char* kInstallFailed = "message \"Install PortDriver ERROR.\\rPlease run again.\" -> 确定";

class PortDriverTest : public test::WakeupTest {
 protected:
  // The driver and service calls, messages and the end of one read of CMOS
  // byte 10.
  Events readOneByte() {
    wakeup.cmos().read({10});
    return eventsOf({"CreateFile", "OpenSCManager", "OpenService", "CreateService", "StartService", "message",
                     "ShellExecute", "exit", "CmosRead"});
  }
  std::string restart() {
    return "ShellExecute verb=open file=" + quotedGbk(world.files().executablePath()) +
           " dir=" + quotedGbk(world.files().programDirectoryText());
  }
};

TEST_F(PortDriverTest, ARunningDriverOpensAtOnceWithoutServiceCalls) {
  setCmos({{10, 0x26}});
  EXPECT_EQ(readOneByte(), (Events{kOpened, "CmosRead index=10 value=38"}));
}

TEST_F(PortDriverTest, AStoppedDriverIsStartedAndOpenedAgain) {
  world.hardware().setDriverState(SimDriverState::Stopped);
  EXPECT_EQ(readOneByte(), (Events{kNotOpened, "OpenSCManager -> ok", "OpenService name=PortTalk -> ok",
                                   "StartService name=PortTalk -> ok", kOpened, "CmosRead index=10 value=0"}));
}

TEST_F(PortDriverTest, AnAbsentDriverIsCreatedFromItsDefinitionThenOpenedAndStarted) {
  world.hardware().setDriverState(SimDriverState::Absent);
  EXPECT_EQ(readOneByte(), (Events{kNotOpened, "OpenSCManager -> ok", "OpenService name=PortTalk -> fail",
                                   "OpenSCManager -> ok", kCreated, "OpenService name=PortTalk -> ok",
                                   "StartService name=PortTalk -> ok", kOpened, "CmosRead index=10 value=0"}));
}

TEST_F(PortDriverTest, AServiceAlreadyRunningCountsAsStarted) {
  EXPECT_TRUE(wakeup.portDriver().StartPortDriver());
  EXPECT_TRUE(world.log().contains("StartService name=PortTalk -> 1056"));
}

TEST_F(PortDriverTest, WithoutAdministratorRightsTheUserIsToldAndTheProgramRestartsOnce) {
  world.hardware().setDriverState(SimDriverState::AccessDenied);
  EXPECT_EQ(readOneByte(),
            (Events{kNotOpened, "OpenSCManager -> denied",
                    "message \"PortTalk: Authority does not visit Service Control Manager, \\r\\nCannot install and "
                    "start PortTalk , please use administrators to install. \" -> OK",
                    kNotOpened, "OpenSCManager -> denied", kInstallFailed, restart(), "exit"}));
  // A second operation before the program has ended starts no second copy.
  wakeup.alarm().ClearPowerOnAlarm();
  EXPECT_EQ(world.log().count("ShellExecute"), 1);
  EXPECT_EQ(world.log().count("message \"Install"), 1);
  EXPECT_FALSE(world.log().contains("message \"定时开机"));
}

// A service control manager whose service opens all fail with one error.
class FailingServiceOpens : public ServiceApi {
 public:
  explicit FailingServiceOpens(std::uint32_t error) : error_(error) {}
  std::optional<ServiceHandle> openManager() override { return 1; }
  std::optional<ServiceHandle> openService(ServiceHandle, const std::string&) override {
    ++opens;
    return std::nullopt;
  }
  std::optional<ServiceHandle> createService(ServiceHandle, const ServiceDefinition&) override { return std::nullopt; }
  bool startService(ServiceHandle) override { return false; }
  bool stopService(ServiceHandle) override { return false; }
  std::optional<ServiceState> queryServiceState(ServiceHandle) override { return std::nullopt; }
  void closeServiceHandle(ServiceHandle) override {}
  std::uint32_t lastError() override { return error_; }

  int opens = 0;

 private:
  std::uint32_t error_;
};

Platform withServices(Platform& p, ServiceApi& services) {
  return {p.system, p.files,   p.clock, p.power,   p.shell,     p.registry, services,
          p.ports,  p.sockets, p.ras,   p.secrets, p.wakeTimer, p.bios};
}

TEST_F(PortDriverTest, ElevenServiceOpensThenTheInstallFailureHandlerUnlessRefusedOrBadlyNamed) {
  FailingServiceOpens busy(1061);
  Platform platform = withServices(world.platform(), busy);
  DriverInstallFailure failure(platform, world.ui());
  EXPECT_FALSE(PortDriver(platform, world.ui(), failure).StartPortDriver());
  EXPECT_EQ(busy.opens, 11);
  EXPECT_EQ(eventsOf({"message", "ShellExecute", "exit"}), (Events{kInstallFailed, restart(), "exit"}));

  for (const std::uint32_t error : {5U, 123U}) {
    FailingServiceOpens refused(error);
    Platform refusing = withServices(world.platform(), refused);
    DriverInstallFailure fresh(refusing, world.ui());
    EXPECT_FALSE(PortDriver(refusing, world.ui(), fresh).StartPortDriver());
    EXPECT_EQ(refused.opens, 1);
  }
  EXPECT_EQ(world.log().count("ShellExecute"), 1);
}

TEST_F(PortDriverTest, OnWindows9xThePortsAreUsedDirectlyWithoutDriverOrService) {
  world.setPlatformId(1);
  world.hardware().setDriverState(SimDriverState::AccessDenied);
  setProfile({"84", "85", "86", "87", "88", "125", "126"});
  wakeup.alarm().SetPowerOnAlarm(6, 30);
  EXPECT_EQ(cmos(84), 1);
  EXPECT_TRUE(eventsOf({"CreateFile", "OpenSCManager", "OpenService", "CreateService", "StartService"}).empty());
}

TEST_F(PortDriverTest, ABrokenDriverReadsNothingSoNothingIsWrittenAndTheErrorIsShownOnce) {
  world.hardware().setDriverState(SimDriverState::Broken);
  setProfile({"84", "85", "86", "87", "88", "125", "126"});
  setCmos({{85, 5}, {86, 7}, {125, 0x12}, {126, 0x34}});
  const auto before = world.hardware().cmos();
  wakeup.alarm().SetPowerOnAlarm(6, 30);
  wakeup.alarm().ClearPowerOnAlarm();
  EXPECT_EQ(world.hardware().cmos(), before);
  EXPECT_TRUE(cmosWrites().empty());
  EXPECT_EQ(eventsOf({"message"}), (Events{"message \"Outputting data from PortTalk error:31\" -> OK",
                                           "message \"Outputting data from PortTalk error:31\" -> OK"}));
}

TEST_F(PortDriverTest, AFailedWriteEndsTheBatchAtThatByteWithoutTheQuestions) {
  world.hardware().failDataWriteAfter(2);
  setProfile({"84", "85", "86", "87", "88", "125", "126"});
  setCmos({{86, 7}});
  wakeup.alarm().SetPowerOnAlarm(6, 30);
  EXPECT_EQ(cmosWrites(), (Events{"84=1", "85=0"}));
  EXPECT_EQ(eventsOf({"message"}), (Events{"message \"Outputting data from PortTalk error:1117\" -> OK"}));
}

// A read that fails at any position of the alarm's batch, through the
// driver and through the direct ports: no byte is written.
TEST_F(PortDriverTest, AReadFailingAtAnyPositionOfTheBatchWritesNothing) {
  setProfile({"84", "85", "86", "87", "88", "125", "126"});
  setCmos({{85, 5}, {86, 7}, {125, 0x12}, {126, 0x34}});
  const auto before = world.hardware().cmos();
  for (const int platformId : {2, 1}) {
    world.setPlatformId(platformId);
    const int writesBefore = world.log().count("CmosWrite");
    const int errorsBefore = world.log().count("message \"Outputting data from PortTalk error:1117\"");
    int reads = 0;
    for (; reads < 64; ++reads) {
      world.hardware().failDataReadAfter(reads);
      wakeup.alarm().SetPowerOnAlarm(6, 30);
      if (world.hardware().cmos() != before) break;  // the batch read everything it needed
      EXPECT_EQ(world.log().count("CmosWrite"), writesBefore) << reads;
      EXPECT_EQ(world.log().count("message \"Outputting data from PortTalk error:1117\""), errorsBefore + reads + 1);
    }
    EXPECT_GT(reads, 0);
    EXPECT_LT(reads, 64);
    world.hardware().failDataReadAfter(-1);
    world.hardware().setCmos(before);
  }
}

}  // namespace
}  // namespace orvane
