// The profile-file (INI) reader and writer on any file: a value written under
// a section and key of the kinds the program uses reads back exactly, from
// the object and from the saved bytes; the write changes only its own line
// (or adds its key, or its section and key); every other key reads as before.

#include <array>
#include <set>
#include <vector>

#include "common/gbk.h"
#include "common/profile_file.h"
#include "dialup/dial_settings.h"
#include "fuzz_support.h"

namespace orvane::fuzz {
namespace {

using Lines = std::vector<std::string_view>;

// A fixed name of the program's key table, or a name made from any text as
// the dial-up settings make theirs.
std::string nameOf(FuzzInput& input, const std::array<std::string_view, 4>& fixed, std::string_view prefix) {
  const std::uint8_t choice = input.byte();
  const std::string text = oneLineText(input.part());
  if (choice % 2 == 0) return std::string(fixed[choice / 2 % fixed.size()]);
  return std::string(prefix) + EscapeIniName(text);
}

// The lines of saved bytes, each of which ends in CR LF.
Lines linesOf(std::string_view bytes) {
  Lines lines;
  for (std::size_t end = bytes.find("\r\n"); end != std::string_view::npos; end = bytes.find("\r\n")) {
    lines.push_back(bytes.substr(0, end));
    bytes.remove_prefix(end + 2);
  }
  require(bytes.empty(), "saved bytes do not end with a line end");
  return lines;
}

// At most one line replaced, or one line inserted, or two lines appended.
bool onlyItsOwnLines(const Lines& before, const Lines& after) {
  const std::size_t size = before.size();
  if (after.size() == size + 2) return Lines(after.begin(), after.end() - 2) == before;
  std::size_t same = 0;
  while (same < size && before[same] == after[same]) ++same;
  if (after.size() == size + 1)
    return Lines(after.begin() + static_cast<std::ptrdiff_t>(same) + 1, after.end()) ==
           Lines(before.begin() + static_cast<std::ptrdiff_t>(same), before.end());
  if (after.size() != size || same == size) return after.size() == size;
  return Lines(after.begin() + static_cast<std::ptrdiff_t>(same) + 1, after.end()) ==
         Lines(before.begin() + static_cast<std::ptrdiff_t>(same) + 1, before.end());
}

// Every section name that the file's lines may hold, and the given ones.
std::set<std::string> sectionNames(const Lines& lines, std::initializer_list<std::string_view> given) {
  std::set<std::string> names(given.begin(), given.end());
  for (const std::string_view line : lines) {
    const std::string_view trimmed = trimBlanks(line);
    const std::size_t close = trimmed.rfind(']');
    if (!trimmed.empty() && trimmed.front() == '[' && close != std::string_view::npos)
      names.emplace(trimBlanks(trimmed.substr(1, close - 1)));
  }
  return names;
}

bool sameName(std::string_view a, std::string_view b) { return equalsIgnoringAsciiCase(trimBlanks(a), trimBlanks(b)); }

void checkOtherKeys(const ProfileFile& before, const ProfileFile& after, const Lines& lines, const std::string& section,
                    const std::string& key) {
  for (const std::string& name : sectionNames(lines, {section})) {
    std::vector<std::string> keys = before.keys(name);
    for (const std::string& added : after.keys(name)) keys.push_back(added);
    for (const std::string& other : keys) {
      if (sameName(name, section) && sameName(other, key)) continue;
      require(before.read(name, other) == after.read(name, other), "a write changed another key");
    }
  }
}

void check(FuzzInput& input) {
  const std::string section = nameOf(input, {"wake", "Option", "Last", "Timer"}, "RAS_ENTRY_");
  const std::string key = nameOf(input, {"et", "pword", "EntryName", "et11"}, "USER_");
  const std::string value = oneLineText(input.part());
  const ProfileFile before = ProfileFile::parse(input.rest());
  const std::string saved = before.serialize();
  require(ProfileFile::parse(saved).serialize() == saved, "a saved file saves differently after reading");

  ProfileFile after = before;
  after.write(section, key, value);
  require(after.read(section, key) == value, "a written value reads back changed");
  const std::string written = after.serialize();
  const ProfileFile reread = ProfileFile::parse(written);
  require(reread.read(section, key) == value, "a written value reads back changed from the saved file");
  const Lines lines = linesOf(saved);
  require(onlyItsOwnLines(lines, linesOf(written)), "a write changed lines other than its own");
  checkOtherKeys(before, reread, lines, section, key);
}

}  // namespace

void checkInput(FuzzInput& input) { check(input); }

}  // namespace orvane::fuzz
