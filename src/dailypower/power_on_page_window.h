#pragma once
// The Win32 view of the main window's page "    开机设定    ": the weekly
// plan, the power-on and shutdown times, the dated power-on list and "确定".

#include <functional>
#include <memory>

namespace orvane {

class DailySchedule;
class Form;
class PowerOnDates;
class View;
class Win32Ui;

// What the page shows and where its "确定" goes; `owner` is the main
// window's form.
struct PowerOnPageModels {
  DailySchedule& schedule;
  PowerOnDates& dates;
  std::function<bool()> okShown;    // whether "确定" is visible
  std::function<void()> okClicked;  // the main window's options save
};

std::unique_ptr<View> createPowerOnPage(Form& owner, PowerOnPageModels models, Win32Ui& ui);

}  // namespace orvane
