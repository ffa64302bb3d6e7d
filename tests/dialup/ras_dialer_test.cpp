// The dial-up window against the simulated Windows: its creation from
// "wake.ini" and the phone book, the handlers of its controls, what it
// saves, what it dials, and the task dispatcher dialling before it opens a
// web address.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "common/gbk.h"
#include "dialup/dial_password.h"
#include "dialup/dial_up_system.h"
#include "scheduler/task_lines.h"
#include "scheduler/task_window.h"
#include "storage/settings_keys.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

using Events = std::vector<std::string>;

// The task and power systems with dial-up last, as the main window has them.
class DialUpWindow : public test::TaskWindow {
 public:
  DialUpWindow(Platform& platform, Ui& ui) : TaskWindow(platform, ui), dialUp(platform, ui, tasks.autoDial()) {
    parts.add(dialUp);
  }
  DialUpSystem dialUp;
};

class RasDialerTest : public SimTest {
 protected:
  RasDialerTest() { world.network().setPhonebook({gbk("宽带连接"), "VPN", "Office"}); }

  static std::string gbk(const char* utf8) { return utf8ToGbk(utf8); }
  // "wake.ini" from UTF-8 lines.
  void writeSettings(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    writeProgramFile("wake.ini", utf8ToGbk(text));
  }
  void start() {
    world.run(0.5, [this] {
      if (!started_) window.start();
      started_ = true;
    });
  }
  TRasDialerForm& dialer() { return window.dialUp.dialer(); }
  bool autoDialEnabled() { return window.tasks.autoDial().AutoDialEnabled; }
  std::string stored(std::string_view section, std::string_view key) {
    return wakeSettings(world.files()).read(section, key, "<none>");
  }
  Events eventsOf(const char* prefix) {
    Events found;
    for (const std::string& event : world.log().events()) {
      if (event.rfind(prefix, 0) == 0) found.push_back(event);
    }
    return found;
  }

  DialUpWindow window{world.platform(), world.ui()};

 private:
  bool started_ = false;
};

TEST_F(RasDialerTest, CreationLoadsTheStoredChoiceIntoTheListedPhoneBook) {
  writeSettings({"[Last]", "EntryName=VPN", "UserName=user1", "Password=" + EncodeDialPassword("secret", 0), "SavePW=1",
                 "AutoC=1"});
  start();
  EXPECT_EQ(eventsOf("RasEnumEntries"), Events{"RasEnumEntries -> 3"});
  EXPECT_EQ(dialer().EntryNameItems, (std::vector<std::string>{gbk("宽带连接"), "VPN", "Office"}));
  EXPECT_EQ(dialer().EntryNameText(), "VPN");
  EXPECT_EQ(dialer().UserNameText, "user1");
  EXPECT_TRUE(dialer().UserNameItems.empty());
  EXPECT_EQ(dialer().PasswordEdit, "secret");
  EXPECT_TRUE(dialer().SavePWCheckBox);
  EXPECT_TRUE(dialer().CheckBox1);
  EXPECT_TRUE(autoDialEnabled());
  EXPECT_FALSE(dialer().isOpen());
}

TEST_F(RasDialerTest, CreationTakesOtherStoredCombinationsAsTheyStand) {
  const struct {
    std::initializer_list<std::string> lines;
    const char* entry;
    bool savePassword, autoDial;
  } cases[] = {
      {{}, "", false, false},
      {{"[Last]", "EntryName=Gone", "SavePW=1", "AutoC=0"}, "", true, false},
      {{"[Last]", "EntryName=vpn", "SavePW=0", "AutoC=1"}, "", false, true},
      {{"[Last]", "EntryName=Office", "SavePW=yes", "AutoC= 1"}, "Office", false, true},
  };
  for (const auto& c : cases) {
    writeSettings(c.lines);
    dialer().FormCreate();
    EXPECT_EQ(dialer().EntryNameText(), c.entry);
    EXPECT_EQ(dialer().EntryNameIndex == -1, std::string(c.entry).empty());
    EXPECT_EQ(dialer().PasswordEdit, "");
    EXPECT_EQ(dialer().SavePWCheckBox, c.savePassword);
    EXPECT_EQ(dialer().CheckBox1, c.autoDial);
    EXPECT_EQ(autoDialEnabled(), c.autoDial);
  }
}

// A hand-edited password neither stops the creation nor overruns the
// decoder: a group that is no number is reported once and counts as no
// password; groups beyond the 128th are ignored.
TEST_F(RasDialerTest, AnUnreadableOrOverlongStoredPasswordLeavesTheRestLoaded) {
  writeSettings({"[Last]", "EntryName=宽带连接", "UserName=user1", "Password=2915529x55", "AutoC=1", "SavePW=1"});
  start();
  EXPECT_EQ(eventsOf("error"), Events{"error \"'29x55' is not a valid integer value\""});
  EXPECT_EQ(dialer().PasswordEdit, "");
  EXPECT_EQ(dialer().EntryNameText(), gbk("宽带连接"));
  EXPECT_TRUE(dialer().CheckBox1);
  EXPECT_TRUE(autoDialEnabled());

  std::string groups;
  for (int i = 0; i < 300; ++i) groups += "54321";
  writeSettings({"[Last]", "EntryName=VPN", "UserName=user1", "Password=" + groups});
  dialer().FormCreate();
  EXPECT_EQ(dialer().EntryNameText(), "VPN");
  EXPECT_EQ(dialer().UserNameText, "user1");
  EXPECT_EQ(dialer().PasswordEdit.size(), static_cast<std::size_t>((54321 - 29153) & 0xFF));
}

TEST_F(RasDialerTest, ChoosingAnEntryOrAUserLoadsWhatWasRememberedForIt) {
  writeSettings({"[RAS_ENTRY_VPN]", "USER_anna=" + EncodeDialPassword("a-pw", 1), "user_low=1", "X=1",
                 "USER_bo\\_b=" + EncodeDialPassword("b-pw", 2), "[RAS_ENTRY_Office]",
                 "USER_c=" + EncodeDialPassword("", 3)});
  start();
  dialer().UserNameText = "typed";
  dialer().EntryNameComboBoxChange(1);
  EXPECT_EQ(dialer().UserNameItems, (std::vector<std::string>{"anna", "bo\\_b"}));
  EXPECT_EQ(dialer().UserNameText, "anna");
  EXPECT_EQ(dialer().PasswordEdit, "a-pw");
  // The list shows the stored forms: chosen, "bo\_b" is escaped again.
  dialer().UserNameComboBoxChange("bo\\_b");
  EXPECT_EQ(dialer().PasswordEdit, "");
  dialer().UserNameComboBoxChange("bo_b");
  EXPECT_EQ(dialer().PasswordEdit, "b-pw");
  dialer().EntryNameComboBoxChange(2);
  EXPECT_EQ(dialer().UserNameItems, std::vector<std::string>{"c"});
  EXPECT_EQ(dialer().PasswordEdit, "");
  // An entry with nobody remembered keeps the user field.
  dialer().UserNameText = "anna";
  dialer().EntryNameComboBoxChange(0);
  EXPECT_TRUE(dialer().UserNameItems.empty());
  EXPECT_EQ(dialer().UserNameText, "anna");
}

TEST_F(RasDialerTest, AutoDialBringsSavePasswordButNotTheOtherWayRound) {
  start();
  dialer().CheckBox1Click(true);
  EXPECT_TRUE(dialer().SavePWCheckBox);
  dialer().CheckBox1Click(false);
  EXPECT_TRUE(dialer().SavePWCheckBox);
  EXPECT_FALSE(autoDialEnabled());
}

TEST_F(RasDialerTest, SavingRemembersThePasswordPerEntryAndForgetsOnlyTheLastOne) {
  start();
  dialer().Show();
  dialer().EntryNameComboBoxChange(0);
  dialer().UserNameComboBoxChange("my user");
  dialer().PasswordEdit = "pw 1";
  dialer().CheckBox1Click(true);
  dialer().Button2Click();
  EXPECT_TRUE(autoDialEnabled());
  EXPECT_FALSE(dialer().isOpen());
  EXPECT_EQ(stored("Last", "EntryName"), gbk("宽带连接"));
  EXPECT_EQ(stored("Last", "UserName"), "my user");
  EXPECT_EQ(stored("Last", "AutoC"), "1");
  EXPECT_EQ(stored("Last", "SavePW"), "1");
  EXPECT_EQ(DecodeDialPassword(stored("Last", "Password")), "pw 1");
  const std::string section = "RAS_ENTRY_" + gbk("宽带连接");
  EXPECT_EQ(DecodeDialPassword(stored(section, "USER_my_user")), "pw 1");

  dialer().CheckBox1Click(false);
  dialer().SavePWCheckBox = false;
  dialer().PasswordEdit = "pw 2";
  dialer().Button2Click();
  EXPECT_FALSE(autoDialEnabled());
  EXPECT_EQ(stored("Last", "Password"), "");
  EXPECT_EQ(stored("Last", "SavePW"), "0");
  EXPECT_EQ(stored("Last", "AutoC"), "0");
  EXPECT_EQ(DecodeDialPassword(stored(section, "USER_my_user")), "pw 1");

  // Without an entry chosen only "Last" remembers the password.
  dialer().EntryNameComboBoxChange(-1);
  dialer().PasswordEdit = "pw 2";
  dialer().SavePWCheckBox = true;
  dialer().Button2Click();
  EXPECT_EQ(wakeSettings(world.files()).keys("RAS_ENTRY_"), std::vector<std::string>{});
  EXPECT_EQ(DecodeDialPassword(stored("Last", "Password")), "pw 2");
}

TEST_F(RasDialerTest, APhoneBookBeyondSixteenEntriesIsNotReadPastTheRecords) {
  std::vector<std::string> entries;
  for (int i = 1; i <= 16; ++i) entries.push_back("E" + std::to_string(i));
  world.network().setPhonebook(entries);
  start();
  EXPECT_EQ(dialer().EntryNameItems, entries);
  entries.push_back("E17");
  world.network().setPhonebook(entries);
  dialer().ListPhonebookEntries();
  EXPECT_EQ(eventsOf("RasEnumEntries").back(), "RasEnumEntries -> error 603 entries=17");
  EXPECT_EQ(eventsOf("RasGetErrorString"), Events{"RasGetErrorString code=603 size=128"});
  EXPECT_TRUE(dialer().EntryNameItems.empty());
  EXPECT_EQ(dialer().EntryNameIndex, -1);
}

TEST_F(RasDialerTest, ANewEntryRefillsTheListAndKeepsTheChoice) {
  start();
  dialer().EntryNameComboBoxChange(2);
  world.network().setPhonebook({"Added", gbk("宽带连接"), "VPN", "Office"});
  dialer().Button1Click();
  EXPECT_EQ(eventsOf("RasCreatePhonebookEntry"), Events{"RasCreatePhonebookEntry -> 0"});
  EXPECT_EQ(dialer().EntryNameItems.size(), 4u);
  EXPECT_EQ(dialer().EntryNameText(), "Office");
}

TEST_F(RasDialerTest, DialingCutsNamesAndPasswordToTheRecordsFields) {
  start();
  dialer().DialEntry("VPN", std::string(300, 'u'), std::string(255, 'p') + gbk("宽"));
  EXPECT_EQ(eventsOf("RasDial"),
            Events{"RasDial entry=\"VPN\" user=\"" + std::string(256, 'u') + "\" password-length=255"});
  dialer().DialEntry("Gone", "", "");
  EXPECT_EQ(eventsOf("RasDial").back(), "RasDial entry=\"Gone\" user=\"\" password-length=0 -> error 623");
  EXPECT_EQ(eventsOf("RasGetErrorString"), Events{"RasGetErrorString code=623 size=256"});
}

TEST_F(RasDialerTest, TheAddressButtonShowsTheWindowBesideTheOthers) {
  writeSettings({"[Last]", "EntryName=VPN", "UserName=user1"});
  start();
  world.run(1, [this] {
    window.tasks.taskCommands().showDialerWindow();
    EXPECT_TRUE(dialer().isOpen());
    window.tasks.taskCommands().showDialerWindow();
  });
  EXPECT_TRUE(dialer().isOpen());
  EXPECT_EQ(eventsOf("open TRasDialerForm"), Events(2, "open TRasDialerForm entry=\"VPN\" user=\"user1\""));
  EXPECT_EQ(eventsOf("close TRasDialerForm").size(), 1u);
}

class RasDialerTaskTest : public RasDialerTest {
 protected:
  void writeUrlTask() {
    TaskFields fields(TaskLine(test::taskLine("10:00:05", "每天")));
    fields[TaskField::OpenUrl] = "Open URL:http://example.com/";
    std::ofstream(dir.path() / "task.dat", std::ios::binary) << test::taskFile({JoinTaskLine(fields)});
  }
  Events dialAndOpen() {
    Events found;
    for (const std::string& line : world.log().lines()) {
      const std::string event = line.substr(24);
      if (event.rfind("RasDial", 0) == 0 || event.rfind("ShellExecute", 0) == 0) found.push_back(line.substr(11));
    }
    return found;
  }
};

TEST_F(RasDialerTaskTest, ADueAddressIsDialledFirstOnlyWhileAutoDialIsOn) {
  writeUrlTask();
  writeSettings(
      {"[Last]", "EntryName=宽带连接", "UserName=user1", "Password=" + EncodeDialPassword("pw", 0), "AutoC=1"});
  world.run(6, [this] { window.start(); });
  EXPECT_EQ(dialAndOpen(), (Events{"10:00:05.000 RasDial entry=\"宽带连接\" user=\"user1\" password-length=2",
                                   "10:00:05.000 ShellExecute verb=open file=\"http://example.com/\" dir=\"\""}));

  dialer().CheckBox1Click(false);
  dialer().Button2Click();
  world.log().add("next day");
  world.run(86400, {});
  EXPECT_EQ(dialAndOpen().size(), 3u);
  EXPECT_EQ(dialAndOpen().back(), "10:00:05.000 ShellExecute verb=open file=\"http://example.com/\" dir=\"\"");
}

TEST_F(RasDialerTaskTest, WithoutTheDialUpServiceTheProgramStartsAndTheAddressStillOpens) {
  world.network().setRasAvailable(false);
  writeUrlTask();
  writeSettings({"[Last]", "EntryName=宽带连接", "AutoC=1"});
  world.run(6, [this] { window.start(); });
  EXPECT_TRUE(dialer().EntryNameItems.empty());
  EXPECT_EQ(dialAndOpen(), (Events{"10:00:05.000 RasDial -> no rasapi32.dll",
                                   "10:00:05.000 ShellExecute verb=open file=\"http://example.com/\" dir=\"\""}));
  dialer().Button1Click();
  EXPECT_EQ(eventsOf("RasGetErrorString"), Events{});
}

}  // namespace
}  // namespace orvane
