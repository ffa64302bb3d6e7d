#include "platform/sim/sim_system.h"

#include "platform/sim/event_log.h"

namespace orvane {

void SimSystem::trimWorkingSet() { log_.add("SetProcessWorkingSetSize min=-1 max=-1"); }

std::string SimSystem::environmentVariable(const std::string& name) {
  auto found = environment_.find(name);
  return found == environment_.end() ? std::string() : found->second;
}

}  // namespace orvane
