#pragma once
// The local system's private data store (LSA secrets, kept by the system
// where only administrators reach them): LsaStorePrivateData and
// LsaRetrievePrivateData on the local policy. Names and data are GBK.

#include <optional>
#include <string>

namespace orvane {

enum class SecretWrite {
  Stored,
  Refused,      // the store exists but would not take the data (no right)
  Unsupported,  // the system keeps no private data (Windows 9x/ME)
};

class SecretStore {
 public:
  virtual ~SecretStore() = default;
  // Nothing when the secret is missing, unreadable or the store is absent.
  virtual std::optional<std::string> retrieve(const std::string& name) = 0;
  virtual SecretWrite store(const std::string& name, const std::string& data) = 0;
};

}  // namespace orvane
