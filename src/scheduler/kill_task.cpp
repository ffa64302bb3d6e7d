#include "scheduler/kill_task.h"

#include <string>

#include "common/gbk.h"
#include "common/windows_path.h"
#include "platform/shell.h"

namespace orvane {

namespace {

// A snapshot lists either a bare file name or a full path, depending on the
// system, so both are compared.
bool executableIs(const std::string& executable, const std::string& upperName) {
  return asciiUpper(fileNamePart(executable)) == upperName || asciiUpper(executable) == upperName;
}

}  // namespace

int KillTask(ShellApi& shell, std::string_view name) {
  const std::string upperName = asciiUpper(name);
  int result = 0;
  for (const ProcessEntry& process : shell.processSnapshot()) {
    if (executableIs(process.executable, upperName)) result = shell.terminateProcess(process.pid) ? 1 : 0;
  }
  return result;
}

}  // namespace orvane
