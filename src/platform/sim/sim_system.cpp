#include "platform/sim/sim_system.h"

#include "platform/sim/event_log.h"

namespace orvane {

void SimSystem::trimWorkingSet() { log_.add("SetProcessWorkingSetSize min=-1 max=-1"); }

}  // namespace orvane
