#pragma once
// A byte-exact INI ("profile") file with the lookup rules of the Windows
// profile functions: section and key names compare without regard to ASCII
// letter case; blanks around names and values are trimmed; a value enclosed
// in matching quotes loses them; the first matching section and key win (a
// key is looked for in the first section of that name only); a line without
// "=" is a key without a value, which reads as missing; lines before the first
// section belong to no section. A new key goes after the last non-blank line
// of its section, a new section at the end of the file. A written value reads
// back exactly as written (any bytes but CR, LF and NUL): one that reading
// would change (blanks at either end, enclosing quotes) is written in double
// quotes. Lines are written with CR LF; lines it does not understand
// (comments, junk) are kept as they are. Values are bytes, never converted
// through a code page.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class ProfileFile {
 public:
  ProfileFile() = default;
  static ProfileFile parse(std::string_view bytes);

  std::optional<std::string> read(std::string_view section, std::string_view key) const;
  std::string read(std::string_view section, std::string_view key, std::string_view fallback) const;
  // Key names of a section in file order (the first of duplicate names only).
  std::vector<std::string> keys(std::string_view section) const;

  void write(std::string_view section, std::string_view key, std::string_view value);
  void removeKey(std::string_view section, std::string_view key);

  std::string serialize() const;

 private:
  struct Line {
    std::string text;  // the line as stored, without its line end
  };
  std::optional<std::size_t> findSection(std::string_view section) const;
  std::optional<std::size_t> findKey(std::size_t sectionLine, std::string_view key) const;
  std::size_t endOfSection(std::size_t sectionLine) const;

  std::vector<Line> lines_;
};

}  // namespace orvane
