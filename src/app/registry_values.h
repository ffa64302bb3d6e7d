#pragma once
// The registry values the program keeps: the old Run value "Tressil" under
// HKEY_LOCAL_MACHINE (start with Windows on 9x/ME), the logon entry under the
// current user's Run key (start with Windows on the NT family), and the
// Winlogon values of the automatic logon. Names are ASCII, data GBK.

#include <string>

#include "platform/registry.h"

namespace orvane {

inline constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// Under HKEY_LOCAL_MACHINE: the executable's full path, unquoted.
inline constexpr const char* kMachineRunValue = "Tressil";
// Under HKEY_CURRENT_USER: the quoted path of the executable. Its name differs
// from kMachineRunValue so that the start-up migration, which deletes that
// value, never touches it.
inline constexpr const char* kUserRunValue = "Orvane";

inline constexpr const char* kWinlogonKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
inline constexpr const char* kAutoAdminLogonValue = "AutoAdminLogon";
inline constexpr const char* kDefaultUserNameValue = "DefaultUserName";
// The plain value under Winlogon, and the name of the private data that
// Winlogon prefers to it.
inline constexpr const char* kDefaultPasswordValue = "DefaultPassword";

// Writes a string value; a refused write throws OperationError
// "Failed to set data for '<value>'", which ends the running operation.
void writeRegistryValue(RegistryApi& registry, RegistryRoot root, const std::string& key, const std::string& value,
                        const std::string& data);
// An absent value and a key that cannot be opened read as empty.
std::string readRegistryValue(RegistryApi& registry, RegistryRoot root, const std::string& key,
                              const std::string& value);

std::string failedToSetDataMessage(const std::string& value);

}  // namespace orvane
