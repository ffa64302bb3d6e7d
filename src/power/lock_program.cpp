#include "power/lock_program.h"

#include "common/ini_settings.h"
#include "platform/files.h"
#include "platform/shell.h"

namespace orvane {

std::string lockProgramPath(const FileSystem& files) { return files.programDirectoryText() + "\\deskward.exe"; }

void startLockProgram(ShellApi& shell, const FileSystem& files) {
  shell.shellExecute("open", lockProgramPath(files), "");
}

std::filesystem::path lockSettingsPath(const FileSystem& files) { return files.systemDirectory() / "deskward.ini"; }

std::string readStoredPassword(FileSystem& files) {
  return IniSettings(files, lockSettingsPath(files)).read(kLockSettingsSection, kStoredPasswordKey, "");
}

}  // namespace orvane
