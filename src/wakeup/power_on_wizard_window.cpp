// The power-on wizard on Windows: a fixed dialog titled "Orvane", centred on
// the main window, with four pages of controls in one place, of which the
// form's page is shown. The lists of hours, minutes and seconds are
// drop-down lists with an edit field: a chosen item and typed text both
// reach the form at once. The warning of "测试" and the note of the board
// without a profile are red. Esc and the close box close the window.

#include "wakeup/power_on_wizard_window.h"

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <optional>
#include <string>

#include "platform/win32/win32_dialog.h"
#include "wakeup/power_on_wizard_form.h"

namespace orvane {

namespace {

const DialogFrame kFrame{"Orvane", 430, 220};
constexpr COLORREF kRed = RGB(255, 0, 0);

// A control's page is its id divided by 100.
constexpr int kPageBase = 100;
enum ControlId : int {
  kChoiceText = 100,
  kRadioButton1,
  kAutomaticNote,
  kRadioButton2,
  kManualNote,
  kBitBtn1,
  kSuiButton7,
  kAutomaticText = 200,
  kHourLabel2,
  kComboBox4,
  kMinuteLabel2,
  kComboBox5,
  kSecondLabel2,
  kComboBox6,
  kCheckBox1,
  kWarning,
  kSuiButton5,
  kSuiButton6,
  kUnsupportedText = 300,
  kSuiButton8,
  kSuiButton9,
  kManualText = 400,
  kHourLabel4,
  kComboBox3,
  kMinuteLabel4,
  kComboBox2,
  kSecondLabel4,
  kComboBox1,
  kSuiButton3,
  kSuiButton4,
};

constexpr DWORD kList = CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP;
constexpr DWORD kText = SS_LEFT;
constexpr int kListWidth = 56;
constexpr int kListHeight = 220;  // with its drop-down list
constexpr int kButtonRow = 176;

// The texts' line breaks are "\r\n", as a static control breaks lines.
const ControlSpec kControls[] = {
    {kChoiceText, L"STATIC", kText, "现在有两种设置自动开机的模式供你选择：", 24, 20, 390, 20},
    {kRadioButton1, L"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, "自动设置", 44, 58, 100, 22},
    {kAutomaticNote, L"STATIC", kText, "容易但一些主板可能不支持", 150, 61, 260, 20},
    {kRadioButton2, L"BUTTON", BS_AUTORADIOBUTTON, "手动设置", 44, 94, 100, 22},
    {kManualNote, L"STATIC", kText, "稍难但安全", 150, 97, 260, 20},
    {kBitBtn1, L"BUTTON", kButton, "取消", 226, kButtonRow, 90, 28},
    {kSuiButton7, L"BUTTON", kButton, "下一步 >", 324, kButtonRow, 90, 28},

    {kAutomaticText, L"STATIC", kText, "你希望计算机在什么时间开启？（设为0时0分0秒取消自动 \r\n开机功能）。 ", 24, 16,
     390, 40},
    {kHourLabel2, L"STATIC", kText, "时：", 44, 67, 26, 20},
    {kComboBox4, WC_COMBOBOXW, kList, "", 70, 63, kListWidth, kListHeight},
    {kMinuteLabel2, L"STATIC", kText, "分：", 140, 67, 26, 20},
    {kComboBox5, WC_COMBOBOXW, kList, "", 166, 63, kListWidth, kListHeight},
    {kSecondLabel2, L"STATIC", kText, "秒：", 236, 67, 26, 20},
    {kComboBox6, WC_COMBOBOXW, kList, "", 262, 63, kListWidth, kListHeight},
    {kCheckBox1, L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, "测试", 44, 100, 100, 22},
    {kWarning, L"STATIC", kText,
     "请保存你的所有工作，测试过程将在马上重启后关闭  \r\n计算机，然后尝试在10分钟后开启你的计算机。", 24, 128, 390,
     40},
    {kSuiButton5, L"BUTTON", kButton, "< 上一步", 226, kButtonRow, 90, 28},
    {kSuiButton6, L"BUTTON", kButton, "完成", 324, kButtonRow, 90, 28},

    {kUnsupportedText, L"STATIC", kText, "对不起！你的主板不支持这种设置模式！", 24, 70, 390, 20},
    {kSuiButton8, L"BUTTON", kButton, "< 上一步", 226, kButtonRow, 90, 28},
    {kSuiButton9, L"BUTTON", kButton, "下一步 >", 324, kButtonRow, 90, 28},

    {kManualText, L"STATIC", kText,
     "点击\"完成\"将打开帮助文档告诉你怎样进行手动设置，请 \r\n按照说明设置CMOS的选项为下面的时间：", 24, 16, 390, 40},
    {kHourLabel4, L"STATIC", kText, "时：", 44, 67, 26, 20},
    {kComboBox3, WC_COMBOBOXW, kList, "", 70, 63, kListWidth, kListHeight},
    {kMinuteLabel4, L"STATIC", kText, "分：", 140, 67, 26, 20},
    {kComboBox2, WC_COMBOBOXW, kList, "", 166, 63, kListWidth, kListHeight},
    {kSecondLabel4, L"STATIC", kText, "秒：", 236, 67, 26, 20},
    {kComboBox1, WC_COMBOBOXW, kList, "", 262, 63, kListWidth, kListHeight},
    {kSuiButton3, L"BUTTON", kButton, "< 上一步", 226, kButtonRow, 90, 28},
    {kSuiButton4, L"BUTTON", kButton, "完成", 324, kButtonRow, 90, 28},
};

// The lists of each time page: hour, minute, second.
constexpr std::array<int, 3> kAutomaticLists{kComboBox4, kComboBox5, kComboBox6};
constexpr std::array<int, 3> kManualLists{kComboBox3, kComboBox2, kComboBox1};

// The control that has the keyboard focus when a page appears.
int firstControlOf(WizardPage page) {
  switch (page) {
    case WizardPage::AutomaticTime:
      return kComboBox4;
    case WizardPage::Unsupported:
      return kSuiButton9;
    case WizardPage::ManualTime:
      return kComboBox3;
    case WizardPage::Choice:
      break;
  }
  return kSuiButton7;
}

class PowerOnWizardWindow : public DialogView {
 public:
  PowerOnWizardWindow(PowerOnWizardForm& form, Win32Ui& ui) : DialogView(form, ui, kControls, kFrame), form_(form) {}

 private:
  void prepareControls() override;
  void showState() override;
  int firstControl() const override { return firstControlOf(form_.page()); }
  void command(int id, int notification) override;
  std::optional<StaticColours> coloursOf(HWND child) const override;
  void showPage();
  void showTime(const std::array<int, 3>& lists, const TimeFields& time);
  // A list's text as the user chose or typed it.
  void listChanged(int id, int notification);
  void buttonClicked(int id);

  PowerOnWizardForm& form_;
  WizardPage shownPage_ = WizardPage::Choice;
};

// "00" to "23" for the hours, "00" to "59" for minutes and seconds.
void PowerOnWizardWindow::prepareControls() {
  for (const auto& lists : {kAutomaticLists, kManualLists}) {
    for (std::size_t field = 0; field < lists.size(); ++field) {
      for (int value = 0; value <= kTimeFieldLimits[field]; ++value) {
        const char item[] = {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10), 0};
        comboBox(lists[field]).addUtf8(item);
      }
    }
  }
}

void PowerOnWizardWindow::showState() {
  showPage();
  checkBox(kRadioButton1).setChecked(form_.RadioButton1);
  checkBox(kRadioButton2).setChecked(!form_.RadioButton1);
  checkBox(kCheckBox1).setChecked(form_.CheckBox1);
  plain(kWarning).show(form_.page() == WizardPage::AutomaticTime && form_.CheckBox1);
  showTime(kAutomaticLists, form_.automaticTime);
  showTime(kManualLists, form_.manualTime);
}

void PowerOnWizardWindow::showPage() {
  const int page = static_cast<int>(form_.page());
  for (const ControlSpec& each : kControls) plain(each.id).show(each.id / kPageBase == page);
  if (form_.page() == shownPage_) return;
  shownPage_ = form_.page();
  SetFocus(control(firstControlOf(shownPage_)));
}

void PowerOnWizardWindow::showTime(const std::array<int, 3>& lists, const TimeFields& time) {
  for (std::size_t field = 0; field < lists.size(); ++field) comboBox(lists[field]).setTextGbk(time[field]);
}

void PowerOnWizardWindow::listChanged(int id, int notification) {
  const ComboBox list = comboBox(id);
  std::string text = list.textGbk();
  if (notification == CBN_SELCHANGE) {
    // The edit field takes the chosen item only after this notification.
    const int item = list.chosen();
    if (item < 0) return;
    text = list.itemGbk(item);
  }
  for (std::size_t field = 0; field < kAutomaticLists.size(); ++field) {
    if (id == kAutomaticLists[field]) form_.automaticTime[field] = text;
    if (id == kManualLists[field]) form_.manualTime[field] = text;
  }
}

void PowerOnWizardWindow::buttonClicked(int id) {
  switch (id) {
    case kRadioButton1:
    case kRadioButton2:
      form_.RadioButton1 = checkBox(kRadioButton1).checked();
      break;
    case kCheckBox1:
      form_.CheckBox1 = checkBox(kCheckBox1).checked();
      form_.CheckBox1Click();
      break;
    case kBitBtn1:
      form_.BitBtn1Click();
      break;
    case kSuiButton7:
      form_.suiButton7Click();
      break;
    case kSuiButton5:
      form_.suiButton5Click();
      break;
    case kSuiButton6:
      form_.suiButton6Click();
      break;
    case kSuiButton8:
      form_.suiButton8Click();
      break;
    case kSuiButton9:
      form_.suiButton9Click();
      break;
    case kSuiButton3:
      form_.suiButton3Click();
      break;
    case kSuiButton4:
      form_.suiButton4Click();
      break;
    default:
      break;
  }
}

void PowerOnWizardWindow::command(int id, int notification) {
  if (notification == CBN_SELCHANGE || notification == CBN_EDITCHANGE) {
    listChanged(id, notification);
  } else if (notification == BN_CLICKED) {
    buttonClicked(id);
  }
}

// The warning of "测试" and the note of the board without a profile.
std::optional<StaticColours> PowerOnWizardWindow::coloursOf(HWND child) const {
  if (child != control(kWarning) && child != control(kUnsupportedText)) return std::nullopt;
  return StaticColours{kRed, COLOR_BTNFACE};
}

}  // namespace

void registerPowerOnWizardView(Win32Ui& ui) { ui.registerViewOf<PowerOnWizardForm, PowerOnWizardWindow>(); }

}  // namespace orvane
