// The automatic logon of the NT family: the Winlogon values, and the
// password kept as the private data "DefaultPassword" where the system has
// a store for it, as a plain value only where it has none.

#include "app/auto_logon.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "platform/sim/sim_world.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

const char* const kWinlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";

class AutoLogonTest : public SimTest {
 protected:
  std::optional<std::string> winlogon(const char* value) {
    return world.registry().readString(RegistryRoot::LocalMachine, kWinlogon, value);
  }
  void preset(const char* value, const char* data) {
    world.registry().preset(RegistryRoot::LocalMachine, kWinlogon, value, data);
  }

  AutoLogon logon{world.platform()};
};

TEST_F(AutoLogonTest, EnablingWritesTheValuesAndKeepsThePasswordOutOfTheRegistry) {
  preset("DefaultPassword", "old plain");
  logon.save({true, "\xD5\xC5\xC8\xFD", "s3cret"});  // "张三"
  EXPECT_EQ(winlogon("AutoAdminLogon"), "1");
  EXPECT_EQ(winlogon("DefaultUserName"), "\xD5\xC5\xC8\xFD");
  EXPECT_FALSE(winlogon("DefaultPassword"));
  EXPECT_EQ(world.secrets().retrieve("DefaultPassword"), "s3cret");
  const auto events = world.log().events();
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[0].rfind("RegSetValue", 0), 0u);
  EXPECT_NE(events[0].find("value=\"AutoAdminLogon\""), std::string::npos);
  EXPECT_NE(events[1].find("value=\"DefaultUserName\""), std::string::npos);
  EXPECT_EQ(events[2], "LsaStorePrivateData name=\"DefaultPassword\"");
  EXPECT_EQ(events[3].rfind("RegDeleteValue", 0), 0u);
  EXPECT_EQ(events[3].find("s3cret"), std::string::npos);

  const AutoLogonSettings read = logon.read();
  EXPECT_TRUE(read.enabled);
  EXPECT_EQ(read.userName, "\xD5\xC5\xC8\xFD");
  EXPECT_EQ(read.password, "s3cret");
}

TEST_F(AutoLogonTest, DisablingDeletesOnlyAutoAdminLogon) {
  logon.save({true, "user", "pw"});
  logon.save({false, "other", "changed"});
  EXPECT_FALSE(winlogon("AutoAdminLogon"));
  EXPECT_EQ(winlogon("DefaultUserName"), "user");
  EXPECT_EQ(world.secrets().retrieve("DefaultPassword"), "pw");
  const AutoLogonSettings read = logon.read();
  EXPECT_FALSE(read.enabled);
  EXPECT_EQ(read.userName, "user");
  EXPECT_EQ(read.password, "pw");
}

TEST_F(AutoLogonTest, OnlyTheExactTextOneEnables) {
  for (const char* text : {"01", "true", "", "yes"}) {
    preset("AutoAdminLogon", text);
    EXPECT_FALSE(logon.read().enabled) << text;
  }
}

TEST_F(AutoLogonTest, APlainPasswordLeftBeforeFillsTheFieldUntilTheSecretIsStored) {
  preset("DefaultUserName", "user");
  preset("DefaultPassword", "plain");
  EXPECT_EQ(logon.read().password, "plain");
  logon.save({true, "user", "plain"});
  EXPECT_FALSE(winlogon("DefaultPassword"));
  EXPECT_EQ(logon.read().password, "plain");
}

TEST_F(AutoLogonTest, WithoutAStoreThePasswordIsThePlainValue) {
  world.secrets().setSupported(false);
  logon.save({true, "user", "pw"});
  EXPECT_EQ(winlogon("DefaultPassword"), "pw");
  EXPECT_EQ(logon.read().password, "pw");
}

TEST_F(AutoLogonTest, ARefusedStoreEndsTheSaveAndLeavesThePlainValue) {
  world.secrets().refuseWrites();
  preset("DefaultPassword", "plain");
  try {
    logon.save({true, "user", "pw"});
    FAIL() << "no error";
  } catch (const OperationError& error) {
    EXPECT_STREQ(error.what(), "Failed to set data for 'DefaultPassword'");
  }
  EXPECT_EQ(winlogon("DefaultPassword"), "plain");
}

TEST_F(AutoLogonTest, ARefusedWinlogonWriteStopsAtAutoAdminLogon) {
  world.registry().refuseWritesUnder(RegistryRoot::LocalMachine);
  try {
    logon.save({true, "user", "pw"});
    FAIL() << "no error";
  } catch (const OperationError& error) {
    EXPECT_STREQ(error.what(), "Failed to set data for 'AutoAdminLogon'");
  }
  EXPECT_EQ(world.log().count("RegSetValue"), 1);
  EXPECT_FALSE(world.secrets().retrieve("DefaultPassword"));
}

}  // namespace
}  // namespace orvane
