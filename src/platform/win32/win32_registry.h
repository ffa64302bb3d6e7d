#pragma once
// String values under HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER. Keys are
// opened with KEY_ALL_ACCESS (so reading a machine key needs the rights to
// change it, as the program has always asked) and created on a write.

#include "platform/registry.h"

namespace orvane {

class Win32Registry : public RegistryApi {
 public:
  std::optional<std::string> readString(RegistryRoot root, const std::string& key, const std::string& value) override;
  bool writeString(RegistryRoot root, const std::string& key, const std::string& value,
                   const std::string& data) override;
  bool deleteValue(RegistryRoot root, const std::string& key, const std::string& value) override;
};

}  // namespace orvane
