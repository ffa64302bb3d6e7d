#include "common/profile_file.h"

#include "common/gbk.h"

namespace orvane {

namespace {

// A line "[name]" (blanks around it and around the name ignored; text after
// the last "]" ignored) opens a section.
std::optional<std::string_view> sectionNameOf(std::string_view line) {
  const std::string_view trimmed = trimBlanks(line);
  if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
  const std::size_t close = trimmed.rfind(']');
  if (close == std::string_view::npos) return std::nullopt;
  return trimBlanks(trimmed.substr(1, close - 1));
}

// Any other line that is not blank is a key: "name=value", or just "name"
// when it has no "=" (a key without a value, which reads as missing).
struct KeyLine {
  std::string_view name;
  std::optional<std::string_view> value;
};

KeyLine keyLineOf(std::string_view line) {
  const std::string_view trimmed = trimBlanks(line);
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return {trimmed, std::nullopt};
  return {trimBlanks(trimmed.substr(0, equals)), trimBlanks(trimmed.substr(equals + 1))};
}

bool isBlankLine(std::string_view line) { return trimBlanks(line).empty(); }

// A value enclosed in a matching pair of quotes (double or single) reads
// without them.
std::string_view unquoted(std::string_view value) {
  const bool quoted =
      value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
  return quoted ? value.substr(1, value.size() - 2) : value;
}

// The text that reads back as exactly `value`: the value itself, or the value
// in double quotes when reading would trim its blanks or strip its quotes
// (the Windows profile functions strip those quotes too).
std::string storedValue(std::string_view value) {
  if (unquoted(trimBlanks(value)) == value) return std::string(value);
  return "\"" + std::string(value) + "\"";
}

}  // namespace

ProfileFile ProfileFile::parse(std::string_view bytes) {
  ProfileFile file;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    file.lines_.push_back({std::string(line)});
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
  }
  return file;
}

std::optional<std::string> ProfileFile::read(std::string_view section, std::string_view key) const {
  const auto sectionLine = findSection(section);
  if (!sectionLine) return std::nullopt;
  const auto keyLine = findKey(*sectionLine, key);
  if (!keyLine) return std::nullopt;
  const auto value = keyLineOf(lines_[*keyLine].text).value;
  if (!value) return std::nullopt;
  return std::string(unquoted(*value));
}

std::string ProfileFile::read(std::string_view section, std::string_view key, std::string_view fallback) const {
  return read(section, key).value_or(std::string(fallback));
}

std::vector<std::string> ProfileFile::keys(std::string_view section) const {
  std::vector<std::string> names;
  const auto sectionLine = findSection(section);
  if (!sectionLine) return names;
  const std::size_t end = endOfSection(*sectionLine);
  for (std::size_t i = *sectionLine + 1; i < end; ++i) {
    if (isBlankLine(lines_[i].text)) continue;
    const KeyLine line = keyLineOf(lines_[i].text);
    const bool listed = line.value && !line.name.empty() && line.name.front() != ';';
    if (listed && findKey(*sectionLine, line.name) == i) names.emplace_back(line.name);
  }
  return names;
}

void ProfileFile::write(std::string_view section, std::string_view key, std::string_view value) {
  const auto sectionLine = findSection(section);
  if (!sectionLine) {
    lines_.push_back({"[" + std::string(trimBlanks(section)) + "]"});
    lines_.push_back({std::string(trimBlanks(key)) + "=" + storedValue(value)});
    return;
  }
  if (const auto keyLine = findKey(*sectionLine, key)) {
    Line& line = lines_[*keyLine];
    line.text = std::string(keyLineOf(line.text).name) + "=" + storedValue(value);
    return;
  }
  std::size_t last = endOfSection(*sectionLine) - 1;
  while (last > *sectionLine && isBlankLine(lines_[last].text)) --last;
  const auto at = lines_.begin() + static_cast<std::ptrdiff_t>(last + 1);
  lines_.insert(at, {std::string(trimBlanks(key)) + "=" + storedValue(value)});
}

void ProfileFile::removeKey(std::string_view section, std::string_view key) {
  const auto sectionLine = findSection(section);
  if (!sectionLine) return;
  if (const auto keyLine = findKey(*sectionLine, key))
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*keyLine));
}

std::string ProfileFile::serialize() const {
  std::string bytes;
  for (const Line& line : lines_) {
    bytes += line.text;
    bytes += "\r\n";
  }
  return bytes;
}

std::optional<std::size_t> ProfileFile::findSection(std::string_view section) const {
  const std::string_view wanted = trimBlanks(section);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = sectionNameOf(lines_[i].text);
    if (name && equalsIgnoringAsciiCase(*name, wanted)) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> ProfileFile::findKey(std::size_t sectionLine, std::string_view key) const {
  const std::string_view wanted = trimBlanks(key);
  const std::size_t end = endOfSection(sectionLine);
  for (std::size_t i = sectionLine + 1; i < end; ++i) {
    if (!isBlankLine(lines_[i].text) && equalsIgnoringAsciiCase(keyLineOf(lines_[i].text).name, wanted)) return i;
  }
  return std::nullopt;
}

std::size_t ProfileFile::endOfSection(std::size_t sectionLine) const {
  std::size_t end = sectionLine + 1;
  while (end < lines_.size() && !sectionNameOf(lines_[end].text)) ++end;
  return end;
}

}  // namespace orvane
