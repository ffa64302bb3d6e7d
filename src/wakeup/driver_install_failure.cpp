#include "wakeup/driver_install_failure.h"

namespace orvane {

void DriverInstallFailure::Button1Click() {
  if (restarted_) return;
  restarted_ = true;
  ui_.showMessage("Install PortDriver ERROR.\rPlease run again.", MessageButtons::Ok);
  platform_.shell.shellExecute("open", platform_.files.executablePath(), platform_.files.programDirectoryText());
  ui_.quit();
}

}  // namespace orvane
