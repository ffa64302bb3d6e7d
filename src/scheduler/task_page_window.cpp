// The page "    定时任务    " on Windows: a panel over the tab's page area
// filled by a list view in report mode with whole-row selection. The list
// is virtual: it holds only the number of rows and asks the page model for
// the text of each cell as it draws it, so a rebuild of the table costs the
// view nothing but a redraw, and the selection stays where it was.

#include "scheduler/task_page_window.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app/main_form.h"
#include "common/gbk.h"
#include "platform/win32/win32_look.h"
#include "platform/win32/win32_ui.h"
#include "scheduler/task_page.h"

namespace orvane {

namespace {

// Column widths at 96 DPI; the last column takes the rest.
constexpr int kStateWidth = 64;
constexpr int kTimeWidth = 84;
constexpr int kMinimumTextWidth = 120;

class TaskPageWindow : public View {
 public:
  TaskPageWindow(MainForm& form, Win32Ui& ui) : View(form, ui), page_(form.taskPage()) {}
  ~TaskPageWindow() override { destroy(); }

  void create(HWND parent) override;
  void refresh() override;

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void createList();
  void layout();
  void fillCell(NMLVDISPINFOW& request);

  const TaskPage& page_;
  HWND list_ = nullptr;
  std::wstring cellText_;  // the text handed to the list for its last request
};

void TaskPageWindow::create(HWND parent) {
  WindowSpec spec;
  spec.className = L"OrvaneTaskPage";
  spec.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  spec.exStyle = WS_EX_CONTROLPARENT;
  spec.parent = parent;
  if (!createWindow(spec)) return;
  createList();
  refresh();
}

void TaskPageWindow::createList() {
  constexpr DWORD kListStyle =
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
  list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", kListStyle, 0, 0, 0, 0, handle(), nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
  for (int column = 0; column < static_cast<int>(TaskPage::kColumnHeaders.size()); ++column) {
    std::wstring header = utf8ToWide(TaskPage::kColumnHeaders[static_cast<std::size_t>(column)]);
    LVCOLUMNW spec{};
    spec.mask = LVCF_TEXT | LVCF_SUBITEM;
    spec.pszText = header.data();
    spec.iSubItem = column;
    ListView_InsertColumn(list_, column, &spec);
  }
}

void TaskPageWindow::refresh() {
  ListView_SetItemCountEx(list_, page_.rowCount(), LVSICF_NOSCROLL);
  InvalidateRect(list_, nullptr, FALSE);
}

LRESULT TaskPageWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      layout();
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->hwndFrom == list_ && header->code == LVN_GETDISPINFOW) {
        fillCell(*reinterpret_cast<NMLVDISPINFOW*>(lParam));
      }
      return 0;
    }
    default:
      return View::onMessage(message, wParam, lParam);
  }
}

void TaskPageWindow::layout() {
  RECT client{};
  GetClientRect(handle(), &client);
  MoveWindow(list_, 0, 0, client.right, client.bottom, TRUE);
  const unsigned dpi = windowDpi(handle());
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

}  // namespace

std::unique_ptr<View> createTaskPage(MainForm& form, Win32Ui& ui) { return std::make_unique<TaskPageWindow>(form, ui); }

}  // namespace orvane
