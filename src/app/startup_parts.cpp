#include "app/startup_parts.h"

#include "app/advanced_page.h"
#include "power/lock_program.h"

namespace orvane {

void LockAtStart::startUp() {
  if (page_.loadLockOptions()) startLockProgram(platform_.shell, platform_.files);
}

void WorkingSetTrim::timerFired(MainTimer) {
  if (!isNtFamily(platform_.system)) return;
  platform_.system.trimWorkingSet();
  ui_.processMessages();
}

}  // namespace orvane
