#pragma once
// The Win32 view of the "高级选项" page of the main window.

#include <memory>

namespace orvane {

class MainForm;
class View;
class Win32Ui;

std::unique_ptr<View> createAdvancedPage(MainForm& form, Win32Ui& ui);

}  // namespace orvane
