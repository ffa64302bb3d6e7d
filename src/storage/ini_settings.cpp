#include "storage/ini_settings.h"

#include <utility>

#include "common/errors.h"
#include "common/gbk.h"
#include "common/profile_file.h"
#include "platform/files.h"
#include "storage/atomic_file.h"

namespace orvane {

IniSettings::IniSettings(FileSystem& files, std::filesystem::path path) : files_(files), path_(std::move(path)) {}

std::string IniSettings::read(std::string_view section, std::string_view key, std::string_view fallback) const {
  return load().read(section, key, fallback);
}

std::string IniSettings::read(const SettingKey& key) const { return read(key.section, key.key, key.fallback); }

bool IniSettings::isOn(const SettingKey& key) const { return isFlagOn(read(key)); }

void IniSettings::write(const SettingKey& key, std::string_view value) { write(key.section, key.key, value); }

void IniSettings::writeFlag(const SettingKey& key, bool on) { write(key, flagText(on)); }

std::vector<std::string> IniSettings::keys(std::string_view section) const { return load().keys(section); }

namespace {
// A CR or LF would end the line early and a NUL cut it short, so such a
// text cannot be read back and would break the lines after it.
bool fitsOneLine(std::string_view text) { return text.find_first_of(std::string_view("\r\n\0", 3)) == text.npos; }
}  // namespace

void IniSettings::write(std::string_view section, std::string_view key, std::string_view value) {
  if (!fitsOneLine(section) || !fitsOneLine(key) || !fitsOneLine(value))
    throw OperationError("Unable to write to " + shownPath());
  ProfileFile file = load();
  file.write(section, key, value);
  if (!replaceFileAtomically(files_, path_, file.serialize()))
    throw OperationError("Unable to write to " + shownPath());
}

ProfileFile IniSettings::load() const {
  return ProfileFile::parse(readFileRecovering(files_, path_).value_or(std::string()));
}

std::string IniSettings::shownPath() const {
  const std::filesystem::path directory = path_.parent_path().lexically_normal();
  const std::string name = path_.filename().u8string();
  if (directory == files_.programDirectory().lexically_normal()) {
    return gbkToUtf8(files_.programDirectoryText()) + "\\" + name;
  }
  if (directory == files_.systemDirectory().lexically_normal()) {
    return gbkToUtf8(files_.systemDirectoryText()) + "\\" + name;
  }
  return path_.u8string();
}

}  // namespace orvane
