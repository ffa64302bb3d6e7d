#pragma once
// The main window's notification-area icon, on a hidden top-level window of
// its own (top-level, so that it hears the shell's "TaskbarCreated" when
// Explorer restarts, and puts the icon back).
//
// Hint "Orvane". The icon speaks NOTIFYICON_VERSION_4 where the shell knows
// it and the older protocol elsewhere. The right button opens the tray menu
// at the cursor; a double click runs its default entry. While a mouse button
// is held on the icon it shows the program's second image. The icon goes
// away with this object.

#include <windows.h>

#include <shellapi.h>

#include "app/main_form.h"
#include "platform/win32/win32_window.h"

namespace orvane {

class TrayIcon : public Win32Window {
 public:
  // The message by which the shell reports mouse events on the icon.
  static constexpr UINT kIconMessage = WM_APP + 1;

  TrayIcon(MainForm& form, Win32Ui& ui);
  ~TrayIcon() override;

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  NOTIFYICONDATAW iconData() const;
  void add();
  void remove();
  void iconEvent(UINT event);
  void openMenu();
  // Shows `icon` in the notification area.
  void showImage(HICON icon);

  MainForm& form_;
  HICON icon_ = nullptr;
  HICON pressedIcon_ = nullptr;
  UINT taskbarCreated_ = 0;
  bool added_ = false;
  // The icon event that opens the menu, by the protocol the shell speaks.
  UINT menuEvent_ = WM_RBUTTONUP;
};

}  // namespace orvane
