#include "lock/lock_screen.h"

#include "storage/lock_settings.h"
#include "storage/password_scramble.h"

namespace orvane {

void LockScreen::unlockClicked(const std::string& typed) {
  if (passwordMatches(typed, readStoredPassword(files_))) {
    close(kResultOk);
    return;
  }
  refused_ = true;
  changed();
}

}  // namespace orvane
