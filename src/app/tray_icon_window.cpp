#include "app/tray_icon_window.h"

#include <cwchar>

#include "platform/win32/win32_look.h"
#include "platform/win32/win32_menu.h"
#include "platform/win32/win32_ui.h"

namespace orvane {

namespace {

constexpr UINT kIconId = 1;

}  // namespace

TrayIcon::TrayIcon(MainForm& form, Win32Ui& ui) : Win32Window(ui), form_(form) {
  if (!createWindow({L"OrvaneTray", ui.applicationTitle(), WS_POPUP})) return;
  icon_ = programIcon(GetSystemMetrics(SM_CXSMICON));
  pressedIcon_ = programIcon(GetSystemMetrics(SM_CXSMICON), kPressedTrayIcon);
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  // An elevated program hears the shell's broadcast only when it lets it in.
  ChangeWindowMessageFilterEx(handle(), taskbarCreated_, MSGFLT_ALLOW, nullptr);
  add();
}

TrayIcon::~TrayIcon() {
  remove();
  destroy();
}

NOTIFYICONDATAW TrayIcon::iconData() const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = handle();
  data.uID = kIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
  data.uCallbackMessage = kIconMessage;
  data.hIcon = icon_;
  // The hint is the application title.
  std::wcsncpy(data.szTip, ui().applicationTitle().c_str(), sizeof data.szTip / sizeof data.szTip[0] - 1);
  return data;
}

void TrayIcon::add() {
  NOTIFYICONDATAW data = iconData();
  // After a restart of the shell the icon may still be known to it.
  added_ = Shell_NotifyIconW(NIM_ADD, &data) || Shell_NotifyIconW(NIM_MODIFY, &data);
  if (!added_) return;
  // Version 4, else version 3 of older shells: both report a right click
  // (or the menu key) as WM_CONTEXTMENU after its WM_RBUTTONUP. A shell that
  // knows neither reports only the button.
  data.uVersion = NOTIFYICON_VERSION_4;
  bool versioned = Shell_NotifyIconW(NIM_SETVERSION, &data);
  if (!versioned) {
    data.uVersion = NOTIFYICON_VERSION;
    versioned = Shell_NotifyIconW(NIM_SETVERSION, &data);
  }
  menuEvent_ = versioned ? WM_CONTEXTMENU : WM_RBUTTONUP;
}

void TrayIcon::remove() {
  if (!added_) return;
  NOTIFYICONDATAW data = iconData();
  Shell_NotifyIconW(NIM_DELETE, &data);
  added_ = false;
}

LRESULT TrayIcon::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kIconMessage) {
    // Either protocol has the mouse event in the low word.
    iconEvent(LOWORD(lParam));
    return 0;
  }
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    add();
    return 0;
  }
  return Win32Window::onMessage(message, wParam, lParam);
}

void TrayIcon::showImage(HICON icon) {
  if (!added_) return;
  NOTIFYICONDATAW data = iconData();
  data.uFlags = NIF_ICON;
  data.hIcon = icon;
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

void TrayIcon::iconEvent(UINT event) {
  if (event == WM_LBUTTONDOWN || event == WM_RBUTTONDOWN || event == WM_MBUTTONDOWN) {
    showImage(pressedIcon_);
  } else if (event == WM_LBUTTONUP || event == WM_RBUTTONUP || event == WM_MBUTTONUP) {
    showImage(icon_);
  }
  if (event == menuEvent_) {
    openMenu();
  } else if (event == WM_LBUTTONDBLCLK) {
    form_.trayDoubleClicked();
  }
}

void TrayIcon::openMenu() {
  NativeMenu menu;
  HMENU popup = menu.buildPopup(form_.trayMenu().items());
  POINT cursor{};
  GetCursorPos(&cursor);
  // The menu closes when the user clicks elsewhere only if the program is
  // in the foreground; WM_NULL lets the menu's loop end at once.
  SetForegroundWindow(handle());
  const UINT command = static_cast<UINT>(
      TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, handle(), nullptr));
  PostMessageW(handle(), WM_NULL, 0, 0);
  DestroyMenu(popup);
  menu.run(command);
}

}  // namespace orvane
