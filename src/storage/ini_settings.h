#pragma once
// One INI file read and written one key at a time, as the program's settings
// readers and writers expect: every read opens the file afresh and every
// write rewrites it at once (atomically). A refused write throws
// OperationError "Unable to write to <path>", the path as the program names
// it (the directory's Windows text, a backslash and the file name); so does,
// without touching the file, a section, key or value holding CR, LF or NUL,
// which the file could not keep on its line.
//
// Keys of the program's own settings come from the key table
// (storage/settings_keys.h, storage/lock_settings.h) and are read with the
// table's default; section and key texts are for keys that are made at run
// time (the dial-up entries' saved passwords).

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/profile_file.h"

namespace orvane {

class FileSystem;

// A key of the key table: section, key and the default a reader gets when
// the key is missing.
struct SettingKey {
  std::string_view section;
  std::string_view key;
  std::string_view fallback;
};

// The one flag rule of the program's settings: only the exact text "1" is
// on; a flag is written as "1" or "0".
inline bool isFlagOn(std::string_view text) { return text == "1"; }
inline std::string_view flagText(bool on) { return on ? "1" : "0"; }

class IniSettings {
 public:
  IniSettings(FileSystem& files, std::filesystem::path path);

  std::string read(const SettingKey& key) const;
  bool isOn(const SettingKey& key) const;
  void write(const SettingKey& key, std::string_view value);
  void writeFlag(const SettingKey& key, bool on);

  std::string read(std::string_view section, std::string_view key, std::string_view fallback) const;
  std::vector<std::string> keys(std::string_view section) const;
  void write(std::string_view section, std::string_view key, std::string_view value);

  const std::filesystem::path& path() const { return path_; }

 private:
  ProfileFile load() const;
  std::string shownPath() const;

  FileSystem& files_;
  std::filesystem::path path_;
};

}  // namespace orvane
