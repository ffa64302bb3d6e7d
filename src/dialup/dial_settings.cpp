#include "dialup/dial_settings.h"

#include "common/gbk.h"
#include "dialup/dial_password.h"
#include "platform/clock.h"
#include "storage/settings_keys.h"

namespace orvane {

namespace {

constexpr std::size_t kShownUserLength = 100;

std::string entrySection(std::string_view entryName) {
  return std::string(wake_ini::kDialEntrySectionPrefix) + EscapeIniName(entryName);
}

}  // namespace

std::string EscapeIniName(std::string_view name) {
  std::string escaped;
  for (const char byte : trimBlanks(name)) {
    switch (byte) {
      case ' ':
        escaped += '_';
        break;
      case '=':
        escaped += "\\-";
        break;
      case '@':
        escaped += "\\A";
        break;
      case '\\':
        escaped += "\\\\";
        break;
      case '_':
        escaped += "\\_";
        break;
      default:
        escaped += byte;
    }
  }
  return escaped;
}

std::vector<std::string> SavedDialUsers(const IniSettings& settings, std::string_view entryName) {
  const std::string_view prefix = wake_ini::kDialUserKeyPrefix;
  std::vector<std::string> users;
  for (const std::string& key : settings.keys(entrySection(entryName))) {
    if (key.compare(0, prefix.size(), prefix) == 0) users.push_back(key.substr(prefix.size(), kShownUserLength));
  }
  return users;
}

std::string SavedDialPassword(const IniSettings& settings, std::string_view entryName, std::string_view userName) {
  return settings.read(entrySection(entryName), std::string(wake_ini::kDialUserKeyPrefix) + EscapeIniName(userName),
                       wake_ini::kDialSavedPasswordFallback);
}

void SaveDialSettings(IniSettings& settings, ClockApi& clock, const DialChoice& choice) {
  settings.write(wake_ini::kDialEntryName, choice.entryName);
  settings.write(wake_ini::kDialUserName, choice.userName);
  settings.writeFlag(wake_ini::kDialAutomatically, choice.autoDial);
  if (!choice.savePassword) {
    settings.write(wake_ini::kDialPassword, "");
    settings.writeFlag(wake_ini::kDialSavePassword, false);
    return;
  }
  settings.write(wake_ini::kDialPassword, EncodeDialPassword(choice.password, clock.tickCount()));
  settings.writeFlag(wake_ini::kDialSavePassword, true);
  const std::string entry = EscapeIniName(choice.entryName);
  const std::string user = EscapeIniName(choice.userName);
  if (entry.empty() || user.empty()) return;
  settings.write(std::string(wake_ini::kDialEntrySectionPrefix) + entry,
                 std::string(wake_ini::kDialUserKeyPrefix) + user,
                 EncodeDialPassword(choice.password, clock.tickCount()));
}

}  // namespace orvane
