// The dial-up window on Windows: a small fixed dialog captioned "拨号设置",
// centred on the main window and shown beside the others (not modally):
// the entry list (choice only), the user field with its list, the password
// field showing "*", the boxes "自动拨号" and "保存密码", and the buttons
// "新建连接" and "保存设置"; "&Connect" is there but never shown. Every
// change of a field goes into the model at once, so what the window shows
// is what a task dials. Esc and the close box hide it.

#include "dialup/ras_dialer_window.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "dialup/ras_dialer_form.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_look.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_ui.h"

namespace orvane {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kClientWidth = 320;
constexpr int kClientHeight = 196;

enum ControlId : int {
  kLabel2 = 100,
  kEntryNameComboBox,
  kLabel3,
  kUserNameComboBox,
  kLabel4,
  kPasswordEdit,
  kCheckBox1,
  kSavePWCheckBox,
  kButton1,
  kButton2,
  kConnectButton,
};

constexpr DWORD kBox = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;

// In tab order. Heights of combo boxes include their drop-down lists.
const ControlSpec kControls[] = {
    {kLabel2, L"STATIC", SS_LEFT, "拨号连接名称：", 16, 19, 104, 20},
    {kEntryNameComboBox, WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, "", 120, 15, 184, 200},
    {kLabel3, L"STATIC", SS_LEFT, "用户名：", 16, 53, 104, 20},
    {kUserNameComboBox, WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP, "", 120, 49,
     184, 200},
    {kLabel4, L"STATIC", SS_LEFT, "密码：", 16, 87, 104, 20},
    {kPasswordEdit, L"EDIT", ES_PASSWORD | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, "", 120, 83, 184, 24},
    {kCheckBox1, L"BUTTON", kBox | WS_GROUP, "自动拨号", 120, 119, 90, 22},
    {kSavePWCheckBox, L"BUTTON", kBox, "保存密码", 214, 119, 90, 22},
    {kButton1, L"BUTTON", kButton | WS_GROUP, "新建连接", 120, 154, 88, 28},
    {kButton2, L"BUTTON", kButton, "保存设置", 216, 154, 88, 28},
    {kConnectButton, L"BUTTON", kButton, "&Connect", 16, 154, 88, 28},
};

class RasDialerWindow : public View {
 public:
  RasDialerWindow(TRasDialerForm& form, Win32Ui& ui) : View(form, ui), form_(form) {}
  ~RasDialerWindow() override { destroy(); }

  void create(HWND owner) override;
  void refresh() override;

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void command(int id, int code);
  void applyDpi();
  HWND control(int id) const { return GetDlgItem(handle(), id); }
  bool checked(int id) const { return SendMessageW(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void setChecked(int id, bool on) { SendMessageW(control(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }
  // Puts the items into a list when they differ from what it shows.
  void fillList(int id, const std::vector<std::string>& items, std::vector<std::string>& shown);
  std::string chosenUser() const;

  TRasDialerForm& form_;
  MessageFont font_;
  FocusKeeper focus_;
  std::vector<std::string> shownEntries_;
  std::vector<std::string> shownUsers_;
  bool refreshing_ = false;
};

void RasDialerWindow::create(HWND owner) {
  WindowSpec window;
  window.className = L"TRasDialerForm";
  window.title = utf8ToWide("拨号设置");
  window.style = kStyle;
  window.exStyle = kExStyle;
  window.parent = owner;
  if (!createWindow(window)) return;
  createControls(handle(), kControls);
  // "&Connect" dials from code only.
  ShowWindow(control(kConnectButton), SW_HIDE);
  SendMessageW(control(kPasswordEdit), EM_SETPASSWORDCHAR, L'*', 0);
  applyDpi();
  refresh();
  ShowWindow(handle(), SW_SHOWNORMAL);
  SetForegroundWindow(handle());
}

void RasDialerWindow::fillList(int id, const std::vector<std::string>& items, std::vector<std::string>& shown) {
  if (items == shown) return;
  SendMessageW(control(id), CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    SendMessageW(control(id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(gbkToWide(item).c_str()));
  }
  shown = items;
}

void RasDialerWindow::refresh() {
  refreshing_ = true;
  fillList(kEntryNameComboBox, form_.EntryNameItems, shownEntries_);
  SendMessageW(control(kEntryNameComboBox), CB_SETCURSEL, static_cast<WPARAM>(form_.EntryNameIndex), 0);
  fillList(kUserNameComboBox, form_.UserNameItems, shownUsers_);
  setWindowTextGbk(control(kUserNameComboBox), form_.UserNameText);
  setWindowTextGbk(control(kPasswordEdit), form_.PasswordEdit);
  setChecked(kCheckBox1, form_.CheckBox1);
  setChecked(kSavePWCheckBox, form_.SavePWCheckBox);
  refreshing_ = false;
}

// At CBN_SELCHANGE the field does not show the chosen item yet.
std::string RasDialerWindow::chosenUser() const {
  const LRESULT index = SendMessageW(control(kUserNameComboBox), CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return windowTextGbk(control(kUserNameComboBox));
  return shownUsers_.at(static_cast<std::size_t>(index));
}

void RasDialerWindow::command(int id, int code) {
  switch (id) {
    case kEntryNameComboBox:
      if (code == CBN_SELCHANGE) {
        form_.EntryNameComboBoxChange(static_cast<int>(SendMessageW(control(id), CB_GETCURSEL, 0, 0)));
      }
      break;
    case kUserNameComboBox:
      if (code == CBN_SELCHANGE) form_.UserNameComboBoxChange(chosenUser());
      if (code == CBN_EDITCHANGE) form_.UserNameComboBoxChange(windowTextGbk(control(id)));
      break;
    case kPasswordEdit:
      if (code == EN_CHANGE) form_.PasswordEdit = windowTextGbk(control(id));
      break;
    case kCheckBox1:
      form_.CheckBox1Click(checked(id));
      break;
    case kSavePWCheckBox:
      form_.SavePWCheckBox = checked(id);
      break;
    case kButton1:
      form_.Button1Click();
      break;
    case kButton2:
      form_.Button2Click();
      break;
    case kConnectButton:
      form_.ConnectButtonClick();
      break;
    default:
      break;
  }
}

LRESULT RasDialerWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL || refreshing_) break;
      command(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_DPICHANGED:
      applyDpi();
      return 0;
    case WM_ACTIVATE:
      focus_.activated(handle(), wParam, control(kEntryNameComboBox));
      return 0;
    default:
      break;
  }
  return View::onMessage(message, wParam, lParam);
}

void RasDialerWindow::applyDpi() {
  setChildFonts(handle(), font_.at(windowDpi(handle())));
  layoutControls(handle(), kControls);
  placeCentred(handle(), GetWindow(handle(), GW_OWNER), kClientWidth, kClientHeight);
}

}  // namespace

void registerRasDialerView(Win32Ui& ui) { ui.registerViewOf<TRasDialerForm, RasDialerWindow>(); }

}  // namespace orvane
