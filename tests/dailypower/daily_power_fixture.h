#pragma once
// The daily power schedule composed into a stand-in main window with the
// power system, against the simulated Windows: files put in place before the
// start, the start at a chosen time, and what the log and the files hold
// afterwards.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/gbk.h"
#include "dailypower/daily_power_system.h"
#include "platform/sim/sim_world.h"
#include "power/power_system.h"
#include "test_support/parts_window.h"
#include "test_support/temp_dir.h"

namespace orvane::test {

class DailyPowerWindow : public PartsWindow {
 public:
  DailyPowerWindow(Platform& platform, Ui& ui)
      : PartsWindow(ui), power(platform, ui, parts), daily(platform, ui, parts, power) {
    parts.add(power);
    parts.add(daily);
  }
  void start() {
    ui().showModeless(*this);
    parts.startUp();
  }
  DailySchedule& dailySchedule() { return daily.dailySchedule(); }
  PowerOnDates& powerOnDates() { return daily.powerOnDates(); }
  StartupPowerCheck& startupPowerCheck() { return daily.startupPowerCheck(); }
  CountdownRequest& countdownRequest() { return power.countdownRequest(); }

  PowerSystem power;
  DailyPowerSystem daily;
};

class DailyPowerTest : public testing::Test {
 protected:
  // Writes a file of the program's directory; UTF-8 text is stored as GBK.
  void put(const char* name, const std::string& utf8) {
    ASSERT_TRUE(world().files().writeFileFlushed(dir.path() / name, utf8ToGbk(utf8)));
  }
  std::optional<std::string> file(const char* name) { return world().files().readFile(dir.path() / name); }
  std::string fileUtf8(const char* name) { return gbkToUtf8(file(name).value_or("<missing>")); }

  // A fresh program, started at `when` and run for `seconds`.
  void start(const char* when, double seconds = 2, int jitterMs = 0) {
    program_.reset();
    world_ = std::make_unique<SimWorld>(dir.path(), parseDateTime(when).value());
    world_->time().setJitter(jitterMs);
    program_ = std::make_unique<DailyPowerWindow>(world_->platform(), world_->ui());
    world_->run(seconds, [this] { program_->start(); });
  }
  // Runs a handler as the general error handler does.
  void handle(const std::function<void()>& handler) { world().ui().runHandler(handler); }

  SimWorld& world() { return *world_; }
  DailyPowerWindow& main() { return *program_; }
  int countdowns() { return world().log().count("open TForm4"); }

  TempDir dir;

 private:
  std::unique_ptr<SimWorld> world_ = std::make_unique<SimWorld>(dir.path(), DateTime());
  std::unique_ptr<DailyPowerWindow> program_;
};

}  // namespace orvane::test
