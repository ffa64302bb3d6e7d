#pragma once
// Simulated shell and process list. Shell starts, sounds and terminations
// are recorded; the process list comes from the test or from processes.txt.
// A hidden command line "INTERPRETER /C PROGRAM > OUTPUT" runs PROGRAM as
// the 16-bit ROM dump program: OUTPUT receives the simulated BIOS ROM.

#include <vector>

#include "platform/shell.h"

namespace orvane {

class EventLog;
class SimBiosMemory;
class SimFiles;

class SimShell : public ShellApi {
 public:
  SimShell(EventLog& log, SimFiles& files, const SimBiosMemory& memory) : log_(log), files_(files), memory_(memory) {}

  void setProcesses(std::vector<ProcessEntry> processes) { processes_ = std::move(processes); }
  // Reads "PID EXECUTABLE-PATH" lines (GBK); other lines are passed over.
  void loadProcesses(const std::string& text);
  const std::vector<ProcessEntry>& processes() const { return processes_; }
  // The bytes of the last program run through the command interpreter.
  const std::string& lastDosProgram() const { return lastDosProgram_; }

  void shellExecute(const std::string& verb, const std::string& file, const std::string& directory) override;
  void winExec(const std::string& commandLine) override;
  bool runHidden(const std::string& commandLine) override;
  std::vector<ProcessEntry> processSnapshot() override { return processes_; }
  bool terminateProcess(std::uint32_t pid) override;
  void playSound(const std::string& file, std::uint32_t flags) override;
  void showHelpTopic(const std::string& file, const std::string& topic) override;

 private:
  EventLog& log_;
  SimFiles& files_;
  const SimBiosMemory& memory_;
  std::vector<ProcessEntry> processes_;
  std::string lastDosProgram_;
};

}  // namespace orvane
