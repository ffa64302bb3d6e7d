#include "app/main_form.h"

namespace orvane {

namespace {
constexpr const char* kStartWithWindowsEntry = "随系统启动";
}  // namespace

MainForm::MainForm(Platform& platform, Ui& ui) : Form(ui), platform_(platform) {
  // The order of the start-up steps and of the turns in a shared timer.
  parts_.add(power_);
  parts_.add(tasks_);
  parts_.add(lockAtStart_);
  parts_.add(dailyPower_);
  parts_.add(workingSetTrim_);
  buildMenus();
}

void MainForm::buildMenus() {
  MenuItem file("文件(&F)");
  file.children = power_.powerMenuEntries();
  file.children.push_back(MenuItem::separator());
  file.children.emplace_back("退出(&X)", [this] { exitProgram(); });
  menuBar_.add(std::move(file));
  MenuItem tools("工具(&T)");
  tools.children.emplace_back("定时关机", [this] { power_.Autoshutdown1Click(); });
  menuBar_.add(std::move(tools));

  trayMenu_.add(MenuItem("添加新任务", [this] { eeClick(); }));
  trayMenu_.add(MenuItem("定时任务列表", [this] { Showalarmlist1Click(); }));
  trayMenu_.add(MenuItem("定时关机", [this] { power_.Autoshutdown1Click(); }));
  MenuItem quick("快速执行");
  quick.children = power_.powerMenuEntries();
  trayMenu_.add(std::move(quick));
  trayMenu_.add(MenuItem::separator());
  trayMenu_.add(MenuItem(kStartWithWindowsEntry, [this] { startWithWindowsTrayClicked(); }));
  trayMenu_.add(MenuItem::separator());
  trayMenu_.add(MenuItem("退出(&X)", [this] { exitProgram(); }));
}

void MainForm::eeClick() {
  if (passwordGate_.passes()) tasks_.taskCommands().ToolButton5Click();
}

void MainForm::Showalarmlist1Click() {
  showPage(MainPage::Tasks);
  showFromTray();
}

void MainForm::showPage(MainPage page) {
  page_ = page;
  changed();
}

void MainForm::FormCreate() {
  loadStartupOptions();
  parts_.startUp();
}

void MainForm::timerFired(int timerId) {
  parts_.timerFired(timerId);
  if (timerId == Timer7) Timer7Timer();
}

void MainForm::Timer7Timer() {
  if (passwordGate_.cancelled()) hideToTray();
}

void MainForm::showFromTray() {
  const bool becomesVisible = !shown_;
  shown_ = true;
  changed();
  if (!becomesVisible) return;
  ui().trace("show TForm3");
  passwordGate_.passes();
  parts_.startTimer(Timer7);
}

void MainForm::hideToTray() {
  if (shown_) ui().trace("hide TForm3");
  shown_ = false;
  changed();
}

void MainForm::exitProgram() { ui().quit(); }

void MainForm::loadStartupOptions() {
  advancedPage_.startWithWindows().migrate();
  advancedPage_.loadStartWithWindows();
  trayStartWithWindows().checked = advancedPage_.options().startWithWindows;
  advancedPage_.loadAutoLogon();
}

// The values of "开机设定" first (after the wake-up computation); a checked
// power-on day brings the start with Windows with it.
void MainForm::saveOptions() {
  if (dailyPower_.dailySchedule().save()) {
    advancedPage_.options().startWithWindows = true;
    advancedPage_.changed();
  }
  advancedPage_.saveStartWithWindows();
  trayStartWithWindows().checked = advancedPage_.options().startWithWindows;
  advancedPage_.saveAutoLogon();
  advancedPage_.saveStartInTray();
  advancedPage_.saveLockOptions();
  hideToTray();
}

MenuItem& MainForm::trayStartWithWindows() { return *trayMenu_.find(kStartWithWindowsEntry); }

// Flips its check mark, stores the wish, and the page's box follows.
void MainForm::startWithWindowsTrayClicked() {
  MenuItem& entry = trayStartWithWindows();
  entry.checked = !entry.checked;
  advancedPage_.startWithWindows().set(entry.checked);
  advancedPage_.options().startWithWindows = entry.checked;
  advancedPage_.changed();
}

}  // namespace orvane
