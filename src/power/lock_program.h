#pragma once
// The companion lock program: "\deskward.exe" beside the executable, started
// to lock the computer. The settings it shares with this program are in
// storage/lock_settings.h.

#include <string>

namespace orvane {

class FileSystem;
class ShellApi;

// The full path of the lock program, GBK.
std::string lockProgramPath(const FileSystem& files);
// Starts the lock program ("open", no parameters, no working directory,
// shown normally); the result is not examined and nothing is waited for.
void startLockProgram(ShellApi& shell, const FileSystem& files);

}  // namespace orvane
