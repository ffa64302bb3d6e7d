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

#include <string>
#include <vector>

#include "dialup/ras_dialer_form.h"
#include "platform/win32/win32_dialog.h"

namespace orvane {

namespace {

const DialogFrame kFrame{"拨号设置", 320, 196, Placement::CentredOnOwner, Showing::AtOnceInFront};

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

class RasDialerWindow : public DialogView {
 public:
  RasDialerWindow(TRasDialerForm& form, Win32Ui& ui) : DialogView(form, ui, kControls, kFrame), form_(form) {}

 private:
  void prepareControls() override;
  void showState() override;
  int firstControl() const override { return kEntryNameComboBox; }
  void command(int id, int notification) override;
  // Puts the items into a list when they differ from what it shows.
  void fillList(int id, const std::vector<std::string>& items, std::vector<std::string>& shown);
  std::string chosenUser() const;

  TRasDialerForm& form_;
  std::vector<std::string> shownEntries_;
  std::vector<std::string> shownUsers_;
};

void RasDialerWindow::prepareControls() {
  // "&Connect" dials from code only.
  plain(kConnectButton).show(false);
  editField(kPasswordEdit).hideCharacters();
}

void RasDialerWindow::fillList(int id, const std::vector<std::string>& items, std::vector<std::string>& shown) {
  if (items == shown) return;
  comboBox(id).setItemsGbk(items);
  shown = items;
}

void RasDialerWindow::showState() {
  fillList(kEntryNameComboBox, form_.EntryNameItems, shownEntries_);
  comboBox(kEntryNameComboBox).choose(form_.EntryNameIndex);
  fillList(kUserNameComboBox, form_.UserNameItems, shownUsers_);
  comboBox(kUserNameComboBox).setTextGbk(form_.UserNameText);
  editField(kPasswordEdit).setTextGbk(form_.PasswordEdit);
  checkBox(kCheckBox1).setChecked(form_.CheckBox1);
  checkBox(kSavePWCheckBox).setChecked(form_.SavePWCheckBox);
}

// At CBN_SELCHANGE the field does not show the chosen item yet.
std::string RasDialerWindow::chosenUser() const {
  const int index = comboBox(kUserNameComboBox).chosen();
  if (index < 0) return comboBox(kUserNameComboBox).textGbk();
  return shownUsers_.at(static_cast<std::size_t>(index));
}

void RasDialerWindow::command(int id, int notification) {
  switch (id) {
    case kEntryNameComboBox:
      if (notification == CBN_SELCHANGE) form_.EntryNameComboBoxChange(comboBox(id).chosen());
      break;
    case kUserNameComboBox:
      if (notification == CBN_SELCHANGE) form_.UserNameComboBoxChange(chosenUser());
      if (notification == CBN_EDITCHANGE) form_.UserNameComboBoxChange(comboBox(id).textGbk());
      break;
    case kPasswordEdit:
      if (notification == EN_CHANGE) form_.PasswordEdit = editField(id).textGbk();
      break;
    case kCheckBox1:
      form_.CheckBox1Click(checkBox(id).checked());
      break;
    case kSavePWCheckBox:
      form_.SavePWCheckBox = checkBox(id).checked();
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

}  // namespace

void registerRasDialerView(Win32Ui& ui) { ui.registerViewOf<TRasDialerForm, RasDialerWindow>(); }

}  // namespace orvane
