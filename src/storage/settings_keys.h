#pragma once
// The key table of "\wake.ini" beside the executable: section, key and the
// default a reader gets when the key is missing. There is no settings
// object: each reader opens the file when it needs a value
// (wakeSettings(files).read(wake_ini::kStartInTray)), each writer writes its
// key at once. The keys of "\deskward.ini" are in storage/lock_settings.h.

#include <array>
#include <string>
#include <string_view>

#include "storage/ini_settings.h"

namespace orvane {

class FileSystem;

IniSettings wakeSettings(FileSystem& files);  // "\wake.ini"

namespace wake_ini {

// Start with Windows as the NT family remembers it ("随系统启动").
inline constexpr SettingKey kStartWithWindows{"autorun", "run", "0"};
// Start hidden as a tray icon ("软件运行时缩小为托盘图标").
inline constexpr SettingKey kStartInTray{"tray", "tray", "0"};

// The weekly power-on plan: every day ("每天", the key is spelled so) and
// each weekday, "w1" Sunday … "w7" Saturday.
inline constexpr SettingKey kPowerEveryDay{"power", "evreyday", "0"};
inline constexpr std::array<SettingKey, 7> kPowerOnWeekday{{
    {"power", "w1", "0"},
    {"power", "w2", "0"},
    {"power", "w3", "0"},
    {"power", "w4", "0"},
    {"power", "w5", "0"},
    {"power", "w6", "0"},
    {"power", "w7", "0"},
}};
// The daily power-on time. The main window reads "0" for a missing value;
// the start-up power-on check and the wizard read it with an empty default.
inline constexpr SettingKey kPowerOnHour{"power", "h", "0"};
inline constexpr SettingKey kPowerOnMinute{"power", "m", "0"};
inline constexpr SettingKey kPowerOnSecond{"power", "s", "0"};
// The daily shutdown time.
inline constexpr SettingKey kShutdownHour{"close", "h", "0"};
inline constexpr SettingKey kShutdownMinute{"close", "m", "0"};
inline constexpr SettingKey kShutdownSecond{"close", "s", "0"};

// The power-on wizard's test run: its state ("0", "1", "2") and time.
inline constexpr SettingKey kTestRunState{"test", "test", "0"};
inline constexpr SettingKey kTestRunHour{"test", "h", "0"};
inline constexpr SettingKey kTestRunMinute{"test", "m", "0"};
inline constexpr SettingKey kTestRunSecond{"test", "s", "0"};

// The board profile: "et" is "1" once it was chosen; the others are CMOS
// register numbers of the alarm (empty until chosen).
inline constexpr SettingKey kBoardChosen{"wake", "et", ""};
inline constexpr std::array<SettingKey, 8> kBoardRegisters{{
    {"wake", "et11", ""},
    {"wake", "et21", ""},
    {"wake", "et31", ""},
    {"wake", "et41", ""},
    {"wake", "et51", ""},
    {"wake", "et61", ""},
    {"wake", "et71", ""},
    {"wake", "et88", ""},
}};

// Clock synchronisation after start, and the time server last fetched from;
// its default is the second entry of the clock window's server list
// (clocksync/time_servers.h checks that they agree).
inline constexpr SettingKey kClockAutoSync{"time", "enabled", "0"};
inline constexpr SettingKey kClockServer{"time", "server", "time.nist.gov"};

// The last dial-up choice.
inline constexpr SettingKey kDialEntryName{"Last", "EntryName", ""};
inline constexpr SettingKey kDialUserName{"Last", "UserName", ""};
inline constexpr SettingKey kDialPassword{"Last", "Password", ""};
inline constexpr SettingKey kDialSavePassword{"Last", "SavePW", "0"};
inline constexpr SettingKey kDialAutomatically{"Last", "AutoC", "0"};
// Saved dial-up passwords: section "RAS_ENTRY_" + entry, key "USER_" + user.
inline constexpr std::string_view kDialEntrySectionPrefix = "RAS_ENTRY_";
inline constexpr std::string_view kDialUserKeyPrefix = "USER_";
inline constexpr std::string_view kDialSavedPasswordFallback = "*";

}  // namespace wake_ini

}  // namespace orvane
