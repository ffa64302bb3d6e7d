#pragma once
// Dial-up networking (Remote Access Service). Names are GBK.

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

struct RasDialRequest {
  std::string entryName;
  std::string userName;
  std::string password;
};

class RasApi {
 public:
  virtual ~RasApi() = default;
  // RasEnumEntriesA with room for at most 16 entries; error code or 0.
  virtual std::uint32_t enumEntries(std::vector<std::string>& names) = 0;
  // RasDialA, asynchronous; error code or 0.
  virtual std::uint32_t dial(const RasDialRequest& request) = 0;
  // RasCreatePhonebookEntryA; error code or 0.
  virtual std::uint32_t createPhonebookEntry() = 0;
  virtual std::string errorString(std::uint32_t code) = 0;
};

}  // namespace orvane
