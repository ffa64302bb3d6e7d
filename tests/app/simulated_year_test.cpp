// A year of an unattended PC against the simulated Windows: 200 tasks of
// every schedule kind, ticks up to 900 ms late, a clock that drifts while
// the PC is off and is set from the time server after every start, a sleep
// of random length every few days with the wake timer armed, the daily
// shutdown at 22:00 and the start-up check, which switches the PC off again
// on Sundays (the weekly plan leaves Sunday out). The PC is off from the
// shutdown until the alarm starts it the next morning: each day is a fresh
// SimWorld on the same program directory, as a fresh boot is.
//
// A model of its own, written from the schedule rules and not from the
// scheduler's code, lists the occurrences that fall in the hours the PC is
// on; each must run exactly once, and nothing else may run. The tasks carry
// no power action: the daily shutdown and the start-up check are the power
// actions of the year, and the test checks that each came once a day.
//
// Where nothing is due, virtual time is moved on in large steps with the
// program's timers held back (as when the GUI thread is busy); every
// occurrence, the shutdown and the start are ticked through second by second
// with the jitter.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <utility>

#include "app/program.h"
#include "common/gbk.h"
#include "scheduler/task_line.h"
#include "scheduler/task_words.h"
#include "storage/settings_keys.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

constexpr int kDays = 365;        // 2027, not a leap year; 1 January is a Friday
constexpr int kFirstWeekday = 5;  // 0 = Sunday
constexpr std::array<int, 12> kMonthLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kDaySeconds = 24 * 3600;
constexpr int kPowerOn = 7 * 3600;
constexpr int kShutdown = 22 * 3600;
// No task lies this close to the power-on time or to the shutdown, so that
// the start-up and the power-off are not a race the model would have to know.
constexpr int kQuietBefore = 10 * 60;
constexpr int kQuietAfter = 20 * 60;

struct Date {
  int month;  // 1 … 12
  int day;
};

Date dateOfDay(int dayOfYear) {
  int month = 0;
  while (dayOfYear >= kMonthLengths[static_cast<std::size_t>(month)]) {
    dayOfYear -= kMonthLengths[static_cast<std::size_t>(month)];
    ++month;
  }
  return {month + 1, dayOfYear + 1};
}

int weekdayOfDay(int dayOfYear) { return (kFirstWeekday + dayOfYear) % 7; }

// One task as the model sees it.
struct ModelTask {
  enum class Kind { Daily, Weekly, Monthly, Yearly, Once } kind;
  int second;                      // of the day
  std::array<bool, 7> weekdays{};  // weekly, by weekday (0 = Sunday)
  Date date{};                     // yearly and once: month and day; monthly: day
  bool occursOn(int dayOfYear) const {
    const Date today = dateOfDay(dayOfYear);
    switch (kind) {
      case Kind::Daily:
        return true;
      case Kind::Weekly:
        return weekdays[static_cast<std::size_t>(weekdayOfDay(dayOfYear))];
      case Kind::Monthly:
        return today.day == date.day;
      case Kind::Yearly:
      case Kind::Once:
        return today.month == date.month && today.day == date.day;
    }
    return false;
  }
};

std::string timeText(int second) {
  char text[16];
  std::snprintf(text, sizeof text, "%d:%02d:%02d", second / 3600, second / 60 % 60, second % 60);
  return text;
}

std::string scheduleText(const ModelTask& task) {
  const std::string month = std::to_string(task.date.month);
  const std::string day = std::to_string(task.date.day);
  switch (task.kind) {
    case ModelTask::Kind::Daily:
      return "每天";
    case ModelTask::Kind::Monthly:
      return "每月" + day + "日";
    case ModelTask::Kind::Yearly:
      return "每年" + month + "月" + day + "日";
    case ModelTask::Kind::Once:
      return "2027年" + month + "月" + day + "日";
    case ModelTask::Kind::Weekly:
      return "";
  }
  return "";
}

std::string taskLineOf(const ModelTask& task) {
  TaskFields fields;
  fields[TaskField::Time] = timeText(task.second);
  fields[TaskField::Status] = kEnabledWord;
  fields[TaskField::Schedule] = utf8ToGbk(scheduleText(task));
  constexpr std::array<TaskField, 7> kByWeekday{TaskField::Sunday,    TaskField::Monday,   TaskField::Tuesday,
                                                TaskField::Wednesday, TaskField::Thursday, TaskField::Friday,
                                                TaskField::Saturday};
  for (std::size_t weekday = 0; weekday < 7; ++weekday) {
    if (task.weekdays[weekday]) {
      const TaskField field = kByWeekday[weekday];
      fields[field] = kWeekdayWords[static_cast<std::size_t>(field) - static_cast<std::size_t>(TaskField::Monday)];
    }
  }
  return JoinTaskLine(fields);
}

class SimulatedYearTest : public testing::Test {
 protected:
  using Kind = ModelTask::Kind;

  // 40 tasks of each kind at random seconds outside the quiet times.
  void makeTasks() {
    std::uniform_int_distribution<int> second(0, kDaySeconds - 1), monthDay(1, 28), month(1, 12);
    for (int number = 0; number < 200; ++number) {
      ModelTask task{static_cast<Kind>(number % 5), 0};
      do task.second = second(random);
      while (quiet(task.second));
      for (bool& chosen : task.weekdays) chosen = std::bernoulli_distribution(0.4)(random);
      task.date = {month(random), monthDay(random)};
      tasks.push_back(task);
      taskBytes += taskLineOf(task) + "\r\n";
    }
  }
  static bool quiet(int second) {
    return (second >= kPowerOn - kQuietBefore && second < kPowerOn + kQuietAfter) ||
           (second >= kShutdown - kQuietBefore && second < kShutdown + kQuietAfter);
  }
  void writeFiles() {
    ASSERT_TRUE(files.writeFileFlushed(dir.path() / "task.dat", taskBytes));
    ASSERT_TRUE(files.writeFileFlushed(dir.path() / "wake.ini", kWakeIni));
  }

  // What the model says must run: every occurrence on a day with power-on
  // (not Sunday) between the power-on and the shutdown.
  std::set<std::pair<int, int>> modelRuns() const {
    std::set<std::pair<int, int>> runs;  // (task, day)
    for (int day = 0; day < kDays; ++day) {
      if (weekdayOfDay(day) == 0) continue;
      for (std::size_t task = 0; task < tasks.size(); ++task) {
        const ModelTask& model = tasks[task];
        if (model.occursOn(day) && model.second > kPowerOn && model.second < kShutdown) {
          runs.insert({static_cast<int>(task), day});
        }
      }
    }
    return runs;
  }

  // The whole day, from the alarm's start to the power-off.
  void liveDay(int day, const std::set<int>& due) {
    const int start = kPowerOn + std::uniform_int_distribution<int>(60, 13 * 60)(random);
    const int drift =
        std::uniform_int_distribution<int>(1, 5)(random) * (std::bernoulli_distribution()(random) ? 1 : -1);
    startOfDay = yearStart.addMilliseconds(std::int64_t{day} * kDaySeconds * 1000);
    world = std::make_unique<SimWorld>(dir.path(), at(start + drift));
    world->time().setRandomJitter(900, static_cast<std::uint32_t>(random()));
    SimTimeServer server;
    server.kind = SimTimeServer::Kind::Clock;
    server.utcAtStart = at(start).addMilliseconds(-8 * 3600 * 1000);
    world->network().addServer("time.example", server);
    program = std::make_unique<Program>(world->platform(), world->ui());
    world->run(1, [this] { program->start(); });
    if (weekdayOfDay(day) == 0) {
      world->run(20 * 60);  // the start-up check switches the PC off again
    } else {
      std::optional<int> sleepAt = plannedSleep(due);
      for (const int second : due) {
        if (sleepAt && *sleepAt < second) sleep(*std::exchange(sleepAt, std::nullopt));
        advanceTo(second + 5);
      }
      if (sleepAt) sleep(*sleepAt);
      advanceTo(kShutdown - 5);
      world->run(90);  // the countdown of the daily shutdown
    }
    EXPECT_EQ(world->log().count("ExitWindowsEx"), 1) << "day " << day;
    collectRuns(day);
    program.reset();
    world.reset();
  }

  // On about every third day, a moment to sleep that is not just before or
  // after a task.
  std::optional<int> plannedSleep(const std::set<int>& due) {
    if (std::uniform_int_distribution<int>(0, 2)(random) != 0) return std::nullopt;
    const int moment = std::uniform_int_distribution<int>(9 * 3600, 20 * 3600)(random);
    const auto next = due.lower_bound(moment - 5);
    if (next != due.end() && *next <= moment + 10) return std::nullopt;
    return moment;
  }
  void sleep(int moment) {
    advanceTo(moment);
    world->sleep(std::uniform_int_distribution<int>(5 * 60, 8 * 3600)(random));
    ++sleeps;
  }

  DateTime at(int secondOfDay) const { return startOfDay.addMilliseconds(std::int64_t{secondOfDay} * 1000); }
  int now() const {
    return static_cast<int>((world->time().localNow().totalMilliseconds() - startOfDay.totalMilliseconds()) / 1000);
  }
  // Runs the program until its clock reads this second of the day (the
  // clock may be set back on the way); a longer stretch passes with its
  // timers held back up to 15 seconds before it.
  void advanceTo(int second) {
    if (second - now() > 30) world->time().sleep(std::int64_t{second - 15 - now()} * 1000);
    while (now() < second) world->run(second - now());
  }

  // The tasks run before the PC was switched off: what the simulation logs
  // after that did not happen.
  void collectRuns(int day) {
    for (const std::string& line : world->log().lines()) {
      if (line.compare(24, 13, "ExitWindowsEx") == 0) return;
      if (line.compare(24, 9, "dodo row=") != 0) continue;
      const DateTime stamp = parseDateTime(line.substr(0, 19)).value();
      ran[{std::stoi(line.substr(33)) - 1, day}].push_back(
          static_cast<int>((stamp.totalMilliseconds() - startOfDay.totalMilliseconds()) / 1000));
    }
  }

  const DateTime yearStart = dateTime("2027-01-01 00:00:00");
  const std::string kWakeIni =
      "[wake]\r\net=1\r\n[power]\r\nevreyday=0\r\nw1=0\r\nw2=1\r\nw3=1\r\nw4=1\r\nw5=1\r\nw6=1\r\nw7=1\r\n"
      "h=7\r\nm=0\r\ns=0\r\n[close]\r\nh=22\r\nm=0\r\ns=0\r\n[time]\r\nenabled=1\r\nserver=time.example\r\n";
  TempDir dir;
  SimFiles files{dir.path()};
  std::mt19937 random{2027};
  std::vector<ModelTask> tasks;
  std::string taskBytes;
  DateTime startOfDay;
  std::unique_ptr<SimWorld> world;
  std::unique_ptr<Program> program;
  std::map<std::pair<int, int>, std::vector<int>> ran;  // (task, day) -> the seconds it ran at
  int sleeps = 0;
};

TEST_F(SimulatedYearTest, EveryOccurrenceInTheHoursThePcIsOnRunsExactlyOnce) {
  makeTasks();
  writeFiles();
  const std::set<std::pair<int, int>> due = modelRuns();
  for (int day = 0; day < kDays; ++day) {
    std::set<int> seconds;
    for (const auto& [task, dueDay] : due) {
      if (dueDay == day) seconds.insert(tasks[static_cast<std::size_t>(task)].second);
    }
    liveDay(day, seconds);
  }

  int lost = 0, doubled = 0, late = 0, unexpected = 0;
  for (const auto& [task, day] : due) {
    const std::vector<int>& seconds = ran[{task, day}];
    lost += seconds.empty();
    doubled += seconds.size() > 1;
    for (const int second : seconds) {
      const int dueSecond = tasks[static_cast<std::size_t>(task)].second;
      late += second < dueSecond || second > dueSecond + 3;
    }
  }
  for (const auto& [run, seconds] : ran) unexpected += due.count(run) == 0 && !seconds.empty();
  std::printf("simulated year: %zu occurrences due, %zu ran, %d lost, %d doubled, %d late, %d unexpected, %d sleeps\n",
              due.size(), due.size() - static_cast<std::size_t>(lost), lost, doubled, late, unexpected, sleeps);
  EXPECT_EQ(lost, 0);
  EXPECT_EQ(doubled, 0);
  EXPECT_EQ(late, 0);
  EXPECT_EQ(unexpected, 0);
  EXPECT_GT(sleeps, 50);

  // No file was damaged and no save was left half done.
  EXPECT_EQ(files.readFile(dir.path() / "task.dat"), taskBytes);
  IniSettings settings = wakeSettings(files);
  EXPECT_EQ(settings.read(wake_ini::kShutdownHour), "22");
  EXPECT_EQ(settings.read(wake_ini::kClockServer), "time.example");
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    EXPECT_NE(entry.path().extension(), ".tmp");
    EXPECT_NE(entry.path().extension(), ".new");
  }
}

}  // namespace
}  // namespace orvane
