// The lock program's window: it closes only with the password stored in
// "\deskward.ini" of the system directory; its close box (Esc, Alt+F4, close
// requests from other programs) does nothing.

#include "lock/lock_screen.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_world.h"
#include "storage/lock_settings.h"
#include "storage/password_scramble.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

class LockScreenTest : public SimTest {
 protected:
  void SetUp() override { world.ui().showModeless(screen); }
  void storePassword(const std::string& bytes) {
    world.files().writeFileFlushed(lockSettingsPath(world.files()), "[Option]\r\nrun=1\r\npword=" + bytes + "\r\n");
  }
  bool unlocks(const std::string& typed) {
    screen.unlockClicked(typed);
    return !screen.isOpen();
  }

  LockScreen screen{world.ui(), world.files()};
};

TEST_F(LockScreenTest, WrongPasswordKeepsItLockedAndSaysSoThenTheRightOneUnlocks) {
  storePassword(scramblePassword("\xC3\xDC\xC2\xEB"));  // "密码" in GBK
  EXPECT_STREQ(screen.prompt(), LockScreen::kAskPassword);
  EXPECT_FALSE(unlocks("wrong"));
  EXPECT_STREQ(screen.prompt(), LockScreen::kWrongPassword);
  EXPECT_TRUE(unlocks("\xC3\xDC\xC2\xEB"));
  EXPECT_EQ(screen.result(), Form::kResultOk);
}

TEST_F(LockScreenTest, CloseRequestsDoNotUnlock) {
  screen.closeBox();
  EXPECT_TRUE(screen.isOpen());
}

TEST_F(LockScreenTest, TheStoredTextIsTheScrambledFormNotThePassword) {
  storePassword("ie");  // "ab" scrambled
  EXPECT_FALSE(unlocks("ie"));
  EXPECT_FALSE(unlocks("AB"));
  EXPECT_TRUE(unlocks("ab"));
}

TEST_F(LockScreenTest, WithoutAStoredPasswordOnlyAnEmptyEntryUnlocks) {
  EXPECT_FALSE(unlocks("x"));
  EXPECT_TRUE(unlocks(""));
}

TEST_F(LockScreenTest, EmptyStoredPasswordAcceptsAnEmptyEntry) {
  storePassword("");
  EXPECT_FALSE(unlocks(" "));
  EXPECT_TRUE(unlocks(""));
}

TEST_F(LockScreenTest, PasswordChangedWhileLockedCountsFromTheNextTry) {
  storePassword(scramblePassword("old"));
  EXPECT_FALSE(unlocks("new"));
  storePassword(scramblePassword("new"));
  EXPECT_TRUE(unlocks("new"));
}

}  // namespace
}  // namespace orvane
