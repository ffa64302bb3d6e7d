#include "platform/win32/win32_shell.h"

#include <htmlhelp.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <memory>

#include "platform/win32/win32_library.h"
#include "platform/win32/win32_text.h"

namespace orvane {

namespace {

typedef HANDLE(WINAPI CreateSnapshotFunction)(DWORD flags, DWORD processId);
typedef BOOL(WINAPI ProcessWalkFunction)(HANDLE snapshot, PROCESSENTRY32W* entry);

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// A wide text for a call, or none (a null pointer) when the GBK text is empty.
const wchar_t* optionalText(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

// Starts the command line (its GBK text converted, so that it is not read in
// the system's ANSI code page) with this show state and these creation
// flags; the process handle, or none when it did not start.
HANDLE startProcess(const std::string& commandLine, WORD show, DWORD flags) {
  std::wstring line = gbkToWide(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = show;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &startup, &process)) {
    return nullptr;
  }
  CloseHandle(process.hThread);
  return process.hProcess;
}

}  // namespace

void Win32Shell::shellExecute(const std::string& verb, const std::string& file, const std::string& directory) {
  const std::wstring wideVerb = gbkToWide(verb);
  const std::wstring wideFile = gbkToWide(file);
  const std::wstring wideDirectory = gbkToWide(directory);
  ShellExecuteW(ownerWindow_(), optionalText(wideVerb), wideFile.c_str(), nullptr, optionalText(wideDirectory),
                SW_SHOWNORMAL);
}

void Win32Shell::winExec(const std::string& commandLine) {
  UniqueHandle process(startProcess(commandLine, SW_SHOWNORMAL, 0));
}

bool Win32Shell::runHidden(const std::string& commandLine) {
  UniqueHandle process(startProcess(commandLine, SW_HIDE, CREATE_NEW_CONSOLE | CREATE_NEW_PROCESS_GROUP));
  if (!process) return false;
  WaitForSingleObject(process.get(), INFINITE);
  return true;
}

std::vector<ProcessEntry> Win32Shell::processSnapshot() {
  auto* createSnapshot = libraryFunction<CreateSnapshotFunction>(L"kernel32.dll", "CreateToolhelp32Snapshot");
  auto* first = libraryFunction<ProcessWalkFunction>(L"kernel32.dll", "Process32FirstW");
  auto* next = libraryFunction<ProcessWalkFunction>(L"kernel32.dll", "Process32NextW");
  std::vector<ProcessEntry> processes;
  if (createSnapshot == nullptr || first == nullptr || next == nullptr) return processes;
  HANDLE snapshot = createSnapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return processes;
  UniqueHandle owner(snapshot);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = first(snapshot, &entry); more; more = next(snapshot, &entry)) {
    processes.push_back({entry.th32ProcessID, wideToGbk(entry.szExeFile)});
  }
  return processes;
}

bool Win32Shell::terminateProcess(std::uint32_t pid) {
  UniqueHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, pid));
  return process && TerminateProcess(process.get(), 0) != 0;
}

// winmm is loaded with the first sound rather than at start: an idle program
// then does not carry the multimedia libraries that it pulls in.
void Win32Shell::playSound(const std::string& file, std::uint32_t flags) {
  static const auto play = libraryFunction<decltype(sndPlaySoundW)>(L"winmm.dll", "sndPlaySoundW");
  if (play != nullptr) play(gbkToWide(file).c_str(), flags);
}

void Win32Shell::showHelpTopic(const std::string& file, const std::string& topic) {
  const std::wstring wideFile = gbkToWide(file);
  if (GetFileAttributesW(wideFile.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  static const auto help = libraryFunction<decltype(HtmlHelpW)>(L"hhctrl.ocx", "HtmlHelpW");
  if (help == nullptr) return;
  const std::wstring wideTopic = gbkToWide(topic);
  help(ownerWindow_(), wideFile.c_str(), HH_DISPLAY_TOPIC, reinterpret_cast<DWORD_PTR>(wideTopic.c_str()));
}

}  // namespace orvane
