#include "app/startup_service.h"

#include "platform/ui.h"

namespace orvane {

namespace {
constexpr std::uint32_t kStatusPauseMs = 1000;
}

void StartupService::startUp() {
  manager_ = platform_.services.openManager();
  if (manager_) service_ = platform_.services.openService(*manager_, kServiceName);
}

void StartupService::timerFired(MainTimer) {
  // Without a handle the stop request cannot succeed: nothing to wait for.
  if (!service_ || !platform_.services.stopService(*service_)) return;
  platform_.clock.pauseThread(kStatusPauseMs);
  waitWhileStopping(*service_);
}

void StartupService::waitWhileStopping(ServiceHandle service) {
  while (const auto state = platform_.services.queryServiceState(service)) {
    ui_.processMessages();
    if (*state != ServiceState::StopPending) return;
    platform_.clock.pauseThread(kStatusPauseMs);
  }
}

}  // namespace orvane
