// The simulated Windows itself: virtual timers, drift, the clock, sleep,
// modal loops and scripted answers. Everything else is tested against it,
// so its time keeping must be exact.

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "common/errors.h"
#include "platform/form.h"
#include "platform/sim/sim_world.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

struct Recorder : TimerOwner {
  explicit Recorder(SimWorld& w) : world(w) {}
  void timerFired(int id) override { fired.push_back({id, world.time().tick()}); }
  SimWorld& world;
  std::vector<std::pair<int, std::int64_t>> fired;
};

class SimWorldTest : public SimTest {
 protected:
};

TEST_F(SimWorldTest, PeriodicTimerFiresEveryIntervalAndStopsWhenAsked) {
  Recorder owner(world);
  world.ui().startTimer(owner, 2, 1000);
  world.run(3.5);
  ASSERT_EQ(owner.fired.size(), 3u);
  EXPECT_EQ(owner.fired[2].second, 3000);
  world.ui().stopTimer(owner, 2);
  world.run(5);
  EXPECT_EQ(owner.fired.size(), 3u);
}

TEST_F(SimWorldTest, JitterMakesEachTickLaterThanTheLast) {
  world.time().setJitter(16);
  Recorder owner(world);
  world.ui().startTimer(owner, 2, 1000);
  world.ui().startTimer(owner, 5, 30000);
  world.run(62);
  std::vector<std::int64_t> fast, slow;
  for (auto [id, tick] : owner.fired) (id == 2 ? fast : slow).push_back(tick);
  ASSERT_GE(fast.size(), 3u);
  EXPECT_EQ(fast[0], 1016);
  EXPECT_EQ(fast[1], 2032);
  // Only the 1000 ms timers drift; the 30 s timer keeps its interval.
  EXPECT_EQ(slow, (std::vector<std::int64_t>{30000, 60000}));
}

TEST_F(SimWorldTest, SettingTheClockMovesLocalTimeButNotTimers) {
  Recorder owner(world);
  world.ui().startTimer(owner, 1, 1000);
  world.at(1.5, [&] { world.setClock(dateTime("2026-12-07 12:00:00")); });
  world.run(2.5);
  EXPECT_EQ(formatDateTimeMs(world.time().localNow()), "2026-12-07 12:00:01.000");
  ASSERT_EQ(owner.fired.size(), 2u);
  EXPECT_EQ(owner.fired[1].second, 2000);
}

TEST_F(SimWorldTest, NoTimerFiresDuringSleepAndEachFiresOnceOnResume) {
  Recorder owner(world);
  world.ui().startTimer(owner, 2, 1000);
  world.at(1.5, [&] { world.sleep(600); });
  world.run(602);
  ASSERT_EQ(owner.fired.size(), 2u);  // at 1 s, then once at resume (601.5 s)
  EXPECT_EQ(owner.fired[1].second, 601500);
  EXPECT_EQ(formatDateTime(world.time().localNow()), "2026-12-07 10:10:02");
}

TEST_F(SimWorldTest, UtcFollowsTheTimeZoneBias) {
  world.time().setTimeZone({TimeZoneState::Kind::Daylight, 300, 0, -60});
  EXPECT_EQ(formatDateTime(world.time().utcNow()), "2026-12-07 14:00:00");
}

struct Dialog : Form {
  explicit Dialog(Ui& ui, std::string cls = "TDialog") : Form(ui), name(std::move(cls)) {}
  const char* windowClass() const override { return name.c_str(); }
  void answerScripted(const std::string& answer) override { answers.push_back(answer); }
  void answerByDefault() override {}  // stays open
  void timerFired(int) override { close(kResultOk); }
  std::string name;
  std::vector<std::string> answers;
};

TEST_F(SimWorldTest, ModalLoopKeepsOtherTimersRunningUntilTheFormCloses) {
  Recorder main(world);
  world.ui().startTimer(main, 2, 1000);
  Dialog dialog(world.ui());
  int result = -1;
  world.at(0.5, [&] {
    world.ui().startTimer(dialog, 1, 3000);
    result = world.ui().showModal(dialog);
  });
  world.run(10);
  EXPECT_EQ(result, Form::kResultOk);
  EXPECT_EQ(main.fired.size(), 10u);
  EXPECT_TRUE(world.log().contains("open TDialog"));
  EXPECT_TRUE(world.log().contains("close TDialog"));
}

TEST_F(SimWorldTest, RunEndingInsideAModalLoopLeavesTheWindowOpen) {
  Dialog dialog(world.ui());
  world.at(1, [&] { world.ui().showModal(dialog); });
  world.run(5);
  EXPECT_EQ(world.time().tick(), 5000);
  EXPECT_FALSE(world.log().contains("close TDialog"));
}

TEST_F(SimWorldTest, ScriptedAnswersGoToTheirWindowClassAndMessages) {
  world.ui().setAnswer("TForm4", "cancel");
  world.ui().setAnswer("message", "取消");
  Dialog countdown(world.ui(), "TForm4");
  world.ui().showModeless(countdown);
  EXPECT_EQ(countdown.answers, std::vector<std::string>{"cancel"});
  EXPECT_EQ(world.ui().showMessage("走吗？", MessageButtons::OkCancel), MessageAnswer::Cancel);
  EXPECT_EQ(world.ui().showMessage("好。", MessageButtons::Ok), MessageAnswer::Ok);
  EXPECT_TRUE(world.log().contains("message \"走吗？\" -> 取消"));
}

TEST_F(SimWorldTest, AHandlerEndedByARefusedWriteShowsTheErrorAndTimeGoesOn) {
  struct Failing : TimerOwner {
    void timerFired(int) override {
      ++calls;
      throw OperationError("Unable to write to Z:\\run\\wake.ini");
    }
    int calls = 0;
  } owner;
  world.ui().startTimer(owner, 2, 1000);
  world.run(2.5);
  EXPECT_EQ(owner.calls, 2);
  EXPECT_EQ(world.log().count("error \"Unable to write to Z:\\run\\wake.ini\""), 2);
}

TEST_F(SimWorldTest, NineXHasNoProcessToken) {
  world.setPlatformId(1);
  EXPECT_FALSE(world.platform().power.openProcessToken(0x28).has_value());
  world.setPlatformId(2);
  EXPECT_TRUE(world.platform().power.openProcessToken(0x28).has_value());
}

TEST_F(SimWorldTest, ProcessListReadsPidAndPathLines) {
  world.shell().loadProcesses("12 C:\\WINDOWS\\NOTEPAD.EXE\r\nnot a line\n13 notepad.exe\n");
  const auto processes = world.platform().shell.processSnapshot();
  ASSERT_EQ(processes.size(), 2u);
  EXPECT_EQ(processes[0].executable, "C:\\WINDOWS\\NOTEPAD.EXE");
  EXPECT_TRUE(world.platform().shell.terminateProcess(13));
  EXPECT_FALSE(world.platform().shell.terminateProcess(13));
}

TEST_F(SimWorldTest, WindowsPathsMapToTheRunDirectory) {
  const std::string text = world.files().programDirectoryText() + "\\di.wav";
  EXPECT_EQ(text[1], ':');
  EXPECT_EQ(text.find('/'), std::string::npos);
  EXPECT_EQ(world.files().fromWindowsPath(text), (dir.path() / "di.wav").lexically_normal());
}

}  // namespace
}  // namespace orvane
