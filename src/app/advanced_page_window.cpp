// The "高级选项" page on Windows: a panel over the tab's page area with the
// groups "常用选项" and "自动登陆 (WIN2000/NT/XP/2003) " and the button "OK".
// The boxes and fields copy what the user does into the page model; "OK"
// runs the main window's options save.

#include "app/advanced_page_window.h"

#include <windows.h>

#include <string>

#include "app/main_form.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_ui.h"

namespace orvane {

namespace {

enum ControlId : int {
  kCommonGroup = 100,
  kStartWithWindows,
  kStartInTray,
  kLockAtStart,
  kSetPassword,
  kSettingsNeedPassword,
  kLogonGroup,
  kAutoLogon,
  kUserNameLabel,
  kUserName,
  kPasswordLabel,
  kPassword,
  kOk,
};

constexpr DWORD kCheckBox = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kField = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;

const ControlSpec kControls[] = {
    {kCommonGroup, L"BUTTON", BS_GROUPBOX, "常用选项", 12, 8, 556, 150},
    {kStartWithWindows, L"BUTTON", kCheckBox | WS_GROUP, "随系统启动", 32, 32, 280, 22},
    {kStartInTray, L"BUTTON", kCheckBox, "软件运行时缩小为托盘图标", 32, 60, 280, 22},
    {kLockAtStart, L"BUTTON", kCheckBox, "软件运行时锁定计算机", 32, 88, 280, 22},
    {kSetPassword, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, "设定密码", 340, 86, 100, 28},
    {kSettingsNeedPassword, L"BUTTON", kCheckBox, "更改设置需输入设定密码", 32, 116, 280, 22},
    {kLogonGroup, L"BUTTON", BS_GROUPBOX, "自动登陆 (WIN2000/NT/XP/2003) ", 12, 170, 556, 128},
    {kAutoLogon, L"BUTTON", kCheckBox | WS_GROUP, "启用", 32, 194, 200, 22},
    {kUserNameLabel, L"STATIC", SS_LEFT, "登陆用户名：", 32, 229, 96, 20},
    {kUserName, L"EDIT", kField, "", 130, 226, 200, 24},
    {kPasswordLabel, L"STATIC", SS_LEFT, "密码：", 32, 263, 96, 20},
    {kPassword, L"EDIT", kField | ES_PASSWORD, "", 130, 260, 200, 24},
    {kOk, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, "OK", 468, 312, 100, 30},
};

// The check boxes and fields and the options they show.
struct Box {
  ControlId id;
  bool AdvancedOptions::*checked;
};
const Box kBoxes[] = {
    {kStartWithWindows, &AdvancedOptions::startWithWindows},
    {kStartInTray, &AdvancedOptions::startInTray},
    {kLockAtStart, &AdvancedOptions::lockAtStart},
    {kSettingsNeedPassword, &AdvancedOptions::settingsNeedPassword},
    {kAutoLogon, &AdvancedOptions::autoLogon},
};
struct Field {
  ControlId id;
  std::string AdvancedOptions::*text;
};
const Field kFields[] = {{kUserName, &AdvancedOptions::userName}, {kPassword, &AdvancedOptions::password}};

class AdvancedPageWindow : public View {
 public:
  AdvancedPageWindow(MainForm& form, Win32Ui& ui) : View(form, ui), form_(form), page_(form.advancedPage()) {}
  ~AdvancedPageWindow() override { destroy(); }

  void create(HWND parent) override;
  void refresh() override;

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void command(ControlId id, WORD notification);
  HWND control(ControlId id) const { return GetDlgItem(handle(), id); }

  MainForm& form_;
  AdvancedPage& page_;
  bool refreshing_ = false;
};

void AdvancedPageWindow::create(HWND parent) {
  WindowSpec window;
  window.className = L"OrvaneAdvancedPage";
  window.style = WS_CHILD | WS_CLIPSIBLINGS;
  window.exStyle = WS_EX_CONTROLPARENT;
  window.parent = parent;
  if (!createWindow(window)) return;
  createControls(handle(), kControls);
  EditField(control(kPassword)).hideCharacters();
  refresh();
}

void AdvancedPageWindow::refresh() {
  const AdvancedOptions& options = page_.options();
  refreshing_ = true;
  for (const Box& box : kBoxes) CheckBox(control(box.id)).setChecked(options.*box.checked);
  for (const Field& field : kFields) EditField(control(field.id)).setTextGbk(options.*field.text);
  Control(control(kAutoLogon)).enable(options.autoLogonAvailable);
  for (ControlId id : {kUserNameLabel, kUserName, kPasswordLabel, kPassword}) {
    Control(control(id)).enable(options.autoLogonFieldsEnabled);
  }
  Control(control(kOk)).show(form_.advancedOkShown());
  refreshing_ = false;
}

LRESULT AdvancedPageWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      command(static_cast<ControlId>(LOWORD(wParam)), HIWORD(wParam));
      return 0;
    case WM_SIZE:
      layoutControls(handle(), kControls);
      return 0;
    default:
      return View::onMessage(message, wParam, lParam);
  }
}

void AdvancedPageWindow::command(ControlId id, WORD notification) {
  if (refreshing_) return;
  AdvancedOptions& options = page_.options();
  for (const Box& box : kBoxes) {
    if (box.id == id) options.*box.checked = CheckBox(control(id)).checked();
  }
  for (const Field& field : kFields) {
    if (field.id == id && notification == EN_CHANGE) options.*field.text = EditField(control(id)).textGbk();
  }
  if (id == kAutoLogon) page_.autoLogonClicked();
  if (id == kSetPassword) page_.setPasswordClicked();
  if (id == kOk) form_.saveOptions();
}

}  // namespace

std::unique_ptr<View> createAdvancedPage(MainForm& form, Win32Ui& ui) {
  return std::make_unique<AdvancedPageWindow>(form, ui);
}

}  // namespace orvane
