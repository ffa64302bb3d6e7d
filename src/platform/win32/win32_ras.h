#pragma once
// Dial-up networking through the Remote Access Service's ANSI functions.
// rasapi32.dll is looked up at run time, so a system without it starts and
// runs: there every call fails with ERROR_CALL_NOT_IMPLEMENTED and has no
// error text.

#include <windows.h>

#include <functional>

#include "platform/ras.h"

namespace orvane {

class Win32Ras : public RasApi {
 public:
  // `ownerWindow` owns the system's new-entry dialog when no window of the
  // program is active.
  explicit Win32Ras(std::function<HWND()> ownerWindow) : ownerWindow_(std::move(ownerWindow)) {}
  ~Win32Ras() override;
  Win32Ras(const Win32Ras&) = delete;
  Win32Ras& operator=(const Win32Ras&) = delete;

  std::uint32_t enumEntries(RasEntryName* entries, std::uint32_t& bufferSize, std::uint32_t& count) override;
  // The notifier posts kRasDialNotice to a hidden window of the GUI thread,
  // made at the first dial, which takes no action on it.
  std::uint32_t dial(const RasDialParams& params) override;
  std::uint32_t createPhonebookEntry() override;
  std::string errorString(std::uint32_t code, std::size_t bufferSize) override;

 private:
  HWND noticeWindow();

  std::function<HWND()> ownerWindow_;
  HWND noticeWindow_ = nullptr;
};

}  // namespace orvane
