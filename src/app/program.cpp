#include "app/program.h"

#include "storage/settings_keys.h"

namespace orvane {

namespace {
constexpr std::string_view kTrayPrefix = "tray/";
}

Program::Program(Platform& platform, Ui& ui) : platform_(platform), ui_(ui), mainForm_(platform, ui) {}

void Program::start() {
  // One copy runs the schedule: a second start only brings the running
  // copy's main window to the front, so no task fires twice.
  if (!platform_.system.claimRunningCopy()) {
    ui_.trace("second-instance");
    platform_.system.showRunningCopy();
    ui_.quit();
    return;
  }
  const bool startInTray = wakeSettings(platform_.files).isOn(wake_ini::kStartInTray);
  mainForm_.advancedPage().options().startInTray = startInTray;
  ui_.showModeless(mainForm_);
  mainForm_.FormCreate();
  if (!startInTray) mainForm_.showFromTray();
}

MenuItem* Program::findMenuEntry(std::string_view path) {
  if (path.substr(0, kTrayPrefix.size()) == kTrayPrefix) {
    return mainForm_.trayMenu().find(path.substr(kTrayPrefix.size()));
  }
  return mainForm_.menuBar().find(path);
}

}  // namespace orvane
