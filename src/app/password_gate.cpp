#include "app/password_gate.h"

#include "storage/lock_settings.h"

namespace orvane {

bool PasswordGate::passes() {
  prompt_.prepare();
  if (!lockSettings(files_).isOn(deskward_ini::kSettingsNeedPassword)) return true;
  // Only "确定" with the right password is a success: a prompt closed in any
  // other way, even as the program ends, is not.
  return ui_.showModal(prompt_) == Form::kResultOk;
}

}  // namespace orvane
