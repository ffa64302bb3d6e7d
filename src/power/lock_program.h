#pragma once
// The companion lock program: "\deskward.exe" beside the executable, started
// to lock the computer, and the settings file "\deskward.ini" in the Windows
// system directory that this program writes and the lock program reads.

#include <filesystem>
#include <string>

namespace orvane {

class FileSystem;
class ShellApi;

// The section of "\deskward.ini" that holds the shared settings, and the key
// of the scrambled password that unlocks the computer.
inline constexpr const char* kLockSettingsSection = "Option";
inline constexpr const char* kStoredPasswordKey = "pword";

// The full path of the lock program, GBK.
std::string lockProgramPath(const FileSystem& files);
// Starts the lock program ("open", no parameters, no working directory,
// shown normally); the result is not examined and nothing is waited for.
void startLockProgram(ShellApi& shell, const FileSystem& files);

std::filesystem::path lockSettingsPath(const FileSystem& files);
// The scrambled password as stored; empty when none was ever set.
std::string readStoredPassword(FileSystem& files);

}  // namespace orvane
