#include "platform/sim/sim_world.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {
std::int64_t toMilliseconds(double seconds) { return std::llround(seconds * 1000.0); }
}  // namespace

SimWorld::SimWorld(const std::filesystem::path& directory, DateTime start)
    : time_(start),
      log_([this] { return formatDateTimeMs(time_.localNow()); }),
      files_(directory),
      registry_(log_),
      secrets_(log_),
      power_(log_),
      bios_(log_),
      shell_(log_, files_, bios_),
      system_(log_),
      hardware_(log_),
      network_(log_, time_),
      ui_(time_, log_),
      wakeTimer_(time_, log_),
      platform_{system_,   files_,    time_,    power_,   shell_,   registry_,
                hardware_, hardware_, network_, network_, secrets_, wakeTimer_, bios_} {
  time_.setLog(&log_);
  files_.setLog(&log_);
  time_.setHandlerRunner([this](const std::function<void()>& handler) { ui_.runHandler(handler); });
  loadInputs();
}

void SimWorld::loadInputs() {
  if (auto processes = files_.readFile(files_.programDirectory() / "processes.txt")) shell_.loadProcesses(*processes);
  if (auto cmos = files_.readFile(cmosFile())) {
    std::array<std::uint8_t, 128> bytes{};
    std::copy_n(cmos->begin(), std::min(cmos->size(), bytes.size()), bytes.begin());
    hardware_.setCmos(bytes);
    loadedCmos_ = bytes;
  }
  if (auto phonebook = files_.readFile(files_.programDirectory() / "phonebook.txt")) network_.loadPhonebook(*phonebook);
  if (auto bios = files_.readFile(files_.programDirectory() / "bios.bin")) {
    bios_.setRom(std::vector<std::uint8_t>(bios->begin(), bios->end()));
  }
}

void SimWorld::saveCmos() {
  const auto& cmos = hardware_.cmos();
  if (!loadedCmos_ && cmos == std::array<std::uint8_t, 128>{}) return;
  files_.writeFileFlushed(cmosFile(), std::string(cmos.begin(), cmos.end()));
}

void SimWorld::setPlatformId(int id) {
  system_.setPlatformId(id);
  power_.setTokenAvailable(id == static_cast<int>(PlatformFamily::NT));
  secrets_.setSupported(id == static_cast<int>(PlatformFamily::NT));
}

void SimWorld::run(double seconds, const std::function<void()>& first) {
  time_.setEnd(time_.tick() + toMilliseconds(seconds));
  ui_.setRunOver(false);
  try {
    if (first) first();
    time_.runUntil([this] { return ui_.quitRequested(); });
  } catch (const SimulationOver&) {
    // The end of the run: whatever is open stays open.
  }
  ui_.setRunOver(true);
}

void SimWorld::at(double seconds, std::function<void()> action) {
  time_.at(toMilliseconds(seconds), std::move(action));
}

void SimWorld::setClock(DateTime local) {
  log_.add("set-clock " + formatDateTime(local));
  time_.setLocalClock(local);
}

void SimWorld::sleep(double seconds) {
  const std::int64_t length = toMilliseconds(seconds);
  log_.add("sleep seconds=" + std::to_string(length / 1000));
  const std::optional<DateTime> due = wakeTimer_.due();
  const std::int64_t untilDue =
      due ? std::max<std::int64_t>(due->totalMilliseconds() - time_.localNow().totalMilliseconds(), 0) : 0;
  if (!due || untilDue > length) {
    time_.sleep(length);
    log_.add("resume");
    return;
  }
  time_.sleep(untilDue + wakeDelayMs_);
  log_.add("wake");
  wakeTimer_.signal();
}

}  // namespace orvane
