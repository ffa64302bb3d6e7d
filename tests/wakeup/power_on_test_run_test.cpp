// The test run at the next starts of the program: when it shuts the
// computer down, when it ends with the question, and when it is dropped.

#include "wakeup/power_on_test_run.h"

#include "wakeup/power_on_wizard_fixture.h"

namespace orvane {
namespace {

constexpr const char* kTestStep = "open TForm4 button2=\"关闭\" label4=\"测试中...这是测试的一个步骤。\"";
constexpr const char* kTestOver = "message \"测试结束。你想现在就进行正常设置吗？\"";

TEST(TestRunConditions, DueUpToNineMinutesAheadOrAfterTheTimeWithinTheHour) {
  EXPECT_TRUE(testRunDue(10, 9, {10, 0, 0}));
  EXPECT_FALSE(testRunDue(10, 10, {10, 0, 0}));
  EXPECT_TRUE(testRunDue(11, 5, {10, 56, 0}));
  EXPECT_FALSE(testRunDue(11, 5, {10, 55, 0}));
  EXPECT_TRUE(testRunDue(10, 0, {10, 59, 0}));
  EXPECT_FALSE(testRunDue(9, 55, {10, 0, 0}));
}

TEST(TestRunConditions, PassedOneToFourteenMinutesAfterWithoutWrappingAtMidnight) {
  EXPECT_TRUE(testRunPassed(10, 9, {10, 23, 0}));
  EXPECT_FALSE(testRunPassed(10, 9, {10, 24, 0}));
  EXPECT_FALSE(testRunPassed(10, 9, {10, 9, 0}));
  EXPECT_TRUE(testRunPassed(10, 55, {11, 9, 0}));
  EXPECT_FALSE(testRunPassed(10, 55, {11, 10, 0}));
  EXPECT_FALSE(testRunPassed(23, 55, {0, 5, 0}));
}

class TestRunTest : public test::WizardTest {
 protected:
  // A start at `when` on 2026-12-07 with this test state, set for 10:09.
  void startWithTest(const char* state, const char* when) {
    put(std::string("[test]\r\ntest=") + state + "\r\nh=10\r\nm=9\r\ns=30\r\n[power]\r\nh=10\r\nm=9\r\ns=30\r\n");
    start((std::string("2026-12-07 ") + when).c_str());
  }
  bool stateIs(const char* state) { return wakeIni().find(std::string("test=") + state + "\r\n") != std::string::npos; }
};

TEST_F(TestRunTest, ARunAcrossTwoStartsShutsDownWhenDueAndEndsWithTheQuestion) {
  startWithTest("1", "10:00:00");
  EXPECT_EQ(events("open TForm4"), std::vector<std::string>{kTestStep});
  EXPECT_EQ(main().countdownRequest().PendingPowerAction, "Shutdown...");
  EXPECT_TRUE(stateIs("2"));
  start("2026-12-07 10:21:00");
  EXPECT_THAT(events("message"), testing::ElementsAre(std::string(kTestOver) + " -> 确定"));
  EXPECT_TRUE(world().log().contains("open TForm1 page=1"));
  EXPECT_TRUE(stateIs("0"));
  EXPECT_FALSE(world().log().contains("open TForm4"));
}

TEST_F(TestRunTest, CancellingTheQuestionOpensNoWizard) {
  put("[test]\r\ntest=2\r\nh=10\r\nm=9\r\n");
  start("2026-12-07 10:23:00", 0);
  world().ui().setAnswer("message", "取消");
  world().run(2);
  EXPECT_TRUE(world().log().contains(kTestOver));
  EXPECT_FALSE(world().log().contains("open TForm1"));
}

TEST_F(TestRunTest, AnyOtherStartDropsTheTestSilentlyAndTheCheckGoesOn) {
  for (const auto& [state, when] : {std::pair{"1", "11:23:00"}, std::pair{"1", "09:59:00"}, std::pair{"2", "10:24:00"},
                                    std::pair{"2", "10:05:00"}}) {
    startWithTest(state, when);
    EXPECT_TRUE(events("message").empty()) << state << " " << when;
    EXPECT_TRUE(events("open TForm4").empty()) << state << " " << when;
    EXPECT_TRUE(stateIs("0")) << state << " " << when;
  }
  // 10:05 lies in the window after the power-on time 9:55, on a day
  // without power-on.
  put("[test]\r\ntest=2\r\nh=10\r\nm=9\r\n[power]\r\nh=9\r\nm=55\r\ns=0\r\n");
  start("2026-12-07 10:05:00");
  EXPECT_THAT(events("open TForm4"),
              testing::ElementsAre("open TForm4 button2=\"关闭\" label4=\"今天没有开机任务！\""));
}

}  // namespace
}  // namespace orvane
