#include "platform/sim/sim_secrets.h"

#include "platform/sim/event_log.h"

namespace orvane {

std::optional<std::string> SimSecrets::retrieve(const std::string& name) {
  auto found = secrets_.find(name);
  if (!supported_ || found == secrets_.end()) return std::nullopt;
  return found->second;
}

SecretWrite SimSecrets::store(const std::string& name, const std::string& data) {
  const SecretWrite result = !supported_ ? SecretWrite::Unsupported
                             : refused_  ? SecretWrite::Refused
                                         : SecretWrite::Stored;
  const char* outcome = result == SecretWrite::Unsupported ? " -> unsupported"
                        : result == SecretWrite::Refused   ? " -> denied"
                                                           : "";
  log_.add("LsaStorePrivateData name=" + quotedGbk(name) + outcome);
  if (result == SecretWrite::Stored) secrets_[name] = data;
  return result;
}

}  // namespace orvane
