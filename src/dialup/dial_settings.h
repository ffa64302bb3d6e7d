#pragma once
// The dial-up choice in "\wake.ini": section "Last" holds the entry, the
// user, both boxes and (when it is to be remembered) the encoded password;
// section "RAS_ENTRY_" + entry keeps, under "USER_" + user, the encoded
// password of every user remembered for that entry. Those keys are only
// ever added or overwritten. Names are GBK.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class ClockApi;
class IniSettings;

// What the dial-up window holds and dials.
struct DialChoice {
  std::string entryName;      // the entry list's text
  std::string userName;       // the user field
  std::string password;       // the password field
  bool autoDial = false;      // "自动拨号"
  bool savePassword = false;  // "保存密码"
};

// A name made fit for a section or key: bytes up to 32 removed at both
// ends, then byte by byte " " becomes "_", "=" "\-", "@" "\A", "\" "\\" and
// "_" "\_".
std::string EscapeIniName(std::string_view name);

// The remembered user names of an entry, as stored (escaped), in file
// order: the keys of its section that begin with exactly "USER_", each
// without that prefix and cut to 100 bytes.
std::vector<std::string> SavedDialUsers(const IniSettings& settings, std::string_view entryName);
// The stored (encoded) password of a user of an entry, or "*" when none is.
std::string SavedDialPassword(const IniSettings& settings, std::string_view entryName, std::string_view userName);

// "保存设置": the entry, the user and "自动拨号" into "Last"; with "保存密码"
// the password, encoded, into "Last" and, encoded again, under the entry
// and user when both have a name; without it "Last" forgets the password
// and the remembered ones stay.
void SaveDialSettings(IniSettings& settings, ClockApi& clock, const DialChoice& choice);

}  // namespace orvane
