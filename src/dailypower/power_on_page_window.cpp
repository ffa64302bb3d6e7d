// The page "    开机设定    " on Windows: a panel over the tab's page area
// with the groups "开机日期" ("每天" and the seven weekdays), "开机时间" and
// "关机时间：" (hour, minute and second as spin edits with their ranges),
// "指定日期开机状态" (the list with whole-row selection and the buttons
// "添加", "编辑", "删除", "全删") and "确定". The boxes and fields copy what
// the user does into the models at once; after each button the page shows
// the models again.

#include "dailypower/power_on_page_window.h"

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <string>
#include <utility>

#include "dailypower/daily_schedule.h"
#include "dailypower/power_on_dates.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_look.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_ui.h"

namespace orvane {

namespace {

enum ControlId : int {
  kDaysGroup = 100,
  kEveryDay,
  kMonday,  // to kSunday, in order
  kSunday = kMonday + 6,
  kPowerOnGroup,
  kShutdownGroup,
  kFirstTimeLabel,                        // six labels "时：", "分：", "秒：", twice
  kFirstTimeField = kFirstTimeLabel + 6,  // six fields: power-on, then shutdown
  kFirstSpin = kFirstTimeField + 6,       // their up-down arrows
  kDatesGroup = kFirstSpin + 6,
  kDates,
  kAdd,
  kEdit,
  kDelete,
  kDeleteAll,
  kOk,
};

constexpr DWORD kBox = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kField = ES_NUMBER | WS_BORDER | WS_TABSTOP | WS_GROUP;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP;
constexpr const char* kUnits[] = {"时：", "分：", "秒：", "时：", "分：", "秒："};
constexpr std::array<int, 3> kLimits{23, 59, 59};
// The left edge of the hour label of each time group, at 96 DPI.
constexpr int kTimeGroupLeft[] = {20, 306};
constexpr int kTimeRow = 112;
constexpr int kUnitStep = 86;
constexpr int kFieldWidth = 44;
constexpr int kDateWidth = 110;
constexpr int kStatusWidth = 80;

// The fixed controls; the time labels and fields follow from their groups.
const ControlSpec kControls[] = {
    {kDaysGroup, L"BUTTON", BS_GROUPBOX, "开机日期", 8, 4, 564, 78},
    {kEveryDay, L"BUTTON", kBox | WS_GROUP, "每天", 20, 24, 80, 22},
    {kMonday, L"BUTTON", kBox | WS_GROUP, "星期一", 20, 50, 72, 22},
    {kMonday + 1, L"BUTTON", kBox, "星期二", 96, 50, 72, 22},
    {kMonday + 2, L"BUTTON", kBox, "星期三", 172, 50, 72, 22},
    {kMonday + 3, L"BUTTON", kBox, "星期四", 248, 50, 72, 22},
    {kMonday + 4, L"BUTTON", kBox, "星期五", 324, 50, 72, 22},
    {kMonday + 5, L"BUTTON", kBox, "星期六", 400, 50, 72, 22},
    {kSunday, L"BUTTON", kBox, "星期日", 476, 50, 72, 22},
    {kPowerOnGroup, L"BUTTON", BS_GROUPBOX, "开机时间", 8, 88, 278, 56},
    {kShutdownGroup, L"BUTTON", BS_GROUPBOX, "关机时间：", 294, 88, 278, 56},
    {kDatesGroup, L"BUTTON", BS_GROUPBOX, "指定日期开机状态", 8, 150, 564, 162},
    {kDates, WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_BORDER | WS_TABSTOP,
     "", 20, 172, 440, 128},
    {kAdd, L"BUTTON", kButton, "添加", 472, 172, 88, 28},
    {kEdit, L"BUTTON", kButton, "编辑", 472, 205, 88, 28},
    {kDelete, L"BUTTON", kButton, "删除", 472, 238, 88, 28},
    {kDeleteAll, L"BUTTON", kButton, "全删", 472, 271, 88, 28},
    {kOk, L"BUTTON", kButton, "确定", 472, 320, 100, 30},
};

// The labels and fields of both time groups, in tab order.
std::array<ControlSpec, 12> timeControls() {
  std::array<ControlSpec, 12> specs{};
  for (int index = 0; index < 6; ++index) {
    const int left = kTimeGroupLeft[index / 3] + (index % 3) * kUnitStep;
    specs[static_cast<std::size_t>(2 * index)] = {
        kFirstTimeLabel + index, L"STATIC", SS_LEFT, kUnits[index], left, kTimeRow + 3, 26, 20};
    specs[static_cast<std::size_t>(2 * index + 1)] = {
        kFirstTimeField + index, L"EDIT", kField, "", left + 26, kTimeRow, kFieldWidth, 24};
  }
  return specs;
}

class PowerOnPageWindow : public View {
 public:
  PowerOnPageWindow(Form& owner, PowerOnPageModels models, Win32Ui& ui)
      : View(owner, ui), models_(std::move(models)), schedule_(models_.schedule), dates_(models_.dates) {}
  ~PowerOnPageWindow() override { destroy(); }

  void create(HWND parent) override;
  void refresh() override;

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void createSpins();
  void createColumns();
  void layout();
  void showDates();
  void command(int id, WORD notification);
  void buttonClicked(int id);
  void selectionChanged(const NMLISTVIEW& change);
  std::string& timeField(int index);
  HWND control(int id) const { return GetDlgItem(handle(), id); }
  CheckBox checkBox(int id) const { return CheckBox(control(id)); }

  PowerOnPageModels models_;
  DailySchedule& schedule_;
  PowerOnDates& dates_;
  std::array<ControlSpec, 12> timeSpecs_ = timeControls();
  bool refreshing_ = false;
};

void PowerOnPageWindow::create(HWND parent) {
  WindowSpec window;
  window.className = L"OrvanePowerOnPage";
  window.style = WS_CHILD | WS_CLIPSIBLINGS;
  window.exStyle = WS_EX_CONTROLPARENT;
  window.parent = parent;
  if (!createWindow(window)) return;
  createControls(handle(), kControls);
  createControls(handle(), {timeSpecs_.data(), timeSpecs_.size()});
  createSpins();
  createColumns();
  refresh();
}

// An up-down arrow beside each time field, within the field's range.
void PowerOnPageWindow::createSpins() {
  for (int index = 0; index < 6; ++index) {
    HWND spin =
        CreateWindowExW(0, UPDOWN_CLASSW, L"",
                        WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0,
                        0, 0, 0, handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstSpin + index)),
                        GetModuleHandleW(nullptr), nullptr);
    UpDown(spin).setRange(0, kLimits[static_cast<std::size_t>(index % 3)]);
  }
}

void PowerOnPageWindow::createColumns() {
  ListView_SetExtendedListViewStyle(control(kDates), LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  for (int column = 0; column < static_cast<int>(PowerOnDates::kColumnTitles.size()); ++column) {
    std::wstring title = utf8ToWide(PowerOnDates::kColumnTitles[static_cast<std::size_t>(column)]);
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT | LVCF_SUBITEM;
    info.pszText = title.data();
    info.iSubItem = column;
    ListView_InsertColumn(control(kDates), column, &info);
  }
}

std::string& PowerOnPageWindow::timeField(int index) {
  DailyScheduleFields& fields = schedule_.fields();
  return index < 3 ? fields.powerOn[static_cast<std::size_t>(index)]
                   : fields.shutdown[static_cast<std::size_t>(index - 3)];
}

void PowerOnPageWindow::refresh() {
  refreshing_ = true;
  const DailyScheduleFields& fields = schedule_.fields();
  checkBox(kEveryDay).setChecked(fields.everyDay);
  for (int day = 0; day < 7; ++day) {
    checkBox(kMonday + day).setChecked(fields.weekdays[static_cast<std::size_t>(day)]);
    checkBox(kMonday + day).enable(schedule_.weekdaysEnabled());
  }
  for (int index = 0; index < 6; ++index) EditField(control(kFirstTimeField + index)).setTextGbk(timeField(index));
  showDates();
  Control(control(kOk)).show(models_.okShown());
  refreshing_ = false;
}

// The list shows the rows of the model, with its selected row.
void PowerOnPageWindow::showDates() {
  HWND list = control(kDates);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(list);
  for (int row = 1; row <= dates_.rowCount(); ++row) {
    const PowerOnDateEntry entry = dates_.row(row);
    const std::string* cells[] = {&entry.date, &entry.status, &entry.remark};
    for (int column = 0; column < 3; ++column) {
      std::wstring text = gbkToWide(*cells[column]);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = row - 1;
      item.iSubItem = column;
      item.pszText = text.data();
      if (column == 0) {
        ListView_InsertItem(list, &item);
      } else {
        ListView_SetItem(list, &item);
      }
    }
  }
  constexpr UINT kSelected = LVIS_SELECTED | LVIS_FOCUSED;
  ListView_SetItemState(list, dates_.selectedRow() - 1, kSelected, kSelected);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

LRESULT PowerOnPageWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      layout();
      return 0;
    case WM_COMMAND:
      command(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom == kDates && header->code == LVN_ITEMCHANGED && !refreshing_) {
        selectionChanged(*reinterpret_cast<const NMLISTVIEW*>(lParam));
      }
      return 0;
    }
    default:
      return View::onMessage(message, wParam, lParam);
  }
}

void PowerOnPageWindow::layout() {
  layoutControls(handle(), kControls);
  layoutControls(handle(), {timeSpecs_.data(), timeSpecs_.size()});
  for (int index = 0; index < 6; ++index) {
    UpDown(control(kFirstSpin + index)).setBuddy(control(kFirstTimeField + index));
  }
  const unsigned dpi = windowDpi(handle());
  RECT inner{};
  GetClientRect(control(kDates), &inner);
  ListView_SetColumnWidth(control(kDates), 0, scaled(kDateWidth, dpi));
  ListView_SetColumnWidth(control(kDates), 1, scaled(kStatusWidth, dpi));
  ListView_SetColumnWidth(control(kDates), 2, inner.right - scaled(kDateWidth + kStatusWidth, dpi));
}

void PowerOnPageWindow::command(int id, WORD notification) {
  if (refreshing_) return;
  DailyScheduleFields& fields = schedule_.fields();
  if (id >= kFirstTimeField && id < kFirstTimeField + 6 && notification == EN_CHANGE) {
    timeField(id - kFirstTimeField) = EditField(control(id)).textGbk();
  } else if (id == kEveryDay) {
    fields.everyDay = checkBox(id).checked();
    for (int day = 0; day < 7; ++day) checkBox(kMonday + day).enable(schedule_.weekdaysEnabled());
  } else if (id >= kMonday && id <= kSunday) {
    fields.weekdays[static_cast<std::size_t>(id - kMonday)] = checkBox(id).checked();
  } else if (notification == BN_CLICKED) {
    buttonClicked(id);
  }
}

void PowerOnPageWindow::buttonClicked(int id) {
  switch (id) {
    case kAdd:
      dates_.FlatButton8Click();
      break;
    case kEdit:
      dates_.FlatButton7Click();
      break;
    case kDelete:
      dates_.FlatButton6Click();
      break;
    case kDeleteAll:
      dates_.FlatButton5Click();
      break;
    case kOk:
      models_.okClicked();
      break;
    default:
      return;
  }
  refresh();
}

void PowerOnPageWindow::selectionChanged(const NMLISTVIEW& change) {
  const bool selected = (change.uNewState & LVIS_SELECTED) != 0 && (change.uOldState & LVIS_SELECTED) == 0;
  if (change.iItem >= 0 && selected) dates_.select(change.iItem + 1);
}

}  // namespace

std::unique_ptr<View> createPowerOnPage(Form& owner, PowerOnPageModels models, Win32Ui& ui) {
  return std::make_unique<PowerOnPageWindow>(owner, std::move(models), ui);
}

}  // namespace orvane
