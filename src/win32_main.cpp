// The program on Windows: the real platform, the Win32 user interface with
// the views of the windows, the program's start, and the message loop until
// the program ends; the tray icon goes with the main window at the end.

#include <windows.h>

#include "app/about_window.h"
#include "app/advanced_page_window.h"
#include "app/main_window.h"
#include "app/password_prompt_window.h"
#include "app/program.h"
#include "app/set_password_window.h"
#include "clocksync/clock_window.h"
#include "dailypower/power_on_date_window.h"
#include "dialup/ras_dialer_window.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_ui.h"
#include "power/countdown_window.h"
#include "power/timed_shutdown_window.h"
#include "scheduler/reminder_window.h"
#include "scheduler/task_editor_window.h"
#include "wakeup/power_on_wizard_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  orvane::Win32Ui ui;
  ui.setApplicationTitle(L"Orvane");
  orvane::Win32Platform windows([&ui] { return ui.mainWindow(); },
                                [&ui](const std::function<void()>& handler) { ui.runHandler(handler); });
  orvane::MainPages pages;
  pages.powerOn = orvane::createMainPowerOnPage;
  pages.tasks = orvane::createMainTaskPage;
  pages.advanced = orvane::createAdvancedPage;
  orvane::registerMainWindowView(ui, pages);
  orvane::registerAboutView(ui);
  orvane::registerSetPasswordView(ui);
  orvane::registerPasswordPromptView(ui);
  orvane::registerCountdownView(ui);
  orvane::registerTimedShutdownView(ui);
  orvane::registerReminderView(ui);
  orvane::registerTaskEditorView(ui);
  orvane::registerPowerOnDateView(ui);
  orvane::registerPowerOnWizardView(ui);
  orvane::registerClockView(ui);
  orvane::registerRasDialerView(ui);

  orvane::Program program(windows.platform(), ui);
  ui.runHandler([&] { program.start(); });
  const int exitCode = ui.runMessageLoop();
  ui.closeAllWindows();
  return exitCode;
}
