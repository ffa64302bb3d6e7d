#pragma once
// The simulated private data store: present on the NT family, absent on
// Windows 9x/ME. Tests can make it refuse writes (no administrator right).
// The data never appear in the log.

#include <map>
#include <string>

#include "platform/secrets.h"

namespace orvane {

class EventLog;

class SimSecrets : public SecretStore {
 public:
  explicit SimSecrets(EventLog& log) : log_(log) {}

  void setSupported(bool supported) { supported_ = supported; }
  void refuseWrites() { refused_ = true; }

  std::optional<std::string> retrieve(const std::string& name) override;
  SecretWrite store(const std::string& name, const std::string& data) override;

 private:
  EventLog& log_;
  std::map<std::string, std::string> secrets_;
  bool supported_ = true;
  bool refused_ = false;
};

}  // namespace orvane
