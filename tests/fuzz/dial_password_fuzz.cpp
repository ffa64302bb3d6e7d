// The dial-up password decoder on any text (ASan guards its buffer), the
// encoder's output read back, EscapeIniName undone by its inverse, and a
// remembered password found again under its entry and user in "wake.ini"
// whatever the file held before.

#include "common/gbk.h"
#include "dialup/dial_password.h"
#include "dialup/dial_settings.h"
#include "fresh_world.h"
#include "fuzz_support.h"
#include "storage/settings_keys.h"

namespace orvane::fuzz {
namespace {

void checkDecoder(std::string_view text) {
  std::string badGroup;
  if (const auto password = DecodeDialPassword(text, &badGroup)) {
    require(password->size() <= 255, "a decoded password is longer than its length byte allows");
  } else {
    require(!badGroup.empty() && badGroup.size() <= 5 && text.find(badGroup) != std::string_view::npos,
            "a refused value does not name a group of it");
  }
}

void checkEncoder(std::string_view password, std::uint32_t tickCount) {
  const std::string encoded = EncodeDialPassword(password, tickCount);
  const std::size_t groups = encoded.size() / 5;
  require(encoded.size() % 5 == 0 && groups >= 5 && groups <= 128, "an encoded value has a wrong number of groups");
  require(encoded.find_first_not_of("0123456789") == std::string::npos, "an encoded value holds other than digits");
  require(DecodeDialPassword(encoded) == password.substr(0, 255), "an encoded password decodes changed");
}

// The escaped name turned back: "_" is " ", "\-" "=", "\A" "@", "\\" "\"
// and "\_" "_".
std::string unescaped(std::string_view escaped) {
  std::string name;
  for (std::size_t at = 0; at < escaped.size(); ++at) {
    if (escaped[at] == '_') {
      name += ' ';
    } else if (escaped[at] != '\\') {
      name += escaped[at];
    } else {
      require(++at < escaped.size(), "an escaped name ends in a lone backslash");
      const char mark = escaped[at];
      require(mark == '-' || mark == 'A' || mark == '\\' || mark == '_', "an escaped name holds an unknown escape");
      name += mark == '-' ? '=' : mark == 'A' ? '@' : mark;
    }
  }
  return name;
}

void checkEscape(std::string_view name) {
  const std::string escaped = EscapeIniName(name);
  require(escaped.find_first_of(" =@") == std::string::npos, "an escaped name holds a blank, \"=\" or \"@\"");
  require(trimBlanks(escaped) == escaped, "an escaped name has blanks at an end");
  require(unescaped(escaped) == trimBlanks(name), "two names escape alike");
}

void checkRemembered(FuzzInput& input) {
  FreshWorld world;
  const std::string before(input.part());
  if (!before.empty()) world->files().writeFileFlushed(world->files().programDirectory() / "wake.ini", before);
  DialChoice choice;
  choice.entryName = oneLineText(input.part());
  choice.userName = oneLineText(input.part());
  choice.password = oneLineText(input.part());
  choice.savePassword = true;
  IniSettings settings = wakeSettings(world->files());
  SaveDialSettings(settings, world->time(), choice);
  require(settings.read(wake_ini::kDialEntryName) == choice.entryName, "the entry name reads back changed");
  require(settings.read(wake_ini::kDialUserName) == choice.userName, "the user name reads back changed");
  require(DecodeDialPassword(settings.read(wake_ini::kDialPassword)) == choice.password.substr(0, 255),
          "the last password reads back changed");
  const std::string user = EscapeIniName(choice.userName);
  if (EscapeIniName(choice.entryName).empty() || user.empty()) return;
  const std::string stored = SavedDialPassword(settings, choice.entryName, choice.userName);
  require(DecodeDialPassword(stored) == choice.password.substr(0, 255), "a remembered password reads back changed");
  // A key already in the file keeps the letter case it had there.
  if (!before.empty()) return;
  bool listed = false;
  for (const std::string& shown : SavedDialUsers(settings, choice.entryName)) {
    listed = listed || equalsIgnoringAsciiCase(shown, user.substr(0, 100));
  }
  require(listed, "a remembered user is not listed under the entry");
}

}  // namespace

void checkInput(FuzzInput& input) {
  checkDecoder(input.rest());
  checkEncoder(input.rest(), static_cast<std::uint32_t>(input.rest().size() * 2654435761u));
  checkEscape(input.rest());
  checkRemembered(input);
}

}  // namespace orvane::fuzz
