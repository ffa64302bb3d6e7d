#pragma once
// Shell and processes on the real Windows. Paths and names are GBK and are
// converted with code page 936 at this boundary, so that the wide (W)
// functions receive them right on a Windows of any language.

#include <windows.h>

#include <functional>

#include "platform/shell.h"

namespace orvane {

class Win32Shell : public ShellApi {
 public:
  // `ownerWindow` names the window that owns what the shell shows (the main
  // window once it exists; none before).
  explicit Win32Shell(std::function<HWND()> ownerWindow) : ownerWindow_(std::move(ownerWindow)) {}

  void shellExecute(const std::string& verb, const std::string& file, const std::string& directory) override;
  // Starts the command line as WinExec does (SW_SHOWNORMAL, no waiting), but
  // through CreateProcessW so that the line is not read in the system's
  // ANSI code page.
  void winExec(const std::string& commandLine) override;
  bool runHidden(const std::string& commandLine) override;
  // The snapshot functions are looked up in kernel32 at run time; the wide
  // entries are used and their names converted to GBK.
  std::vector<ProcessEntry> processSnapshot() override;
  bool terminateProcess(std::uint32_t pid) override;
  void playSound(const std::string& file, std::uint32_t flags) override;
  // HtmlHelpW of hhctrl.ocx, looked up with the first help shown; a missing
  // help file is not handed to it, so nothing is shown.
  void showHelpTopic(const std::string& file, const std::string& topic) override;

 private:
  std::function<HWND()> ownerWindow_;
};

}  // namespace orvane
