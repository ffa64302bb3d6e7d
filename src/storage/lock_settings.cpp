#include "storage/lock_settings.h"

#include "platform/files.h"

namespace orvane {

std::filesystem::path lockSettingsPath(const FileSystem& files) { return files.systemDirectory() / "deskward.ini"; }

IniSettings lockSettings(FileSystem& files) { return IniSettings(files, lockSettingsPath(files)); }

std::string readStoredPassword(FileSystem& files) { return lockSettings(files).read(deskward_ini::kPassword); }

}  // namespace orvane
