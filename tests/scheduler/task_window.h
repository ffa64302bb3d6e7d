#pragma once
// The task and power systems composed into a stand-in main window, as the
// main window composes them, and started as the program starts them.

#include "platform/platform.h"
#include "power/power_system.h"
#include "scheduler/task_system.h"
#include "test_support/parts_window.h"

namespace orvane::test {

class TaskWindow : public PartsWindow {
 public:
  TaskWindow(Platform& platform, Ui& ui)
      : PartsWindow(ui), power(platform, ui, parts), tasks(platform, ui, parts, power) {
    parts.add(power);
    parts.add(tasks);
  }
  // The window opens; the timers that run from the start begin and today's
  // table is built.
  void start() {
    ui().showModeless(*this);
    parts.startUp();
  }

  PowerSystem power;
  TaskSystem tasks;
};

}  // namespace orvane::test
