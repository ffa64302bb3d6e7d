#include "dialup/dial_up_system.h"

namespace orvane {

DialUpSystem::DialUpSystem(Platform& platform, Ui& ui, AutoDial& autoDial) : dialer_(ui, platform, autoDial) {
  autoDial.DialCurrentEntry = [this] { dialer_.DialCurrentEntry(); };
  autoDial.ShowDialerWindow = [this] { dialer_.Show(); };
}

}  // namespace orvane
