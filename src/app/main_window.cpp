#include "app/main_window.h"

#include <commctrl.h>

#include <array>

#include "app/tray_icon_window.h"
#include "dailypower/power_on_page_window.h"
#include "platform/win32/win32_common_controls.h"
#include "platform/win32/win32_look.h"
#include "platform/win32/win32_menu.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_text.h"
#include "scheduler/task_page_window.h"

namespace orvane {

namespace {

// The client area and the margin around the tab control, at 96 DPI.
constexpr int kClientWidth = 600;
constexpr int kClientHeight = 420;
constexpr int kMargin = 8;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kPageCount = 3;
constexpr std::array<const char*, kPageCount> kTabCaptions{"    开机设定    ", "    定时任务    ", "    高级选项    "};

class MainWindow : public View {
 public:
  MainWindow(MainForm& form, Win32Ui& ui, MainPages pages)
      : View(form, ui),
        form_(form),
        factories_{std::move(pages.powerOn), std::move(pages.tasks), std::move(pages.advanced)} {}
  ~MainWindow() override { destroy(); }

  void create(HWND owner) override;
  void refresh() override;

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The frame alone is made at start; see createContent.
  bool makesCommonControls() const override { return false; }
  void createContent();
  void createTabs();
  void createPages();
  void applyDpi();
  void sizeAndCentre();
  void layout();
  void selectPage();
  void showSelectedPage();

  MainForm& form_;
  std::array<MainPageFactory, kPageCount> factories_;
  std::array<std::unique_ptr<View>, kPageCount> pages_;
  std::unique_ptr<TrayIcon> tray_;
  NativeMenu menuBar_;
  MessageFont font_;
  HWND tabs_ = nullptr;
};

void MainWindow::create(HWND owner) {
  if (!createWindow({L"TForm3", ui().applicationTitle(), kStyle, kExStyle, owner})) return;
  ui().setMainWindow(handle());
  SetMenu(handle(), menuBar_.buildBar(form_.menuBar().items()));
  sizeAndCentre();
  tray_ = std::make_unique<TrayIcon>(form_, ui());
  refresh();
}

// The tabs and the pages are made when the window first shows: a program
// that starts in the tray and stays there carries none of them, nor the
// common controls' library and the glyphs they would load.
void MainWindow::createContent() {
  loadCommonControls();
  createTabs();
  createPages();
  applyDpi();
}

void MainWindow::refresh() {
  if (form_.shown() && tabs_ == nullptr) createContent();
  for (auto& page : pages_) {
    if (page) page->refresh();
  }
  if (tabs_ != nullptr) selectPage();
  const bool visible = IsWindowVisible(handle()) && !IsIconic(handle());
  if (form_.shown() && !visible) {
    ShowWindow(handle(), SW_RESTORE);
    SetForegroundWindow(handle());
  } else if (!form_.shown() && IsWindowVisible(handle())) {
    ShowWindow(handle(), SW_HIDE);
  }
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // A second start of the program asks this copy to come to the front.
  if (message == Win32System::showMainWindowMessage()) {
    form_.showFromTray();
    return 0;
  }
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == 0 && lParam == 0 && menuBar_.run(LOWORD(wParam))) return 0;
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->hwndFrom == tabs_ && header->code == TCN_SELCHANGE) {
        showSelectedPage();
        form_.showPage(static_cast<MainPage>(TabCtrl_GetCurSel(tabs_)));
      }
      return 0;
    }
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(handle(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      applyDpi();
      return 0;
    }
    case WM_QUERYENDSESSION:
      return form_.WMQueryEndSession() ? TRUE : FALSE;
    case WM_SYSCOMMAND:
      // Minimising hides the window to the tray.
      if ((wParam & 0xFFF0) == SC_MINIMIZE) {
        form_.hideToTray();
        return 0;
      }
      break;
    case WM_DESTROY:
      tray_.reset();
      ui().setMainWindow(nullptr);
      break;
    default:
      break;
  }
  return View::onMessage(message, wParam, lParam);
}

void MainWindow::createTabs() {
  tabs_ = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, 0, 0, 0, 0,
                          handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  for (int index = 0; index < kPageCount; ++index) {
    std::wstring caption = utf8ToWide(kTabCaptions[index]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(tabs_, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
  }
}

void MainWindow::createPages() {
  for (int index = 0; index < kPageCount; ++index) {
    if (!factories_[index]) continue;
    pages_[index] = factories_[index](form_, ui());
    pages_[index]->create(handle());
  }
}

void MainWindow::applyDpi() {
  setChildFonts(handle(), font_.at(windowDpi(handle())));
  layout();
}

void MainWindow::sizeAndCentre() {
  const unsigned dpi = windowDpi(handle());
  RECT frame{0, 0, scaled(kClientWidth, dpi), scaled(kClientHeight, dpi)};
  AdjustWindowRectEx(&frame, kStyle, TRUE, kExStyle);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& area = monitor.rcWork;
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(handle(), nullptr, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::layout() {
  const int margin = scaled(kMargin, windowDpi(handle()));
  RECT client{};
  GetClientRect(handle(), &client);
  const int width = client.right - 2 * margin;
  const int height = client.bottom - 2 * margin;
  MoveWindow(tabs_, margin, margin, width, height, TRUE);
  RECT page{0, 0, width, height};
  TabCtrl_AdjustRect(tabs_, FALSE, &page);
  OffsetRect(&page, margin, margin);
  for (auto& view : pages_) {
    if (!view) continue;
    SetWindowPos(view->handle(), HWND_TOP, page.left, page.top, page.right - page.left, page.bottom - page.top,
                 SWP_NOACTIVATE);
  }
  showSelectedPage();
}

// The tab the model shows.
void MainWindow::selectPage() {
  const int page = static_cast<int>(form_.page());
  if (TabCtrl_GetCurSel(tabs_) == page) return;
  TabCtrl_SetCurSel(tabs_, page);
  showSelectedPage();
}

void MainWindow::showSelectedPage() {
  const auto selected = SendMessageW(tabs_, TCM_GETCURSEL, 0, 0);
  for (int index = 0; index < kPageCount; ++index) {
    if (pages_[index]) ShowWindow(pages_[index]->handle(), index == selected ? SW_SHOW : SW_HIDE);
  }
}

}  // namespace

void registerMainWindowView(Win32Ui& ui, MainPages pages) {
  ui.registerView(MainForm::kWindowClass, [pages](Form& form, Win32Ui& owner) -> std::unique_ptr<View> {
    // The class name says which model it is.
    return std::make_unique<MainWindow>(static_cast<MainForm&>(form), owner, pages);
  });
}

std::unique_ptr<View> createMainPowerOnPage(MainForm& form, Win32Ui& ui) {
  DailyPowerSystem& daily = form.dailyPower();
  PowerOnPageModels models{daily.dailySchedule(), daily.powerOnDates(), [&form] { return form.powerOnOkShown(); },
                           [&form] { form.saveOptions(); }};
  return createPowerOnPage(form, std::move(models), ui);
}

std::unique_ptr<View> createMainTaskPage(MainForm& form, Win32Ui& ui) {
  TaskSystem& tasks = form.tasks();
  return createTaskPage(form, tasks.taskPage(), tasks.taskCommands(), tasks.taskListMenu(), ui);
}

}  // namespace orvane
