#pragma once
// The main window's own small parts: the lock program at start and the
// working-set trimming.

#include <vector>

#include "platform/main_window_part.h"
#include "platform/platform.h"

namespace orvane {

class AdvancedPage;

// After the task file: the two boxes of "\deskward.ini", and the lock
// program starts when "软件运行时锁定计算机" is on.
class LockAtStart : public MainWindowPart {
 public:
  LockAtStart(Platform& platform, AdvancedPage& page) : platform_(platform), page_(page) {}
  void startUp() override;

 private:
  Platform& platform_;
  AdvancedPage& page_;
};

// After the rebuild checks of Timer5, on the NT family: the working set is
// trimmed and the waiting messages run.
class WorkingSetTrim : public MainWindowPart {
 public:
  WorkingSetTrim(Platform& platform, Ui& ui) : platform_(platform), ui_(ui) {}
  std::vector<MainTimer> timers() const override { return {Timer5}; }
  void timerFired(MainTimer timer) override;

 private:
  Platform& platform_;
  Ui& ui_;
};

}  // namespace orvane
