#pragma once
// The Win32 view of the main window's page "    定时任务    ": the visible
// task list.

#include <memory>

namespace orvane {

class MainForm;
class View;
class Win32Ui;

std::unique_ptr<View> createTaskPage(MainForm& form, Win32Ui& ui);

}  // namespace orvane
