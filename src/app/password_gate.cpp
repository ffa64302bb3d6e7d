#include "app/password_gate.h"

#include "app/settings_keys.h"

namespace orvane {

bool PasswordGate::passes() {
  prompt_.prepare();
  if (readSettingFlag(lockSettings(files_), deskward_ini::kSettingsNeedPassword)) ui_.showModal(prompt_);
  return !prompt_.cancelled();
}

}  // namespace orvane
