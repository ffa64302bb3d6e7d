#pragma once
// Dial-up networking through the Remote Access Service. rasapi32.dll is
// looked up at run time: where it is missing the phone book is empty and
// every other call fails with ERROR_CALL_NOT_IMPLEMENTED. The wide entries
// are used, with names converted from and to GBK.

#include <windows.h>

#include <functional>

#include "platform/ras.h"

namespace orvane {

class Win32Ras : public RasApi {
 public:
  // `ownerWindow` owns the system's new-entry dialog.
  explicit Win32Ras(std::function<HWND()> ownerWindow) : ownerWindow_(std::move(ownerWindow)) {}

  std::uint32_t enumEntries(std::vector<std::string>& names) override;
  // Asynchronous: the state changes go to a notifier that ignores them.
  std::uint32_t dial(const RasDialRequest& request) override;
  std::uint32_t createPhonebookEntry() override;
  std::string errorString(std::uint32_t code) override;

 private:
  std::function<HWND()> ownerWindow_;
};

}  // namespace orvane
