#pragma once
// The power-on wizard composed into a stand-in main window with the power
// and daily power systems, against the simulated Windows, with the CMOS
// alarm recorded as the wizard calls it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/gbk.h"
#include "dailypower/daily_power_fixture.h"
#include "wakeup/power_on_alarm_api.h"
#include "wakeup/power_on_wizard.h"

namespace orvane::test {

class RecordingAlarm : public PowerOnAlarmApi {
 public:
  void SetPowerOnAlarm(int hour, int minute) override {
    calls.push_back("set " + std::to_string(hour) + ":" + std::to_string(minute));
  }
  void ClearPowerOnAlarm() override { calls.push_back("clear"); }

  std::vector<std::string> calls;
};

class WizardWindow : public DailyPowerWindow {
 public:
  WizardWindow(Platform& platform, Ui& ui, PowerOnAlarmApi& alarm)
      : DailyPowerWindow(platform, ui), wizard(platform, ui, power, daily, alarm) {}

  PowerOnWizard wizard;
};

class WizardTest : public testing::Test {
 protected:
  void put(const std::string& wakeIni) {
    ASSERT_TRUE(world().files().writeFileFlushed(dir.path() / "wake.ini", utf8ToGbk(wakeIni)));
  }
  std::string wakeIni() { return gbkToUtf8(world().files().readFile(dir.path() / "wake.ini").value_or("<missing>")); }

  // A fresh program, started at `when` and run for `seconds`.
  void start(const char* when, double seconds = 2) {
    program_.reset();
    world_ = std::make_unique<SimWorld>(dir.path(), parseDateTime(when).value());
    program_ = std::make_unique<WizardWindow>(world_->platform(), world_->ui(), alarm);
    world_->run(seconds, [this] { program_->start(); });
  }

  // The log's events that start with `prefix`, without their stamps.
  std::vector<std::string> events(std::string_view prefix) {
    std::vector<std::string> found;
    for (const std::string& event : world().log().events()) {
      if (event.compare(0, prefix.size(), prefix) == 0) found.push_back(event);
    }
    return found;
  }

  SimWorld& world() { return *world_; }
  WizardWindow& main() { return *program_; }

  TempDir dir;
  RecordingAlarm alarm;

 private:
  std::unique_ptr<SimWorld> world_ = std::make_unique<SimWorld>(dir.path(), DateTime());
  std::unique_ptr<WizardWindow> program_;
};

}  // namespace orvane::test
