#pragma once
// The simulated Windows: virtual time, files in a directory on disk, an
// in-memory registry, the platform family, power calls, processes, services,
// ports and CMOS, a BIOS ROM, time servers, a RAS phone book, scripted
// answers for message boxes and windows, and the log of everything the
// program did.

#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

#include "platform/platform.h"
#include "platform/sim/event_log.h"
#include "platform/sim/sim_bios_memory.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_hardware.h"
#include "platform/sim/sim_network.h"
#include "platform/sim/sim_power.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_secrets.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_system.h"
#include "platform/sim/sim_time.h"
#include "platform/sim/sim_ui.h"
#include "platform/sim/sim_wake_timer.h"

namespace orvane {

class SimWorld {
 public:
  // `directory` plays the program's directory; its "system" subdirectory the
  // Windows system directory. Optional inputs there: processes.txt,
  // cmos.bin (128 bytes), bios.bin (65,536 bytes of F0000-FFFFF),
  // phonebook.txt (the RAS phone book, one GBK entry name per line).
  SimWorld(const std::filesystem::path& directory, DateTime start);

  // 2 = NT family, 1 = Windows 9x/ME (no process token, no private data
  // store), anything else as is.
  void setPlatformId(int id);

  // Runs `first` (the program's start, which may open modal windows) and
  // then the scripted events and timers, for this many seconds of virtual
  // time from now or until the program quits.
  void run(double seconds, const std::function<void()>& first = {});
  // Writes the CMOS back to DIR/cmos.bin (128 bytes), so that a caller sees
  // every change; a run that had no such file and changed no byte leaves
  // none behind.
  void saveCmos();
  // Schedules an event this many seconds after the start.
  void at(double seconds, std::function<void()> action);
  // The clock is set, or the machine sleeps, as scripted events do. The
  // clock runs on through sleep; no timer fires. When the wake timer's due
  // time falls inside the sleep, the machine wakes then ("wake") and the
  // timer's expiry comes first; otherwise it resumes at the end ("resume").
  void setClock(DateTime local);
  void sleep(double seconds);
  // A wake by the wake timer comes this many seconds after its due time, as
  // a slow resume from hibernation does.
  void setWakeDelay(double seconds) { wakeDelayMs_ = std::llround(seconds * 1000.0); }

  Platform& platform() { return platform_; }
  EventLog& log() { return log_; }
  SimTime& time() { return time_; }
  SimUi& ui() { return ui_; }
  SimFiles& files() { return files_; }
  SimRegistry& registry() { return registry_; }
  SimSecrets& secrets() { return secrets_; }
  SimPower& power() { return power_; }
  SimShell& shell() { return shell_; }
  SimSystem& system() { return system_; }
  SimHardware& hardware() { return hardware_; }
  SimBiosMemory& bios() { return bios_; }
  SimNetwork& network() { return network_; }
  SimWakeTimer& wakeTimer() { return wakeTimer_; }

 private:
  void loadInputs();
  std::filesystem::path cmosFile() { return files_.programDirectory() / "cmos.bin"; }

  SimTime time_;
  EventLog log_;
  SimFiles files_;
  SimRegistry registry_;
  SimSecrets secrets_;
  SimPower power_;
  SimBiosMemory bios_;
  SimShell shell_;
  SimSystem system_;
  SimHardware hardware_;
  SimNetwork network_;
  SimUi ui_;
  SimWakeTimer wakeTimer_;
  Platform platform_;
  std::optional<std::array<std::uint8_t, 128>> loadedCmos_;
  std::int64_t wakeDelayMs_ = 0;
};

}  // namespace orvane
