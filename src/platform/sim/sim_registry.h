#pragma once
// An in-memory registry of string values. Key and value names compare
// without regard to ASCII letter case, as in Windows. Tests can refuse
// writes under a root (no right to HKEY_LOCAL_MACHINE).

#include <map>
#include <set>
#include <string>
#include <tuple>

#include "platform/registry.h"

namespace orvane {

class EventLog;

class SimRegistry : public RegistryApi {
 public:
  explicit SimRegistry(EventLog& log) : log_(log) {}

  void refuseWritesUnder(RegistryRoot root) { refusedRoots_.insert(root); }
  // Sets a value without logging, for a test's starting state.
  void preset(RegistryRoot root, const std::string& key, const std::string& value, const std::string& data);

  std::optional<std::string> readString(RegistryRoot root, const std::string& key, const std::string& value) override;
  bool writeString(RegistryRoot root, const std::string& key, const std::string& value,
                   const std::string& data) override;
  bool deleteValue(RegistryRoot root, const std::string& key, const std::string& value) override;

 private:
  using Name = std::tuple<RegistryRoot, std::string, std::string>;
  static Name nameOf(RegistryRoot root, const std::string& key, const std::string& value);

  EventLog& log_;
  std::map<Name, std::string> values_;
  std::set<RegistryRoot> refusedRoots_;
};

}  // namespace orvane
