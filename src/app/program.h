#pragma once
// The life of the program, the same under Windows and in the simulator:
// the main window and the long-lived windows are built, the start-up steps
// run, and the message loop (the caller's) takes over.

#include <string_view>

#include "app/main_form.h"

namespace orvane {

class Program {
 public:
  Program(Platform& platform, Ui& ui);

  // The start-up sequence up to the message loop; a second copy of the
  // program ends at once instead.
  void start();

  MainForm& mainForm() { return mainForm_; }
  // What the user or Windows does to the main window: its close box, the
  // question whether the session may end, a double click on the tray icon.
  void closeMainWindow() { mainForm_.closeBox(); }
  void queryEndSession() { mainForm_.WMQueryEndSession(); }
  void trayDoubleClick() { mainForm_.trayDoubleClicked(); }
  // A menu entry by its path of captions: "tray/…" in the tray menu,
  // anything else in the main window's menu bar. nullptr when absent.
  MenuItem* findMenuEntry(std::string_view path);

 private:
  Platform& platform_;
  Ui& ui_;
  MainForm mainForm_;
};

}  // namespace orvane
