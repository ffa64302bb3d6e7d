#pragma once
// The "高级选项" page of the main window: group "常用选项" with "随系统启动",
// "软件运行时缩小为托盘图标", "软件运行时锁定计算机", the button "设定密码"
// and "更改设置需输入设定密码"; group "自动登陆 (WIN2000/NT/XP/2003) " with
// "启用", "登陆用户名：" and "密码："; and "OK", which runs the main window's
// options save. The page loads its boxes in the steps of the start-up and
// saves them in the steps of the options save.

#include <string>

#include "app/auto_logon.h"
#include "app/start_with_windows.h"
#include "platform/form.h"
#include "platform/platform.h"

namespace orvane {

struct AdvancedOptions {
  bool startWithWindows = false;        // "随系统启动"
  bool startInTray = false;             // "软件运行时缩小为托盘图标"
  bool lockAtStart = false;             // "软件运行时锁定计算机"
  bool settingsNeedPassword = false;    // "更改设置需输入设定密码"
  bool autoLogon = false;               // "启用"
  bool autoLogonAvailable = true;       // "启用" can be used (NT family)
  bool autoLogonFieldsEnabled = false;  // the two labels and fields
  std::string userName;                 // GBK
  std::string password;                 // GBK, shown as "*"
};

class AdvancedPage {
 public:
  // `owner` is the main window, which shows the page.
  AdvancedPage(Platform& platform, Ui& ui, Form& owner);

  // The boxes and fields; the view copies control input here.
  AdvancedOptions& options() { return options_; }
  StartWithWindows& startWithWindows() { return startWithWindows_; }

  // Start-up steps: the start-with-Windows state (after the migration), the
  // auto-logon state, the lock file's two boxes. Returns whether the lock
  // program is to be started.
  void loadStartWithWindows();
  void loadAutoLogon();
  bool loadLockOptions();

  // Options save steps, each ending the save with OperationError when its
  // write is refused.
  void saveStartWithWindows();
  void saveAutoLogon();
  void saveStartInTray();
  void saveLockOptions();

  // "启用" was clicked (or set by the program): the labels and fields follow.
  void autoLogonClicked();
  // "设定密码": the set-password window, modal.
  void setPasswordClicked();
  // The state changed outside the view (the tray entry, a load).
  void changed() { ui_.formChanged(owner_); }

 private:
  bool ntFamily() const { return isNtFamily(platform_.system); }

  Platform& platform_;
  Ui& ui_;
  Form& owner_;
  StartWithWindows startWithWindows_;
  AutoLogon autoLogon_;
  AdvancedOptions options_;
};

}  // namespace orvane
