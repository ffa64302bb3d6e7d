#pragma once
// The Win32 view of the main window's page "    定时任务    ": the visible
// task list of `page`, its toolbar running `commands` and its popup menu
// `listMenu`; `owner` is the main window's form.

#include <memory>

namespace orvane {

class Form;
class Menu;
class TaskCommands;
class TaskPage;
class View;
class Win32Ui;

std::unique_ptr<View> createTaskPage(Form& owner, TaskPage& page, TaskCommands& commands, Menu& listMenu, Win32Ui& ui);

}  // namespace orvane
