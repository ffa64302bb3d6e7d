#pragma once
// The automatic logon of the NT family: "AutoAdminLogon", "DefaultUserName"
// and the password under the Winlogon key of HKEY_LOCAL_MACHINE. The
// password is kept as the system's private data "DefaultPassword", which
// Winlogon reads and ordinary users cannot; a plain "DefaultPassword" value,
// readable by every local user, is removed when the private data is stored
// and is written only on a system without such a store.

#include <string>

#include "platform/platform.h"

namespace orvane {

struct AutoLogonSettings {
  bool enabled = false;
  std::string userName;  // GBK
  std::string password;  // GBK
};

class AutoLogon {
 public:
  explicit AutoLogon(Platform& platform) : platform_(platform) {}

  // "AutoAdminLogon" = "1" enables; the password comes from the private
  // data, or from a plain value that an older version left.
  AutoLogonSettings read();
  // Enabled: "AutoAdminLogon" = "1", the user name and the password.
  // Disabled: only "AutoAdminLogon" is deleted; name and password stay.
  // A refused write throws OperationError and ends the operation there.
  void save(const AutoLogonSettings& settings);

 private:
  void savePassword(const std::string& password);

  Platform& platform_;
};

}  // namespace orvane
