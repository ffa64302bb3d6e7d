#include "lock/lock_screen.h"

#include "app/password_scramble.h"
#include "power/lock_program.h"

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
