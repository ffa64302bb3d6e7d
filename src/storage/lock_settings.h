#pragma once
// "\deskward.ini" in the Windows system directory: the settings that this
// program writes and the companion lock program reads, in section "Option".
// The password is stored scrambled (storage/password_scramble.h).

#include <filesystem>
#include <string>

#include "storage/ini_settings.h"

namespace orvane {

class FileSystem;

namespace deskward_ini {

inline constexpr std::string_view kSection = "Option";
// The scrambled password that unlocks the computer and opens the settings.
inline constexpr SettingKey kPassword{kSection, "pword", ""};
// Lock the computer whenever the program starts ("软件运行时锁定计算机").
inline constexpr SettingKey kLockAtStart{kSection, "run", "0"};
// Changing settings needs the password ("更改设置需输入设定密码").
inline constexpr SettingKey kSettingsNeedPassword{kSection, "lock", "0"};

}  // namespace deskward_ini

std::filesystem::path lockSettingsPath(const FileSystem& files);
IniSettings lockSettings(FileSystem& files);
// The scrambled password as stored; empty when none was ever set.
std::string readStoredPassword(FileSystem& files);

}  // namespace orvane
