#pragma once
// The real Windows behind every platform interface, built once in main and
// handed on as one Platform bundle.

#include <windows.h>

#include <functional>

#include "platform/platform.h"
#include "platform/win32/win32_bios_memory.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_ports.h"
#include "platform/win32/win32_power.h"
#include "platform/win32/win32_ras.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_secrets.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_sockets.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_wake_timer.h"

namespace orvane {

class Win32Platform {
 public:
  // `ownerWindow` names the window that owns what the system shows for the
  // program (shell starts, the dial-up entry dialog): the main window.
  // `runHandler` runs what the wake-up timer's expiry hands to the GUI
  // thread: the program's general error handler.
  explicit Win32Platform(
      const std::function<HWND()>& ownerWindow,
      Win32WakeTimer::HandlerRunner runHandler = [](const std::function<void()>& handler) { handler(); })
      : shell_(ownerWindow), ras_(ownerWindow), wakeTimer_(std::move(runHandler)), platform_{system_,   files_,
                                                                                             clock_,    power_,
                                                                                             shell_,    registry_,
                                                                                             services_, ports_,
                                                                                             sockets_,  ras_,
                                                                                             secrets_,  wakeTimer_, bios_} {}

  Platform& platform() { return platform_; }

 private:
  Win32System system_;
  Win32Files files_;
  Win32Clock clock_;
  Win32Power power_;
  Win32Shell shell_;
  Win32Registry registry_;
  Win32Services services_;
  Win32Ports ports_;
  Win32Sockets sockets_;
  Win32Ras ras_;
  Win32Secrets secrets_;
  Win32WakeTimer wakeTimer_;
  Win32BiosMemory bios_;
  Platform platform_;
};

}  // namespace orvane
