#include "app/settings_keys.h"

#include "platform/files.h"

namespace orvane {

IniSettings wakeSettings(FileSystem& files) { return IniSettings(files, files.programDirectory() / "wake.ini"); }

IniSettings lockSettings(FileSystem& files) { return IniSettings(files, lockSettingsPath(files)); }

std::string readSetting(const IniSettings& file, const SettingKey& key) {
  return file.read(key.section, key.key, key.fallback);
}

bool readSettingFlag(const IniSettings& file, const SettingKey& key) { return readSetting(file, key) == "1"; }

void writeSetting(IniSettings& file, const SettingKey& key, std::string_view value) {
  file.write(key.section, key.key, value);
}

void writeSettingFlag(IniSettings& file, const SettingKey& key, bool on) { writeSetting(file, key, on ? "1" : "0"); }

}  // namespace orvane
