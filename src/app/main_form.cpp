#include "app/main_form.h"

namespace orvane {

namespace {
const MainTimerSpec& specOf(MainTimer timer) {
  for (const auto& spec : kMainTimers) {
    if (spec.id == timer) return spec;
  }
  return kMainTimers.front();
}
}  // namespace

MainForm::MainForm(Platform& platform, Ui& ui) : Form(ui), platform_(platform) { buildMenus(); }

void MainForm::buildMenus() {
  MenuItem file("文件(&F)");
  file.children.emplace_back("退出(&X)", [this] { exitProgram(); });
  menuBar_.add(std::move(file));

  trayMenu_.add(MenuItem("退出(&X)", [this] { exitProgram(); }));
}

void MainForm::FormCreate() {
  for (const auto& spec : kMainTimers) {
    if (spec.enabledAtStart) startTimer(spec.id);
  }
}

void MainForm::startTimer(MainTimer timer) { ui().startTimer(*this, timer, specOf(timer).intervalMs); }

void MainForm::stopTimer(MainTimer timer) { ui().stopTimer(*this, timer); }

void MainForm::timerFired(int timerId) {
  switch (timerId) {
    case Timer1:
      Timer1Timer();
      break;
    case Timer3:
      Timer3Timer();
      break;
    default:
      break;
  }
}

void MainForm::Timer1Timer() { stopTimer(Timer1); }

void MainForm::Timer3Timer() { stopTimer(Timer3); }

void MainForm::showFromTray() {
  shown_ = true;
  changed();
}

void MainForm::hideToTray() {
  shown_ = false;
  changed();
}

void MainForm::exitProgram() { ui().quit(); }

}  // namespace orvane
