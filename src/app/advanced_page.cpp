#include "app/advanced_page.h"

#include "app/set_password_form.h"
#include "storage/lock_settings.h"
#include "storage/settings_keys.h"

namespace orvane {

AdvancedPage::AdvancedPage(Platform& platform, Ui& ui, Form& owner)
    : platform_(platform), ui_(ui), owner_(owner), startWithWindows_(platform), autoLogon_(platform) {}

void AdvancedPage::loadStartWithWindows() {
  options_.startWithWindows = startWithWindows_.isOn();
  changed();
}

void AdvancedPage::loadAutoLogon() {
  if (ntFamily()) {
    const AutoLogonSettings settings = autoLogon_.read();
    options_.autoLogon = settings.enabled;
    options_.userName = settings.userName;
    options_.password = settings.password;
  } else {
    options_.userName = platform_.system.userName();
    options_.autoLogonAvailable = false;
  }
  autoLogonClicked();
}

bool AdvancedPage::loadLockOptions() {
  const IniSettings settings = lockSettings(platform_.files);
  options_.lockAtStart = settings.isOn(deskward_ini::kLockAtStart);
  options_.settingsNeedPassword = settings.isOn(deskward_ini::kSettingsNeedPassword);
  changed();
  return options_.lockAtStart;
}

void AdvancedPage::saveStartWithWindows() { startWithWindows_.set(options_.startWithWindows); }

void AdvancedPage::saveAutoLogon() {
  if (ntFamily()) autoLogon_.save({options_.autoLogon, options_.userName, options_.password});
}

void AdvancedPage::saveStartInTray() {
  IniSettings settings = wakeSettings(platform_.files);
  settings.writeFlag(wake_ini::kStartInTray, options_.startInTray);
}

void AdvancedPage::saveLockOptions() {
  IniSettings settings = lockSettings(platform_.files);
  settings.writeFlag(deskward_ini::kLockAtStart, options_.lockAtStart);
  settings.writeFlag(deskward_ini::kSettingsNeedPassword, options_.settingsNeedPassword);
}

void AdvancedPage::autoLogonClicked() {
  options_.autoLogonFieldsEnabled = options_.autoLogonAvailable && options_.autoLogon;
  changed();
}

void AdvancedPage::setPasswordClicked() {
  SetPasswordForm form(ui_, platform_.files);
  ui_.showModal(form);
}

}  // namespace orvane
