#include "platform/sim/sim_shell.h"

#include <algorithm>
#include <sstream>

#include "platform/sim/event_log.h"
#include "platform/sim/sim_bios_memory.h"
#include "platform/sim/sim_files.h"

namespace orvane {

void SimShell::loadProcesses(const std::string& text) {
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream fields(line);
    std::uint32_t pid = 0;
    std::string path;
    if (!(fields >> pid)) continue;
    std::getline(fields >> std::ws, path);
    if (!path.empty()) processes_.push_back({pid, path});
  }
}

void SimShell::shellExecute(const std::string& verb, const std::string& file, const std::string& directory) {
  log_.add("ShellExecute verb=" + verb + " file=" + quotedGbk(file) + " dir=" + quotedGbk(directory));
}

void SimShell::winExec(const std::string& commandLine) {
  log_.add("WinExec cmd=" + quotedGbk(commandLine) + " show=1");
}

// The interpreter makes the redirected output file first; the program then
// writes the ROM into it (nothing when there is no ROM or no program).
bool SimShell::runHidden(const std::string& commandLine) {
  log_.add("CreateProcess cmd=" + quotedGbk(commandLine) + " show=0");
  const auto run = commandLine.find(" /C ");
  const auto redirect = commandLine.find(" > ", run);
  if (run == std::string::npos || redirect == std::string::npos) return true;
  const std::string program = commandLine.substr(run + 4, redirect - run - 4);
  lastDosProgram_ = files_.readFile(files_.fromWindowsPath(program)).value_or("");
  const std::vector<std::uint8_t>& rom = lastDosProgram_.empty() ? std::vector<std::uint8_t>() : memory_.rom();
  files_.writeFileFlushed(files_.fromWindowsPath(commandLine.substr(redirect + 3)),
                          std::string(rom.begin(), rom.end()));
  return true;
}

bool SimShell::terminateProcess(std::uint32_t pid) {
  auto found = std::find_if(processes_.begin(), processes_.end(), [&](const ProcessEntry& p) { return p.pid == pid; });
  if (found == processes_.end()) {
    log_.add("TerminateProcess pid=" + std::to_string(pid) + " -> failed");
    return false;
  }
  processes_.erase(found);
  log_.add("TerminateProcess pid=" + std::to_string(pid));
  return true;
}

void SimShell::playSound(const std::string& file, std::uint32_t flags) {
  const bool exists = files_.fileExists(files_.fromWindowsPath(file));
  log_.add("sndPlaySound file=" + quotedGbk(file) + " flags=" + std::to_string(flags) + (exists ? "" : " -> missing"));
}

// command 0 is HH_DISPLAY_TOPIC.
void SimShell::showHelpTopic(const std::string& file, const std::string& topic) {
  log_.add("HtmlHelp file=" + quotedGbk(file) + " topic=" + quotedGbk(topic) + " command=0");
}

}  // namespace orvane
