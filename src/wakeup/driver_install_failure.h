#pragma once
// The main window's install-failure handler (Button1Click): when the port
// driver can be neither opened nor started, the user is told to run the
// program again, the program starts its own executable anew and ends.

#include "platform/platform.h"
#include "platform/ui.h"

namespace orvane {

class DriverInstallFailure {
 public:
  DriverInstallFailure(Platform& platform, Ui& ui) : platform_(platform), ui_(ui) {}

  // The message "Install PortDriver ERROR.\rPlease run again.", then the
  // executable started from its own directory, then the end of the program
  // once control is back in the message loop. A program that is already
  // ending does nothing more here: one failing operation can reach this
  // handler twice (after the service's opens ran out, and again when the
  // device still does not open), and a second pass would start a second
  // copy.
  void Button1Click();

 private:
  Platform& platform_;
  Ui& ui_;
  bool restarted_ = false;
};

}  // namespace orvane
