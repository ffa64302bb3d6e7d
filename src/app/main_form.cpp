#include "app/main_form.h"

#include "app/maker.h"
#include "storage/settings_keys.h"

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
  parts_.add(wakeup_);
  parts_.add(wakeTimer_);
  parts_.add(startupService_);
  parts_.add(workingSetTrim_);
  // Timer3: after the start-up service's stop.
  parts_.add(clockSync_);
  parts_.add(dialUp_);
  buildMenus();
}

void MainForm::buildMenus() {
  MenuItem file("文件(&F)");
  file.children = power_.powerMenuEntries();
  file.children.push_back(MenuItem::separator());
  file.children.emplace_back("退出(&X)", [this] { exitProgram(); });
  menuBar_.add(std::move(file));
  menuBar_.add(toolsMenu());
  menuBar_.add(helpMenu());

  MenuItem& settings = trayMenu_.add(MenuItem("开关定时设置", [this] { showOnPage(MainPage::PowerOn); }));
  settings.isDefault = true;
  trayMenu_.add(MenuItem("高级选项", [this] { showOnPage(MainPage::Advanced); }));
  trayMenu_.add(MenuItem("电源管理", [this] { openPowerOptions(); }));
  trayMenu_.add(MenuItem::separator());
  trayMenu_.add(MenuItem("添加新任务", [this] { eeClick(); }));
  trayMenu_.add(MenuItem("定时任务列表", [this] { Showalarmlist1Click(); }));
  trayMenu_.add(MenuItem("定时关机", [this] { power_.Autoshutdown1Click(); }));
  trayMenu_.add(MenuItem("网络原子钟对时", [this] { openClockWindow(); }));
  MenuItem quick("快速执行");
  quick.children = power_.powerMenuEntries();
  trayMenu_.add(std::move(quick));
  trayMenu_.add(MenuItem::separator());
  trayMenu_.add(MenuItem(kStartWithWindowsEntry, [this] { startWithWindowsTrayClicked(); }));
  trayMenu_.add(MenuItem::separator());
  trayMenu_.add(MenuItem("帮助", [this] { openHelp(); })).shortcut = "F1";
  trayMenu_.add(MenuItem("关于本软件", [this] { about_.showModally(); }));
  trayMenu_.add(MenuItem::separator());
  trayMenu_.add(MenuItem("退出(&X)", [this] { exitProgram(); }));
}

MenuItem MainForm::toolsMenu() {
  MenuItem tools("工具(&T)");
  tools.children.emplace_back("定时关机", [this] { power_.Autoshutdown1Click(); });
  tools.children.emplace_back("网络原子钟对时", [this] { openClockWindow(); });
  tools.children.emplace_back("电源管理选项", [this] { openPowerOptions(); });
  tools.children.emplace_back("卸载本软件", [this] { uninstall(); });
  return tools;
}

MenuItem MainForm::helpMenu() {
  ShellApi& shell = platform_.shell;
  MenuItem help("帮助(&H)");
  help.children.emplace_back("帮助内容", [this] { openHelp(); }).shortcut = "F1";
  help.children.push_back(MenuItem::separator());
  help.children.emplace_back("意见反馈", [&shell] { shell.shellExecute("open", maker::feedbackMailLink(), ""); });
  help.children.emplace_back(maker::kSiteCaption, [&shell] { shell.shellExecute("open", maker::kSiteAddress, ""); });
  help.children.push_back(MenuItem::separator());
  help.children.emplace_back("关于本软件", [this] { about_.showModally(); });
  return help;
}

void MainForm::showOnPage(MainPage page) {
  showPage(page);
  showFromTray();
}

void MainForm::openHelp() {
  platform_.shell.shellExecute("open", platform_.files.programDirectoryText() + "\\help.chm", "");
}

void MainForm::openPowerOptions() { platform_.shell.winExec(kPowerOptionsCommand); }

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

void MainForm::closeBox() {
  if (sessionEnding_) {
    exitProgram();
    return;
  }
  if (ui().showMessage("缩小到托盘图标吗？", MessageButtons::OkCancel) != MessageAnswer::Ok) exitProgram();
  hideToTray();
}

bool MainForm::WMQueryEndSession() {
  sessionEnding_ = true;
  ui().trace("query-end-session -> 1");
  return true;
}

void MainForm::trayDoubleClicked() {
  MenuItem* entry = trayMenu_.defaultEntry();
  if (entry != nullptr && entry->action) entry->action();
}

void MainForm::uninstall() {
  if (!wakeSettings(platform_.files).read(wake_ini::kBoardRegisters[0]).empty()) ClearPowerOnAlarm();
  platform_.shell.shellExecute("open", platform_.files.programDirectoryText() + "\\unins000.exe", "");
  exitProgram();
}

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
