#pragma once
// The main window "TForm3" on Windows: title "Orvane", a fixed dialog frame
// with only a close box, centred on the screen, the model's menu bar and a
// tab control with the pages "    开机设定    ", "    定时任务    " and
// "    高级选项    ". It shows and hides itself as the model says, and the
// tray icon lives with it.
//
// Pages. Each page is a View made by its own view file from the models it
// shows, for example
//     scheduler/task_page_window.cpp:
//         std::unique_ptr<View> createTaskPage(Form& owner, TaskPage& page, ...);
// Its create(parent) makes a hidden child window of the main window: a panel
// with WS_EX_CONTROLPARENT (so that Tab walks through its controls) that
// lays out its controls on WM_SIZE. The main window places every page over
// the tab's page area, shows the page of the selected tab, gives the pages
// the window font and refreshes them whenever the form changes. A page is
// hooked in by handing its factory to registerMainWindowView in
// win32_main.cpp; a tab without one stays empty.

#include <functional>
#include <memory>

#include "app/main_form.h"
#include "platform/win32/win32_ui.h"

namespace orvane {

using MainPageFactory = std::function<std::unique_ptr<View>(MainForm& form, Win32Ui& ui)>;

struct MainPages {
  MainPageFactory powerOn;   // "    开机设定    ", active at start
  MainPageFactory tasks;     // "    定时任务    "
  MainPageFactory advanced;  // "    高级选项    "
};

void registerMainWindowView(Win32Ui& ui, MainPages pages = {});

// The page "    开机设定    ": the daily schedule and the dated power-on list
// of the main window, its "确定" running the options save.
std::unique_ptr<View> createMainPowerOnPage(MainForm& form, Win32Ui& ui);

// The page "    定时任务    ": the task page of the main window's task system.
std::unique_ptr<View> createMainTaskPage(MainForm& form, Win32Ui& ui);

}  // namespace orvane
