#pragma once
// Shell and processes: starting documents and programs, the process list,
// ending a process and playing a sound. Paths and names are GBK.

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

struct ProcessEntry {
  std::uint32_t pid = 0;
  std::string executable;  // as the snapshot reports it: a bare name or a full path
};

class ShellApi {
 public:
  virtual ~ShellApi() = default;

  // ShellExecuteA(main window, verb, file, no parameters, directory or none,
  // SW_SHOWNORMAL); the result is not examined by any caller.
  virtual void shellExecute(const std::string& verb, const std::string& file, const std::string& directory) = 0;
  // WinExec(commandLine, SW_SHOWNORMAL).
  virtual void winExec(const std::string& commandLine) = 0;
  // Runs the command line as a hidden process (show window off, its own new
  // console and process group) and waits until it ends; false when it could
  // not be started.
  virtual bool runHidden(const std::string& commandLine) = 0;
  // The tool-help process snapshot; empty where the system lacks it.
  virtual std::vector<ProcessEntry> processSnapshot() = 0;
  // OpenProcess(PROCESS_TERMINATE) and TerminateProcess(handle, 0).
  virtual bool terminateProcess(std::uint32_t pid) = 0;
  // sndPlaySoundA(file, flags).
  virtual void playSound(const std::string& file, std::uint32_t flags) = 0;
  // HtmlHelpA(main window, file, HH_DISPLAY_TOPIC, topic): the compiled
  // help file opened at one of its pages. A missing file shows nothing.
  virtual void showHelpTopic(const std::string& file, const std::string& topic) = 0;
};

}  // namespace orvane
