#include "app/auto_logon.h"

#include "app/registry_values.h"
#include "common/errors.h"
#include "storage/ini_settings.h"

namespace orvane {

namespace {
constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
}

AutoLogonSettings AutoLogon::read() {
  RegistryApi& registry = platform_.registry;
  AutoLogonSettings settings;
  settings.enabled = isFlagOn(readRegistryValue(registry, kMachine, kWinlogonKey, kAutoAdminLogonValue));
  settings.userName = readRegistryValue(registry, kMachine, kWinlogonKey, kDefaultUserNameValue);
  const auto secret = platform_.secrets.retrieve(kDefaultPasswordValue);
  settings.password = secret ? *secret : readRegistryValue(registry, kMachine, kWinlogonKey, kDefaultPasswordValue);
  return settings;
}

void AutoLogon::save(const AutoLogonSettings& settings) {
  RegistryApi& registry = platform_.registry;
  if (!settings.enabled) {
    registry.deleteValue(kMachine, kWinlogonKey, kAutoAdminLogonValue);
    return;
  }
  writeRegistryValue(registry, kMachine, kWinlogonKey, kAutoAdminLogonValue, std::string(flagText(true)));
  writeRegistryValue(registry, kMachine, kWinlogonKey, kDefaultUserNameValue, settings.userName);
  savePassword(settings.password);
}

void AutoLogon::savePassword(const std::string& password) {
  switch (platform_.secrets.store(kDefaultPasswordValue, password)) {
    case SecretWrite::Stored:
      platform_.registry.deleteValue(kMachine, kWinlogonKey, kDefaultPasswordValue);
      return;
    case SecretWrite::Unsupported:
      writeRegistryValue(platform_.registry, kMachine, kWinlogonKey, kDefaultPasswordValue, password);
      return;
    case SecretWrite::Refused:
      break;
  }
  throw OperationError(failedToSetDataMessage(kDefaultPasswordValue));
}

}  // namespace orvane
