#pragma once
// The private data of the local security policy (LSA secrets):
// LsaStorePrivateData and LsaRetrievePrivateData, as UTF-16 strings
// converted from and to GBK with code page 936. Storing needs an
// administrator; a system whose policy keeps no private data (Wine) reports
// the store as unsupported.

#include "platform/secrets.h"

namespace orvane {

class Win32Secrets : public SecretStore {
 public:
  std::optional<std::string> retrieve(const std::string& name) override;
  SecretWrite store(const std::string& name, const std::string& data) override;
};

}  // namespace orvane
