#include "power/lock_program.h"

#include "platform/files.h"
#include "platform/shell.h"

namespace orvane {

std::string lockProgramPath(const FileSystem& files) { return files.programDirectoryText() + "\\deskward.exe"; }

void startLockProgram(ShellApi& shell, const FileSystem& files) {
  shell.shellExecute("open", lockProgramPath(files), "");
}

}  // namespace orvane
