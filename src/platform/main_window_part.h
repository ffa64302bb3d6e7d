#pragma once
// How a subsystem plugs into the main window. The main window's timers drive
// the whole program; each subsystem (the tasks, the power actions, and later
// the daily schedule, the wake timer, the clock, dial-up, the wizard) is a
// MainWindowPart: it names the main window's timers in whose ticks it takes
// its turn and has a step in the main window's creation handler. The main
// window composes its parts in one list (MainWindowParts); their order is
// the order of the start-up steps and of the turns in a shared timer.

#include <array>
#include <vector>

namespace orvane {

class Form;
class Ui;

// The main window's timers, by their resource names.
enum MainTimer : int { Timer1 = 1, Timer2 = 2, Timer3 = 3, Timer5 = 5, Timer6 = 6, Timer7 = 7, Timer9 = 9 };

struct MainTimerDefinition {
  MainTimer id;
  int intervalMs;
  bool runsFromStart;
  bool oneShot;  // stopped before its tick is handed out
};

// Timer1: the start-up power check; Timer2: the task tick, then the daily
// shutdown; Timer3: the start-up service's stop, then the clock
// synchronisation; Timer5: the rebuild checks, then working-set trimming;
// Timer6: the reminder window; Timer7: back to the tray after a cancelled
// password prompt; Timer9: the shutdown countdown.
inline constexpr std::array<MainTimerDefinition, 7> kMainTimers{{
    {Timer1, 1000, true, true},
    {Timer2, 1000, true, false},
    {Timer3, 29000, true, true},
    {Timer5, 30000, true, false},
    {Timer6, 1, false, true},
    {Timer7, 100, false, true},
    {Timer9, 1000, false, true},
}};

// The main window's timers as its parts start and stop them (SetTimer
// semantics: starting a running timer restarts its interval).
class MainTimers {
 public:
  virtual ~MainTimers() = default;
  virtual void startTimer(MainTimer timer) = 0;
  virtual void stopTimer(MainTimer timer) = 0;
};

class MainWindowPart {
 public:
  virtual ~MainWindowPart() = default;
  // The timers in whose ticks this part takes its turn; asked once, when the
  // part is added.
  virtual std::vector<MainTimer> timers() const { return {}; }
  virtual void timerFired(MainTimer) {}
  // Its step in the main window's creation handler, after the timers that
  // run from the start were started.
  virtual void startUp() {}
  // True when its start-up step ended the main window's start-up early
  // (the board detection's stop): the later parts' steps do not run.
  virtual bool endedStartUp() const { return false; }
};

class MainWindowParts : public MainTimers {
 public:
  // `window` is the main window's form: it owns the timers and shows what
  // the parts change.
  MainWindowParts(Ui& ui, Form& window) : ui_(ui), window_(window) {}

  void add(MainWindowPart& part);

  void startTimer(MainTimer timer) override;
  void stopTimer(MainTimer timer) override;
  // The creation handler's share: starts the timers that run from the
  // start, then runs each part's start-up step in order, until a part ends
  // the start-up early.
  void startUp();
  // A tick of the main window's timer: a one-shot timer is stopped, then
  // every part that takes part in it has its turn, in order.
  void timerFired(int timerId);
  // A part changed what the main window shows.
  void windowChanged();

 private:
  Ui& ui_;
  Form& window_;
  std::vector<MainWindowPart*> parts_;
  // The parts that take their turn in each timer's tick, in order, indexed
  // by the timer's number, so that a tick allocates nothing.
  std::array<std::vector<MainWindowPart*>, Timer9 + 1> turns_;
};

}  // namespace orvane
