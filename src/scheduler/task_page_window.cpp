// The page "    定时任务    " on Windows: a panel over the tab's page area
// with a toolbar (" 添 加 ", " 编 辑 ", " 删 除 ", " 清 空 ") above a list
// view in report mode with whole-row selection. The list is virtual: it
// holds only the number of rows and asks the page model for the text of
// each cell as it draws it, so a rebuild of the table costs the view nothing
// but a redraw. One row is always selected, the page model's; a double-click
// edits the selected task and the right button (or the menu key) opens the
// list's popup menu.

#include "scheduler/task_page_window.h"

#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include <string>

#include "platform/win32/win32_look.h"
#include "platform/win32/win32_menu.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_ui.h"
#include "scheduler/task_commands.h"
#include "scheduler/task_page.h"

namespace orvane {

namespace {

// Column widths at 96 DPI; the last column takes the rest.
constexpr int kStateWidth = 64;
constexpr int kTimeWidth = 84;
constexpr int kMinimumTextWidth = 120;
// Space below the toolbar's buttons, at 96 DPI.
constexpr int kToolbarPadding = 4;

// The toolbar's buttons, as ToolButton5 to ToolButton8.
enum ToolButton : int { kAdd = 200, kEdit, kDelete, kClear };
struct ToolbarEntry {
  ToolButton id;
  const char* caption;
};
constexpr ToolbarEntry kToolbar[] = {{kAdd, " 添 加 "}, {kEdit, " 编 辑 "}, {kDelete, " 删 除 "}, {kClear, " 清 空 "}};

class TaskPageWindow : public View {
 public:
  TaskPageWindow(Form& owner, TaskPage& page, TaskCommands& commands, Menu& listMenu, Win32Ui& ui)
      : View(owner, ui), page_(page), commands_(commands), menu_(listMenu) {}
  ~TaskPageWindow() override { destroy(); }

  void create(HWND parent) override;
  void refresh() override;

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void createToolbar();
  void createList();
  void layout();
  void notified(const NMHDR& header);
  void toolButtonClicked(int id);
  void fillCell(NMLVDISPINFOW& request);
  void selectionChanged(const NMLISTVIEW& change);
  void showSelection();
  void openPopupMenu(LPARAM where);

  TaskPage& page_;
  TaskCommands& commands_;
  Menu& menu_;
  HWND toolbar_ = nullptr;
  HWND list_ = nullptr;
  std::wstring cellText_;  // the text handed to the list for its last request
};

void TaskPageWindow::create(HWND parent) {
  WindowSpec window;
  window.className = L"OrvaneTaskPage";
  window.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  window.exStyle = WS_EX_CONTROLPARENT;
  window.parent = parent;
  if (!createWindow(window)) return;
  createToolbar();
  createList();
  refresh();
}

// Text-only buttons: no images, the caption beside where an image would be.
void TaskPageWindow::createToolbar() {
  constexpr DWORD kToolbarStyle =
      WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
  toolbar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", kToolbarStyle, 0, 0, 0, 0, handle(), nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(toolbar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
  std::wstring captions[std::size(kToolbar)];
  TBBUTTON buttons[std::size(kToolbar)] = {};
  for (std::size_t index = 0; index < std::size(kToolbar); ++index) {
    captions[index] = utf8ToWide(kToolbar[index].caption);
    buttons[index].iBitmap = I_IMAGENONE;
    buttons[index].idCommand = kToolbar[index].id;
    buttons[index].fsState = TBSTATE_ENABLED;
    buttons[index].fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
    buttons[index].iString = reinterpret_cast<INT_PTR>(captions[index].c_str());
  }
  SendMessageW(toolbar_, TB_ADDBUTTONSW, std::size(kToolbar), reinterpret_cast<LPARAM>(buttons));
}

void TaskPageWindow::createList() {
  constexpr DWORD kListStyle =
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
  list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", kListStyle, 0, 0, 0, 0, handle(), nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
  for (int column = 0; column < static_cast<int>(TaskPage::kColumnHeaders.size()); ++column) {
    std::wstring header = utf8ToWide(TaskPage::kColumnHeaders[static_cast<std::size_t>(column)]);
    LVCOLUMNW columnInfo{};
    columnInfo.mask = LVCF_TEXT | LVCF_SUBITEM;
    columnInfo.pszText = header.data();
    columnInfo.iSubItem = column;
    ListView_InsertColumn(list_, column, &columnInfo);
  }
}

void TaskPageWindow::refresh() {
  ListView_SetItemCountEx(list_, page_.rowCount(), LVSICF_NOSCROLL);
  InvalidateRect(list_, nullptr, FALSE);
  showSelection();
}

LRESULT TaskPageWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      layout();
      return 0;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == toolbar_) toolButtonClicked(LOWORD(wParam));
      return 0;
    case WM_NOTIFY:
      notified(*reinterpret_cast<NMHDR*>(lParam));
      return 0;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) == list_) openPopupMenu(lParam);
      return 0;
    default:
      return View::onMessage(message, wParam, lParam);
  }
}

void TaskPageWindow::notified(const NMHDR& header) {
  if (header.hwndFrom != list_) return;
  switch (header.code) {
    case LVN_GETDISPINFOW:
      fillCell(*reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header)));
      break;
    case LVN_ITEMCHANGED:
      selectionChanged(reinterpret_cast<const NMLISTVIEW&>(header));
      break;
    case NM_CLICK:
      showSelection();
      break;
    case NM_DBLCLK:
      commands_.StringGrid2DblClick();
      break;
    default:
      break;
  }
}

void TaskPageWindow::toolButtonClicked(int id) {
  switch (id) {
    case kAdd:
      commands_.ToolButton5Click();
      break;
    case kEdit:
      commands_.ToolButton6Click();
      break;
    case kDelete:
      commands_.ToolButton7Click();
      break;
    case kClear:
      commands_.ToolButton8Click();
      break;
    default:
      break;
  }
}

void TaskPageWindow::layout() {
  RECT client{};
  GetClientRect(handle(), &client);
  const unsigned dpi = windowDpi(handle());
  SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
  const int toolbarHeight = HIWORD(SendMessageW(toolbar_, TB_GETBUTTONSIZE, 0, 0)) + scaled(kToolbarPadding, dpi);
  MoveWindow(toolbar_, 0, 0, client.right, toolbarHeight, TRUE);
  MoveWindow(list_, 0, toolbarHeight, client.right, client.bottom - toolbarHeight, TRUE);
  RECT inner{};
  GetClientRect(list_, &inner);
  const int rest = inner.right - scaled(kStateWidth + kTimeWidth, dpi) - GetSystemMetrics(SM_CXVSCROLL);
  ListView_SetColumnWidth(list_, 0, scaled(kStateWidth, dpi));
  ListView_SetColumnWidth(list_, 1, scaled(kTimeWidth, dpi));
  ListView_SetColumnWidth(list_, 2, rest > scaled(kMinimumTextWidth, dpi) ? rest : scaled(kMinimumTextWidth, dpi));
}

void TaskPageWindow::fillCell(NMLVDISPINFOW& request) {
  LVITEMW& item = request.item;
  if ((item.mask & LVIF_TEXT) == 0) return;
  const TaskPageRow row = page_.row(item.iItem + 1);
  const std::string& text = item.iSubItem == 0 ? row.state : item.iSubItem == 1 ? row.time : row.text;
  cellText_ = gbkToWide(text);
  item.pszText = cellText_.data();
}

void TaskPageWindow::selectionChanged(const NMLISTVIEW& change) {
  const bool selected = (change.uNewState & LVIS_SELECTED) != 0 && (change.uOldState & LVIS_SELECTED) == 0;
  if (change.iItem >= 0 && selected) page_.select(change.iItem + 1);
}

// A click beside the rows takes the selection away from the list; the
// selected row stays the page model's.
void TaskPageWindow::showSelection() {
  const int row = page_.selectedRow() - 1;
  if (ListView_GetNextItem(list_, -1, LVNI_SELECTED) == row) return;
  constexpr UINT kSelected = LVIS_SELECTED | LVIS_FOCUSED;
  ListView_SetItemState(list_, row, kSelected, kSelected);
}

// At the mouse, or under the selected row when the keyboard asked for it.
void TaskPageWindow::openPopupMenu(LPARAM where) {
  POINT at{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  if (where == -1) {
    RECT row{};
    ListView_GetItemRect(list_, page_.selectedRow() - 1, &row, LVIR_LABEL);
    at = {row.left, row.bottom};
    ClientToScreen(list_, &at);
  }
  NativeMenu menu;
  HMENU popup = menu.buildPopup(menu_.items());
  const UINT command =
      static_cast<UINT>(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, handle(), nullptr));
  DestroyMenu(popup);
  menu.run(command);
}

}  // namespace

std::unique_ptr<View> createTaskPage(Form& owner, TaskPage& page, TaskCommands& commands, Menu& listMenu, Win32Ui& ui) {
  return std::make_unique<TaskPageWindow>(owner, page, commands, listMenu, ui);
}

}  // namespace orvane
