#include "dailypower/daily_schedule.h"

#include <algorithm>

#include "storage/settings_keys.h"

namespace orvane {

namespace {

// The boxes in the order their keys are read and written: "每天", then
// "星期一" ("w2") … "星期六" ("w7"), then "星期日" ("w1").
constexpr std::array<std::size_t, 7> kWeekdayKeyIndex{1, 2, 3, 4, 5, 6, 0};

constexpr TimeKeys kPowerOnKeys{wake_ini::kPowerOnHour, wake_ini::kPowerOnMinute, wake_ini::kPowerOnSecond};
constexpr TimeKeys kShutdownKeys{wake_ini::kShutdownHour, wake_ini::kShutdownMinute, wake_ini::kShutdownSecond};

}  // namespace

TimeFields readTimeFields(const IniSettings& file, const TimeKeys& keys) {
  TimeFields fields;
  for (std::size_t index = 0; index < keys.size(); ++index) fields[index] = file.read(keys[index]);
  return fields;
}

void writeTimeFields(IniSettings& file, const TimeKeys& keys, const TimeFields& fields) {
  for (std::size_t index = 0; index < keys.size(); ++index) file.write(keys[index], fields[index]);
}

TimeFields savedShutdownTime(FileSystem& files) { return readTimeFields(wakeSettings(files), kShutdownKeys); }

void DailySchedule::load() {
  const IniSettings file = wakeSettings(files_);
  fields_.everyDay = file.isOn(wake_ini::kPowerEveryDay);
  for (std::size_t box = 0; box < kWeekdayKeyIndex.size(); ++box) {
    fields_.weekdays[box] = file.isOn(wake_ini::kPowerOnWeekday[kWeekdayKeyIndex[box]]);
  }
  fields_.powerOn = readTimeFields(file, kPowerOnKeys);
  fields_.shutdown = readTimeFields(file, kShutdownKeys);
}

bool DailySchedule::save() {
  if (saveSteps_.computeNextWake) saveSteps_.computeNextWake();
  IniSettings file = wakeSettings(files_);
  file.writeFlag(wake_ini::kPowerEveryDay, fields_.everyDay);
  for (std::size_t box = 0; box < kWeekdayKeyIndex.size(); ++box) {
    file.writeFlag(wake_ini::kPowerOnWeekday[kWeekdayKeyIndex[box]], fields_.weekdays[box]);
  }
  // Compared as text: a stored "07" against a field showing "7" is a change.
  if (readTimeFields(file, kPowerOnKeys) != fields_.powerOn) {
    writeTimeFields(file, kPowerOnKeys, fields_.powerOn);
    if (saveSteps_.openPowerOnWizard) saveSteps_.openPowerOnWizard();
  }
  writeTimeFields(file, kShutdownKeys, fields_.shutdown);
  return fields_.everyDay || std::any_of(fields_.weekdays.begin(), fields_.weekdays.end(), [](bool on) { return on; });
}

}  // namespace orvane
