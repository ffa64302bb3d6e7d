#include "app/main_form.h"

#include "power/countdown_form.h"
#include "power/lock_program.h"
#include "scheduler/reminder_form.h"

namespace orvane {

namespace {
constexpr const char* kStartWithWindowsEntry = "随系统启动";

const MainTimerSpec& settingsOf(MainTimer timer) {
  for (const auto& entry : kMainTimers) {
    if (entry.id == timer) return entry;
  }
  return kMainTimers.front();
}
}  // namespace

MainForm::MainForm(Platform& platform, Ui& ui)
    : Form(ui), platform_(platform), powerActions_(platform), tasks_(platform.files, platform.clock, ui, *this) {
  buildMenus();
  buildTaskListMenu();
}

void MainForm::buildMenus() {
  MenuItem file("文件(&F)");
  file.children = powerEntries();
  file.children.push_back(MenuItem::separator());
  file.children.emplace_back("退出(&X)", [this] { exitProgram(); });
  menuBar_.add(std::move(file));
  MenuItem tools("工具(&T)");
  tools.children.emplace_back("定时关机", [this] { Autoshutdown1Click(); });
  menuBar_.add(std::move(tools));

  trayMenu_.add(MenuItem("添加新任务", [this] { eeClick(); }));
  trayMenu_.add(MenuItem("定时任务列表", [this] { Showalarmlist1Click(); }));
  trayMenu_.add(MenuItem("定时关机", [this] { Autoshutdown1Click(); }));
  MenuItem quick("快速执行");
  quick.children = powerEntries();
  trayMenu_.add(std::move(quick));
  trayMenu_.add(MenuItem::separator());
  trayMenu_.add(MenuItem(kStartWithWindowsEntry, [this] { startWithWindowsTrayClicked(); }));
  trayMenu_.add(MenuItem::separator());
  trayMenu_.add(MenuItem("退出(&X)", [this] { exitProgram(); }));
}

// The power entries of "文件(&F)" and of the tray's "快速执行" (Shutoff1,
// Reboot1, Logoff1, Standby1, Hibernate1, Lockcompute1/Locksystem2): they act
// at once, without a countdown or a question.
std::vector<MenuItem> MainForm::powerEntries() {
  PowerActions& actions = powerActions_;
  return {MenuItem("关机", [&actions] { actions.PowerOffSystem(); }),
          MenuItem("重启", [&actions] { actions.RebootSystem(); }),
          MenuItem("注销", [&actions] { actions.LogOffSystem(); }),
          MenuItem("待机", [&actions] { actions.StandbySystem(); }),
          MenuItem("休眠", [&actions] { actions.HibernateSystem(); }),
          MenuItem("锁定", [&actions] { actions.LockComputer(); })};
}

void MainForm::buildTaskListMenu() {
  TaskCommands& commands = taskCommands_;
  taskListMenu_.add(MenuItem("添加新任务", [&commands] { commands.ToolButton5Click(); }));
  taskListMenu_.add(MenuItem("编辑选定任务", [&commands] { commands.ToolButton6Click(); }));
  taskListMenu_.add(MenuItem("删除选定任务", [&commands] { commands.ToolButton7Click(); }));
  taskListMenu_.add(MenuItem("清空列表", [&commands] { commands.ToolButton8Click(); }));
}

void MainForm::eeClick() {
  if (passwordGate_.passes()) taskCommands_.ToolButton5Click();
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
  for (const auto& entry : kMainTimers) {
    if (entry.enabledAtStart) startTimer(entry.id);
  }
  RebuildOccurrences();
  loadLockFile();
  powerOnDates_.LoadPowerOnDates();
  dailySchedule_.load();
  changed();
}

void MainForm::startTimer(MainTimer timer) { ui().startTimer(*this, timer, settingsOf(timer).intervalMs); }

void MainForm::stopTimer(MainTimer timer) { ui().stopTimer(*this, timer); }

void MainForm::timerFired(int timerId) {
  switch (timerId) {
    case Timer1:
      Timer1Timer();
      break;
    case Timer2:
      Timer2Timer();
      break;
    case Timer3:
      Timer3Timer();
      break;
    case Timer5:
      Timer5Timer();
      break;
    case Timer6:
      Timer6Timer();
      break;
    case Timer7:
      Timer7Timer();
      break;
    case Timer9:
      Timer9Timer();
      break;
    default:
      break;
  }
}

void MainForm::Timer1Timer() {
  stopTimer(Timer1);
  startupPowerCheck_.run();
}

void MainForm::Timer3Timer() { stopTimer(Timer3); }

void MainForm::Timer2Timer() {
  tasks_.tick();
  DailyShutdownCheck();
}

void MainForm::DailyShutdownCheck() {
  if (!dailyShutdown_.due(platform_.clock.localNow(), dailySchedule_.fields().shutdown)) return;
  countdownRequest_.PendingPowerAction = kShutdownRequest;
  startTimer(Timer9);
}

// The rebuild checks, then, on the NT family, the working set is trimmed and
// the waiting messages run.
void MainForm::Timer5Timer() {
  tasks_.checkClock();
  if (!isNtFamily(platform_.system)) return;
  platform_.system.trimWorkingSet();
  ui().processMessages();
}

void MainForm::RebuildOccurrences() { tasks_.rebuild(); }

void MainForm::dodo(int row) {
  ui().trace("dodo row=" + std::to_string(row));
  if (row > 0) RebuildOccurrences();
  dispatcher_.perform(tasks_.table(), row);
}

// Opens the oldest waiting reminder modally. When more wait, Timer6 runs
// again first, so the next one opens from this window's modal loop, on top
// of it and one cascade step further.
void MainForm::Timer6Timer() {
  stopTimer(Timer6);
  if (!reminders_.waiting()) return;
  ReminderForm reminder(ui(), reminders_);
  if (reminders_.waiting()) startTimer(Timer6);
  ui().showModal(reminder);
}

// A countdown requested through Timer9 opens one tick later, when the
// requester has returned; it runs modally while the other timers go on.
void MainForm::Timer9Timer() {
  stopTimer(Timer9);
  CountdownForm countdown(ui(), platform_.clock, powerActions_, countdownRequest_);
  ui().showModal(countdown);
}

// 100 ms after the main window became visible: back to the tray when the
// password prompt was cancelled.
void MainForm::Timer7Timer() {
  stopTimer(Timer7);
  if (passwordGate_.cancelled()) hideToTray();
}

void MainForm::showFromTray() {
  const bool becomesVisible = !shown_;
  shown_ = true;
  changed();
  if (!becomesVisible) return;
  ui().trace("show TForm3");
  passwordGate_.passes();
  startTimer(Timer7);
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

void MainForm::loadLockFile() {
  if (advancedPage_.loadLockOptions()) startLockProgram(platform_.shell, platform_.files);
}

// The values of "开机设定" first (after the wake-up computation); a checked
// power-on day brings the start with Windows with it.
void MainForm::saveOptions() {
  if (dailySchedule_.save()) {
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
