#include "platform/sim/sim_registry.h"

#include "common/gbk.h"
#include "platform/sim/event_log.h"

namespace orvane {

namespace {
std::string rootName(RegistryRoot root) { return root == RegistryRoot::LocalMachine ? "HKLM" : "HKCU"; }

std::string describe(RegistryRoot root, const std::string& key, const std::string& value) {
  return "key=" + quotedGbk(rootName(root) + "\\" + key) + " value=" + quotedGbk(value);
}
}  // namespace

SimRegistry::Name SimRegistry::nameOf(RegistryRoot root, const std::string& key, const std::string& value) {
  return {root, asciiUpper(key), asciiUpper(value)};
}

void SimRegistry::preset(RegistryRoot root, const std::string& key, const std::string& value, const std::string& data) {
  values_[nameOf(root, key, value)] = data;
}

std::optional<std::string> SimRegistry::readString(RegistryRoot root, const std::string& key,
                                                   const std::string& value) {
  auto found = values_.find(nameOf(root, key, value));
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

bool SimRegistry::writeString(RegistryRoot root, const std::string& key, const std::string& value,
                              const std::string& data) {
  const bool refused = refusedRoots_.count(root) != 0;
  log_.add("RegSetValue " + describe(root, key, value) + " data=" + quotedGbk(data) + (refused ? " -> denied" : ""));
  if (refused) return false;
  values_[nameOf(root, key, value)] = data;
  return true;
}

bool SimRegistry::deleteValue(RegistryRoot root, const std::string& key, const std::string& value) {
  const bool existed = values_.erase(nameOf(root, key, value)) != 0;
  log_.add("RegDeleteValue " + describe(root, key, value) + (existed ? "" : " -> missing"));
  return existed;
}

}  // namespace orvane
