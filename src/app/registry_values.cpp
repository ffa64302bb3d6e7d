#include "app/registry_values.h"

#include "common/errors.h"

namespace orvane {

void writeRegistryValue(RegistryApi& registry, RegistryRoot root, const std::string& key, const std::string& value,
                        const std::string& data) {
  if (!registry.writeString(root, key, value, data)) throw OperationError(failedToSetDataMessage(value));
}

std::string readRegistryValue(RegistryApi& registry, RegistryRoot root, const std::string& key,
                              const std::string& value) {
  return registry.readString(root, key, value).value_or(std::string());
}

std::string failedToSetDataMessage(const std::string& value) { return "Failed to set data for '" + value + "'"; }

}  // namespace orvane
