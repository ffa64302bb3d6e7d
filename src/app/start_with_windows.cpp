#include "app/start_with_windows.h"

#include "app/registry_values.h"
#include "storage/settings_keys.h"

namespace orvane {

void StartWithWindows::migrate() {
  if (!ntFamily()) {
    platform_.files.removeFile(platform_.files.programDirectory() / "Velmora.exe");
    return;
  }
  RegistryApi& registry = platform_.registry;
  if (!readRegistryValue(registry, RegistryRoot::LocalMachine, kRunKey, kMachineRunValue).empty()) {
    registry.deleteValue(RegistryRoot::LocalMachine, kRunKey, kMachineRunValue);
    IniSettings settings = wakeSettings(platform_.files);
    settings.writeFlag(wake_ini::kStartWithWindows, true);
  }
  if (isOn() && !logonEntryCurrent()) {
    registry.writeString(RegistryRoot::CurrentUser, kRunKey, kUserRunValue, logonCommand());
  }
}

bool StartWithWindows::isOn() {
  if (ntFamily()) return wakeSettings(platform_.files).isOn(wake_ini::kStartWithWindows);
  return !readRegistryValue(platform_.registry, RegistryRoot::LocalMachine, kRunKey, kMachineRunValue).empty();
}

void StartWithWindows::set(bool on) {
  if (!ntFamily()) {
    setRunValue(RegistryRoot::LocalMachine, kMachineRunValue, on ? platform_.files.executablePath() : "");
    return;
  }
  IniSettings settings = wakeSettings(platform_.files);
  settings.writeFlag(wake_ini::kStartWithWindows, on);
  setRunValue(RegistryRoot::CurrentUser, kUserRunValue, on ? logonCommand() : "");
}

void StartWithWindows::setRunValue(RegistryRoot root, const std::string& value, const std::string& command) {
  if (command.empty()) {
    platform_.registry.deleteValue(root, kRunKey, value);
  } else {
    writeRegistryValue(platform_.registry, root, kRunKey, value, command);
  }
}

std::string StartWithWindows::logonCommand() const { return "\"" + platform_.files.executablePath() + "\""; }

bool StartWithWindows::logonEntryCurrent() {
  return readRegistryValue(platform_.registry, RegistryRoot::CurrentUser, kRunKey, kUserRunValue) == logonCommand();
}

}  // namespace orvane
