// The power actions against the simulated Windows: the calls each platform
// family makes, what a refused or failed privilege changes, and the start of
// the lock program.

#include "power/power_actions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/sim_world.h"
#include "power/privileges.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

using Events = std::vector<std::string>;
using Action = void (PowerActions::*)();

const char* const kEnable = "AdjustTokenPrivileges privilege=SeShutdownPrivilege enable=1";
const char* const kDisable = "AdjustTokenPrivileges privilege=SeShutdownPrivilege enable=0";
const char* const kEnableRefused = "AdjustTokenPrivileges privilege=SeShutdownPrivilege enable=1 -> not-all-assigned";
const char* const kEnableFailed = "AdjustTokenPrivileges privilege=SeShutdownPrivilege enable=1 -> failed";

struct ExitCase {
  Action action;
  const char* onNt;
  const char* on9x;
};

const ExitCase kExitCases[] = {
    {&PowerActions::PowerOffSystem, "ExitWindowsEx flags=13 reserved=0", "ExitWindowsEx flags=13 reserved=32"},
    {&PowerActions::RebootSystem, "ExitWindowsEx flags=2 reserved=0", "ExitWindowsEx flags=2 reserved=0"},
    {&PowerActions::LogOffSystem, "ExitWindowsEx flags=0 reserved=0", "ExitWindowsEx flags=0 reserved=0"},
};

class PowerActionsTest : public SimTest {
 protected:
  // The events that one call adds to the log.
  template <typename Call>
  Events eventsOf(Call call) {
    const std::size_t before = world.log().lines().size();
    call();
    const Events all = world.log().events();
    return Events(all.begin() + static_cast<std::ptrdiff_t>(before), all.end());
  }
  Events perform(Action action) {
    return eventsOf([&] { (actions.*action)(); });
  }

  PowerActions actions{world.platform()};
};

TEST_F(PowerActionsTest, NtFamilyExitsBetweenEnablingAndDisablingTheShutdownPrivilege) {
  for (const auto& exit : kExitCases) EXPECT_EQ(perform(exit.action), (Events{kEnable, exit.onNt, kDisable}));
}

TEST_F(PowerActionsTest, NinetyFiveFamilyExitsDirectlyAndOnlyPowerOffPasses32) {
  world.setPlatformId(1);
  for (const auto& exit : kExitCases) EXPECT_EQ(perform(exit.action), (Events{exit.on9x}));
}

TEST_F(PowerActionsTest, OtherPlatformIdentifiersMakeTheExitActionsDoNothing) {
  for (int id : {0, 3}) {
    world.setPlatformId(id);
    for (const auto& exit : kExitCases) EXPECT_EQ(perform(exit.action), Events{}) << "platform " << id;
  }
}

TEST_F(PowerActionsTest, RefusedPrivilegeStillAsksWindowsToExit) {
  // AdjustTokenPrivileges returns non-zero with ERROR_NOT_ALL_ASSIGNED: the
  // exit path does not consult GetLastError, Windows itself refuses.
  world.power().setPrivilegeOutcome(PrivilegeOutcome::NotAllAssigned);
  EXPECT_EQ(perform(&PowerActions::PowerOffSystem), (Events{kEnableRefused, "ExitWindowsEx flags=13 reserved=0",
                                                            kDisable + std::string(" -> not-all-assigned")}));
}

TEST_F(PowerActionsTest, FailedPrivilegeAdjustmentStopsTheExitPath) {
  world.power().setPrivilegeOutcome(PrivilegeOutcome::Failed);
  for (const auto& exit : kExitCases) EXPECT_EQ(perform(exit.action), (Events{kEnableFailed}));
  EXPECT_FALSE(ExitWindowsWithPrivilege(world.power(), kExitReboot));
}

TEST_F(PowerActionsTest, ExitWithPrivilegeReportsWhetherWindowsAcceptedAndAlwaysDisablesAgain) {
  EXPECT_TRUE(ExitWindowsWithPrivilege(world.power(), kExitReboot));
  world.power().setExitWindowsResult(false);
  EXPECT_EQ(eventsOf([&] { EXPECT_FALSE(ExitWindowsWithPrivilege(world.power(), kExitReboot)); }),
            (Events{kEnable, "ExitWindowsEx flags=2 reserved=0", kDisable}));
}

TEST_F(PowerActionsTest, StandbyAndHibernateSuspendOnlyWithTheGrantedPrivilegeAndLeaveItEnabled) {
  EXPECT_EQ(perform(&PowerActions::StandbySystem), (Events{kEnable, "SetSystemPowerState suspend=1 force=1"}));
  EXPECT_EQ(perform(&PowerActions::HibernateSystem), (Events{kEnable, "SetSystemPowerState suspend=0 force=1"}));

  world.power().setPrivilegeOutcome(PrivilegeOutcome::NotAllAssigned);
  EXPECT_EQ(perform(&PowerActions::StandbySystem), (Events{kEnableRefused}));
  world.power().setPrivilegeOutcome(PrivilegeOutcome::Failed);
  EXPECT_EQ(perform(&PowerActions::HibernateSystem), (Events{kEnableFailed}));
}

TEST_F(PowerActionsTest, StandbyAndHibernateDoNothingWithoutAProcessToken) {
  world.setPlatformId(1);
  EXPECT_EQ(perform(&PowerActions::StandbySystem), (Events{"OpenProcessToken access=32 -> failed"}));
  EXPECT_EQ(perform(&PowerActions::HibernateSystem), (Events{"OpenProcessToken access=32 -> failed"}));
}

TEST_F(PowerActionsTest, SetPrivilegeFailsForAnUnknownNameWithoutAdjustingTheToken) {
  EXPECT_EQ(eventsOf([&] { EXPECT_FALSE(SetPrivilege(world.power(), "SeNoSuchPrivilege", true)); }),
            (Events{"LookupPrivilegeValue name=\"SeNoSuchPrivilege\" -> failed"}));
}

TEST_F(PowerActionsTest, LockComputerStartsTheLockProgramBesideTheExecutableOnEveryFamily) {
  const std::string start =
      "ShellExecute verb=open file=\"" + world.files().programDirectoryText() + "\\deskward.exe\" dir=\"\"";
  EXPECT_EQ(perform(&PowerActions::LockComputer), (Events{start}));
  world.setPlatformId(1);
  EXPECT_EQ(perform(&PowerActions::LockComputer), (Events{start}));
}

}  // namespace
}  // namespace orvane
