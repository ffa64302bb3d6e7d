#pragma once
// Dial-up as a part of the main window: the dial-up window, made at the
// end of the start-up, which the task dispatcher asks to dial before it
// opens a web address and which the task editor's address "..." shows.

#include "dialup/ras_dialer_form.h"
#include "platform/main_window_part.h"
#include "platform/platform.h"
#include "scheduler/auto_dial.h"

namespace orvane {

class DialUpSystem : public MainWindowPart {
 public:
  // Takes over `autoDial`, the tasks' hand-over to this window.
  DialUpSystem(Platform& platform, Ui& ui, AutoDial& autoDial);

  // The window's creation: the phone book and the stored choice.
  void startUp() override { dialer_.FormCreate(); }

  TRasDialerForm& dialer() { return dialer_; }

 private:
  TRasDialerForm dialer_;
};

}  // namespace orvane
