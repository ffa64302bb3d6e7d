#pragma once
// Dial-up networking (Remote Access Service), through its ANSI functions.
// The records are laid out as RasEnumEntriesA and RasDialA take them (4-byte
// packing, in their first, shortest forms); texts in them are GBK and end
// with a NUL inside their field.

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvane {

// RASENTRYNAMEA: one phone-book entry as RasEnumEntriesA lists it.
struct RasEntryName {
  std::uint32_t size;  // of one record, set in the first record by the caller
  char entryName[257];
};
static_assert(sizeof(RasEntryName) == 264);

// RASDIALPARAMSA without the sub-entry and callback-id fields.
struct RasDialParams {
  std::uint32_t size;
  char entryName[257];
  char phoneNumber[129];  // empty: the entry's stored number
  char callbackNumber[129];
  char userName[257];
  char password[257];
  char domain[16];
};
static_assert(sizeof(RasDialParams) == 1052);

// The private message that the dial's notifier posts to the dial-up window
// for each state change: wParam the connection state, lParam the error.
inline constexpr unsigned kRasDialNotice = 52429;

class RasApi {
 public:
  virtual ~RasApi() = default;
  // RasEnumEntriesA(no reserved value, default phone book, entries,
  // bufferSize, count): error code or 0. The service sets bufferSize and
  // count; on a buffer too small for the whole phone book it fills nothing.
  virtual std::uint32_t enumEntries(RasEntryName* entries, std::uint32_t& bufferSize, std::uint32_t& count) = 0;
  // RasDialA(no extensions, default phone book, params, notifier type 0,
  // the notifier, a fresh connection handle): asynchronous, returns once
  // the dial has started; error code or 0. The notifier posts
  // kRasDialNotice to the dial-up window and does nothing else.
  virtual std::uint32_t dial(const RasDialParams& params) = 0;
  // RasCreatePhonebookEntryA(the dial-up window, default phone book): the
  // system's dialog for a new entry; error code or 0.
  virtual std::uint32_t createPhonebookEntry() = 0;
  // RasGetErrorStringA into a buffer of this many bytes; empty when there
  // is no text.
  virtual std::string errorString(std::uint32_t code, std::size_t bufferSize) = 0;
};

}  // namespace orvane
