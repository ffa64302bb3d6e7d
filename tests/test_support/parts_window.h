#pragma once
// A stand-in for the main window in the tests of its subsystems: a form
// ("TForm3") whose timers are routed to the parts composed into it, as the
// main window routes them.

#include "platform/form.h"
#include "platform/main_window_part.h"

namespace orvane {

class PartsWindow : public Form {
 public:
  explicit PartsWindow(Ui& ui) : Form(ui) {}
  const char* windowClass() const override { return "TForm3"; }
  void timerFired(int timerId) override { parts.timerFired(timerId); }

  MainWindowParts parts{ui(), *this};
};

}  // namespace orvane
