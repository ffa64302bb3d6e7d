#pragma once
// The Win32 view of the main window's page "    开机设定    ": the weekly
// plan, the power-on and shutdown times, the dated power-on list and "确定".

#include <memory>

namespace orvane {

class MainForm;
class View;
class Win32Ui;

std::unique_ptr<View> createPowerOnPage(MainForm& form, Win32Ui& ui);

}  // namespace orvane
