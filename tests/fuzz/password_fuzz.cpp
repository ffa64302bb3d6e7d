// The lock program's and the prompt's password comparison: a password set
// over any "deskward.ini" opens both; any other entry opens them exactly when
// its scrambled form is the stored one, and then both agree. A password that
// cannot be stored is refused and the file stays as it was.

#include "app/password_prompt_form.h"
#include "common/errors.h"
#include "fresh_world.h"
#include "fuzz_support.h"
#include "lock/lock_screen.h"
#include "storage/lock_settings.h"
#include "storage/password_scramble.h"

namespace orvane::fuzz {
namespace {

// Whether the form closed with "确定" after `press` was done to it.
template <typename Press>
bool opens(Form& form, Press press) {
  form.opened();
  press();
  return !form.isOpen() && form.result() == Form::kResultOk;
}

// Sets the password as the set-password window stores it; false when the
// write was refused.
bool setPassword(FileSystem& files, const std::string& password) {
  const auto before = files.readFile(lockSettingsPath(files));
  try {
    lockSettings(files).write(deskward_ini::kPassword, scramblePassword(password));
    return true;
  } catch (const OperationError&) {
    require(files.readFile(lockSettingsPath(files)) == before, "a refused password changed the file");
    return false;
  }
}

void check(FuzzInput& input) {
  FreshWorld world;
  FileSystem& files = world->files();
  const std::string_view before = input.part();
  if (!before.empty()) files.writeFileFlushed(lockSettingsPath(files), before);
  const std::string password = oneLineText(input.part());
  const std::string typed = oneLineText(input.rest());

  const bool set = setPassword(files, password);
  const std::string stored = readStoredPassword(files);
  require(!set || stored == scramblePassword(password), "a password set reads back changed");
  const bool right = scramblePassword(typed) == stored;
  LockScreen lock(world->ui(), files);
  PasswordPromptForm prompt(world->ui(), files);
  if (set) {
    require(opens(lock, [&] { lock.unlockClicked(password); }), "the password set does not unlock");
    require(opens(prompt,
                  [&] {
                    prompt.entry = password;
                    prompt.okClicked();
                  }),
            "the password set is refused");
  }
  LockScreen lockAgain(world->ui(), files);
  require(opens(lockAgain, [&] { lockAgain.unlockClicked(typed); }) == right, "the lock decides wrongly");
  require(opens(prompt,
                [&] {
                  prompt.entry = typed;
                  prompt.okClicked();
                }) == right,
          "the prompt decides wrongly");
}

}  // namespace

void checkInput(FuzzInput& input) { check(input); }

}  // namespace orvane::fuzz
