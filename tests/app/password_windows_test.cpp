// The set-password window "TForm6" and the password prompt "TForm12": what
// each accepts and refuses, that a password set in the one opens the other
// (also when its scrambled form is not valid GBK), where the prompt is due,
// and the cancelled prompt sending the main window back to the tray.

#include <gtest/gtest.h>

#include "app/password_gate.h"
#include "app/program.h"
#include "app/set_password_form.h"
#include "common/errors.h"
#include "lock/lock_screen.h"
#include "platform/sim/sim_world.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

// "谤" (B0 F9) scrambles to B9 FF, which is no GBK character: stored through
// a code page it would come back changed and lock the user out.
const char* const kNonGbkScrambled = "\xB0\xF9";

class PasswordWindowsTest : public SimTest {
 protected:
  // The set-password window with its three fields typed in and "确定"
  // pressed; whether it closed.
  bool setPassword(const std::string& old, const std::string& fresh, const std::string& confirmation) {
    SetPasswordForm form(world.ui(), world.files());
    form.opened();
    form.oldPassword = old;
    form.newPassword = fresh;
    form.confirmation = confirmation;
    form.okClicked();
    return !form.isOpen();
  }
  // The prompt answered as orvane-sim's --answer TForm12=TEXT does.
  bool promptAccepts(const std::string& typed) {
    world.ui().setAnswer("TForm12", typed);
    return gate.passes();
  }
  void requirePassword(const char* flag = "1") {
    ASSERT_TRUE(world.files().writeFileFlushed(lockPath(), std::string("[Option]\r\nlock=") + flag + "\r\n"));
  }
  std::filesystem::path lockPath() { return world.files().systemDirectory() / "deskward.ini"; }
  std::optional<std::string> lockFile() { return world.files().readFile(lockPath()); }

  PasswordGate gate{world.ui(), world.files()};
};

TEST_F(PasswordWindowsTest, WithoutAPasswordTheOldFieldMustBeEmpty) {
  EXPECT_FALSE(setPassword("x", "new", "new"));
  EXPECT_TRUE(world.log().contains("message \"旧密码输入错误！\" -> 确定"));
  EXPECT_FALSE(lockFile());
  EXPECT_TRUE(setPassword("", "new", "new"));
  EXPECT_TRUE(
      world.log().contains("message \"忘记密码可能导致无法进入系统，请小心保管你的新密码。确定要更改吗？\" -> 确定"));
  EXPECT_TRUE(lockFile());
}

TEST_F(PasswordWindowsTest, ANewPasswordThatDiffersFromItsConfirmationIsRefused) {
  EXPECT_FALSE(setPassword("", "abc", "abC"));
  EXPECT_TRUE(world.log().contains("message \"两次输入的新密码不相同！\" -> 确定"));
  EXPECT_FALSE(world.log().contains("message \"忘记密码"));
  EXPECT_FALSE(lockFile());
}

TEST_F(PasswordWindowsTest, CancellingTheQuestionClosesTheWindowAndKeepsTheOldPassword) {
  ASSERT_TRUE(setPassword("", "first", "first"));
  world.ui().setAnswer("message", "取消");
  const auto before = lockFile();
  EXPECT_TRUE(setPassword("first", "second", "second"));
  EXPECT_EQ(lockFile(), before);
  world.ui().setAnswer("message", "确定");
  EXPECT_FALSE(setPassword("second", "third", "third"));
  EXPECT_TRUE(setPassword("first", "third", "third"));
}

TEST_F(PasswordWindowsTest, ARefusedWriteOrAFullDiskKeepsTheOldPassword) {
  requirePassword();
  ASSERT_TRUE(setPassword("", "first", "first"));
  const auto before = lockFile();
  world.files().failWritesAfter(before->size() / 2);  // the disk fills half way
  EXPECT_THROW(setPassword("first", "second", "second"), OperationError);
  EXPECT_EQ(lockFile(), before);
  world.files().refuseWritesTo(lockPath());
  EXPECT_THROW(setPassword("first", "second", "second"), OperationError);
  EXPECT_FALSE(promptAccepts("second"));
  EXPECT_TRUE(promptAccepts("first"));
}

TEST_F(PasswordWindowsTest, ThePromptAcceptsExactlyThePasswordSetAndKeepsItsByteLength) {
  requirePassword();
  ASSERT_TRUE(setPassword("", "Secret", "Secret"));
  EXPECT_EQ(lockFile()->find("pword="), std::string("[Option]\r\nlock=1\r\n").size());
  EXPECT_TRUE(promptAccepts("Secret"));
  EXPECT_FALSE(promptAccepts("secret"));
  EXPECT_FALSE(promptAccepts("Secrat"));
  EXPECT_FALSE(promptAccepts(""));
  EXPECT_EQ(world.log().count("message \"密码错误！\" -> OK"), 3);
}

TEST_F(PasswordWindowsTest, AScrambledFormThatIsNotGbkIsStoredAndMatchedByteForByte) {
  requirePassword();
  ASSERT_TRUE(setPassword("", kNonGbkScrambled, kNonGbkScrambled));
  EXPECT_EQ(lockFile(), "[Option]\r\nlock=1\r\npword=\xB9\xFF\r\n");
  EXPECT_TRUE(promptAccepts("谤"));  // typed as UTF-8, taken as GBK
  EXPECT_TRUE(setPassword(kNonGbkScrambled, "", ""));
  EXPECT_TRUE(promptAccepts(""));
}

// Their scrambled forms begin or end with a blank ("Fnog ", " 0",
// "Rlgscq "), which reading the file must not trim.
TEST_F(PasswordWindowsTest, PasswordsWhoseScrambledFormHasBlanksAtItsEndsStillOpenEverything) {
  requirePassword();
  std::string old;
  for (const std::string password : {"Good!", "!3", "Secret#"}) {
    ASSERT_TRUE(setPassword(old, password, password)) << password;
    EXPECT_TRUE(promptAccepts(password)) << password;
    LockScreen lock(world.ui(), world.files());
    world.ui().showModeless(lock);
    lock.unlockClicked(password);
    EXPECT_FALSE(lock.isOpen()) << password;
    old = password;
  }
  EXPECT_FALSE(world.log().contains("旧密码输入错误"));
}

TEST_F(PasswordWindowsTest, ThePromptIsDueOnlyWhileTheLockFlagIsExactlyOne) {
  ASSERT_TRUE(setPassword("", "pw", "pw"));
  world.ui().setAnswer("TForm12", "wrong");
  EXPECT_TRUE(gate.passes());
  for (const char* flag : {"0", "01", "yes"}) {
    requirePassword(flag);
    EXPECT_TRUE(gate.passes()) << flag;
  }
  EXPECT_FALSE(world.log().contains("open TForm12"));
  requirePassword();
  EXPECT_FALSE(gate.passes());
  EXPECT_TRUE(world.log().contains("open TForm12"));
}

TEST_F(PasswordWindowsTest, EveryOtherWayOfClosingThePromptCancelsIt) {
  requirePassword();
  world.ui().setAnswer("TForm12", "cancel");
  EXPECT_FALSE(gate.passes());
  EXPECT_TRUE(gate.cancelled());
  gate.prompt().prepare();
  gate.prompt().opened();
  gate.prompt().closeBox();
  EXPECT_TRUE(gate.cancelled());
  EXPECT_EQ(gate.prompt().result(), Form::kResultCancel);
}

TEST_F(PasswordWindowsTest, TheFieldIsEmptiedEachTimeThePromptIsAboutToShow) {
  requirePassword();
  gate.prompt().entry = "typed before";
  world.ui().setAnswer("TForm12", "");
  EXPECT_TRUE(gate.passes());
  EXPECT_EQ(gate.prompt().entry, "");
}

TEST_F(PasswordWindowsTest, TheBackgroundPictureShipsBesideTheProgram) {
  EXPECT_FALSE(gate.prompt().picture());
  std::filesystem::copy_file(std::filesystem::path(ORVANE_SOURCE_DIR) / "resources/ship/prompt.jpg",
                             dir.path() / "prompt.jpg");
  PasswordPromptForm prompt(world.ui(), world.files());
  ASSERT_TRUE(prompt.picture());
  EXPECT_EQ(prompt.picture()->width, 360);
  EXPECT_EQ(prompt.picture()->height, 190);
}

class PromptAtShowTest : public PasswordWindowsTest {
 protected:
  void startWith(const char* answer) {
    requirePassword();
    ASSERT_TRUE(setPassword("", "pw", "pw"));
    world.ui().setAnswer("TForm12", answer);
    world.run(1, [this] { program.start(); });
  }
  Program program{world.platform(), world.ui()};
};

TEST_F(PromptAtShowTest, ACancelledPromptSendsTheWindowBackToTheTray100MsLater) {
  startWith("wrong");
  EXPECT_FALSE(program.mainForm().shown());
  std::vector<std::string> steps;
  for (const auto& line : world.log().lines()) {
    const std::string event = line.substr(24);
    if (event.find("TForm") != std::string::npos || event.find("密码错误") != std::string::npos)
      steps.push_back(line.substr(17));
  }
  EXPECT_EQ(steps, (std::vector<std::string>{"00.000 open TForm3", "00.000 show TForm3", "00.000 open TForm12",
                                             "00.000 message \"密码错误！\" -> OK", "00.000 close TForm12",
                                             "00.100 hide TForm3"}));
  // Showing it again asks again; the right password keeps it shown.
  world.ui().setAnswer("TForm12", "pw");
  program.mainForm().showFromTray();
  world.run(1);
  EXPECT_TRUE(program.mainForm().shown());
  EXPECT_EQ(world.log().count("open TForm12"), 2);
}

TEST_F(PromptAtShowTest, TheRightPasswordKeepsTheWindowShownAndShowingItAgainDoesNotAsk) {
  startWith("pw");
  EXPECT_TRUE(program.mainForm().shown());
  program.mainForm().showFromTray();
  EXPECT_EQ(world.log().count("open TForm12"), 1);
}

}  // namespace
}  // namespace orvane
