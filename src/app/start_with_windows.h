#pragma once
// Start with Windows ("随系统启动"). On Windows 9x/ME it is the Run value
// "Tressil" under HKEY_LOCAL_MACHINE. On the NT family the wish is kept in
// "autorun"/"run" of "\wake.ini" and carried out by a Run value of the
// current user, which starts the program at that user's logon on every NT
// system without administrator rights and is removed when the wish is
// turned off.

#include "platform/platform.h"

namespace orvane {

class StartWithWindows {
 public:
  explicit StartWithWindows(Platform& platform) : platform_(platform) {}

  // Start-up. NT family: a leftover "Tressil" value is deleted and turns
  // the wish on; when the wish is on, the logon entry is made to point at
  // this executable (silently: the next start tries again). 9x/ME: the
  // start-up service's file "\Velmora.exe" beside the executable is deleted.
  void migrate();
  bool isOn();
  // Refused writes throw OperationError and end the running operation.
  void set(bool on);

 private:
  bool ntFamily() const { return isNtFamily(platform_.system); }
  // Writes the command, or deletes the value when the command is empty.
  void setRunValue(RegistryRoot root, const std::string& value, const std::string& command);
  std::string logonCommand() const;
  bool logonEntryCurrent();

  Platform& platform_;
};

}  // namespace orvane
