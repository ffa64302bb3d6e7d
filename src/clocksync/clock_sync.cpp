#include "clocksync/clock_sync.h"

#include "clocksync/clock_form.h"
#include "clocksync/time_client.h"
#include "storage/settings_keys.h"

namespace orvane {

void ClockSync::openClockWindow() {
  ClockForm form(platform_, ui_);
  form.showModally();
}

void ClockSync::synchroniseAfterStart() {
  const IniSettings settings = wakeSettings(platform_.files);
  if (!settings.isOn(wake_ini::kClockAutoSync)) return;
  const DateTime utc = fetchUtcTime(platform_.sockets, platform_.clock, settings.read(wake_ini::kClockServer));
  if (isPlausibleServerTime(utc)) platform_.clock.setSystemTime(utc);
}

}  // namespace orvane
