#pragma once
// The dial-up window (window class "TRasDialerForm", "拨号设置"): the
// phone-book entry to dial, the user name with the names remembered for
// the entry, the password, "保存密码" and "自动拨号". It is made at start and
// lives for the run; closing it only hides it, and what it holds is what
// DialCurrentEntry dials, saved or not. Texts are GBK.

#include <cstddef>
#include <string>
#include <vector>

#include "dialup/dial_settings.h"
#include "platform/form.h"
#include "platform/platform.h"
#include "scheduler/auto_dial.h"

namespace orvane {

class TRasDialerForm : public Form {
 public:
  static constexpr const char* kWindowClass = "TRasDialerForm";
  // The phone book is asked for this many entries at most.
  static constexpr std::size_t kListedEntries = 16;
  static constexpr std::size_t kListErrorTextSize = 128;
  static constexpr std::size_t kDialErrorTextSize = 256;

  TRasDialerForm(Ui& ui, Platform& platform, AutoDial& autoDial);

  const char* windowClass() const override { return kWindowClass; }
  // entry="…" user="…".
  std::string describe() const override;
  // "ENTRY|USER|PASSWORD" and then optionally "autodial" and "savepw"
  // (UTF-8): the entry is chosen (nothing when the phone book lacks it),
  // the user typed, the password typed, each box ticked exactly when its
  // word is given, and "保存设置" pressed. Anything else: the close box.
  void answerScripted(const std::string& answer) override;
  // Unanswered, the window stays shown, as it does for the user.
  void answerByDefault() override {}

  // The controls.
  std::vector<std::string> EntryNameItems;  // "拨号连接名称：", choice only
  int EntryNameIndex = -1;                  // the chosen entry, -1 for none
  std::vector<std::string> UserNameItems;   // "用户名：", an editable list
  std::string UserNameText;
  std::string PasswordEdit;     // "密码：", shown as "*"
  bool CheckBox1 = false;       // "自动拨号"
  bool SavePWCheckBox = false;  // "保存密码"
  // The entry list's text: the chosen entry's name, or empty.
  std::string EntryNameText() const;

  // Made at start: the phone book, then the choice stored in "Last".
  void FormCreate();
  // The task editor's "..." beside the web address: the window is shown,
  // not modally, in front of the others.
  void Show();

  void EntryNameComboBoxChange(int index);
  // The user field typed into or chosen from its list.
  void UserNameComboBoxChange(const std::string& text);
  // "自动拨号" clicked: checking it checks "保存密码" too.
  void CheckBox1Click(bool checked);
  // "新建连接": the system's new-entry dialog; after a new entry the list is
  // filled again with the same entry chosen.
  void Button1Click();
  // "保存设置": saved, AutoDialEnabled follows "自动拨号", the window closes.
  void Button2Click();
  // The hidden "&Connect".
  void ConnectButtonClick() { DialCurrentEntry(); }
  // Starts dialling what the window holds and returns at once.
  void DialCurrentEntry();

  void ListPhonebookEntries();
  void SelectEntryByName(const std::string& name);
  void LoadEntryUsers();
  void LoadSavedPassword();
  // Names and password longer than the record's fields are cut to them.
  void DialEntry(const std::string& entry, const std::string& user, const std::string& password);

 private:
  // The password of a stored value; a value that does not decode counts as
  // no password and is reported through the general error handler.
  std::string storedPassword(const std::string& value);
  DialChoice choice() const;

  Platform& platform_;
  AutoDial& autoDial_;
};

}  // namespace orvane
