#include "wakeup/power_on_wizard.h"

#include "dailypower/daily_power_system.h"
#include "power/power_system.h"
#include "wakeup/power_on_wizard_form.h"

namespace orvane {

PowerOnWizard::PowerOnWizard(Platform& platform, Ui& ui, PowerSystem& power, DailyPowerSystem& dailyPower,
                             PowerOnAlarmApi& alarm)
    : platform_(platform), ui_(ui), power_(power), alarm_(alarm), testRun_(platform, ui, power, [this] { open(); }) {
  dailyPower.dailySchedule().saveSteps().openPowerOnWizard = [this] { open(); };
  dailyPower.startupPowerCheck().setContinueTestRun([this] { return testRun_.continueTestRun(); });
}

void PowerOnWizard::open() {
  PowerOnWizardForm wizard(ui_, platform_, power_.countdownRequest(), alarm_);
  ui_.showModal(wizard);
}

}  // namespace orvane
