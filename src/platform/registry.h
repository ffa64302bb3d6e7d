#pragma once
// String values in the registry. Keys are opened for full access and
// created when missing on a write. Names and data are GBK.

#include <optional>
#include <string>

namespace orvane {

enum class RegistryRoot { LocalMachine, CurrentUser };

class RegistryApi {
 public:
  virtual ~RegistryApi() = default;
  // Nothing when the key cannot be opened or the value is missing.
  virtual std::optional<std::string> readString(RegistryRoot root, const std::string& key,
                                                const std::string& value) = 0;
  virtual bool writeString(RegistryRoot root, const std::string& key, const std::string& value,
                           const std::string& data) = 0;
  virtual bool deleteValue(RegistryRoot root, const std::string& key, const std::string& value) = 0;
};

}  // namespace orvane
