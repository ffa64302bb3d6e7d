#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_text.h"

#include <windows.h>

#include <algorithm>

namespace orvane {

namespace {

HKEY rootKey(RegistryRoot root) { return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

class OpenKey {
 public:
  // Opens the key, or creates it when `create` is set.
  OpenKey(RegistryRoot root, const std::string& key, bool create) {
    const std::wstring name = gbkToWide(key);
    const LONG status = create ? RegCreateKeyExW(rootKey(root), name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                                 KEY_ALL_ACCESS, nullptr, &key_, nullptr)
                               : RegOpenKeyExW(rootKey(root), name.c_str(), 0, KEY_ALL_ACCESS, &key_);
    if (status != ERROR_SUCCESS) key_ = nullptr;
  }
  ~OpenKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

  explicit operator bool() const { return key_ != nullptr; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// The string data of a REG_SZ or REG_EXPAND_SZ value (not expanded).
std::optional<std::wstring> queryString(HKEY key, const std::wstring& value) {
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExW(key, value.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key, value.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  // The stored data may or may not end in a terminator; the text ends at the
  // first one.
  data.resize(std::min<std::size_t>(size / sizeof(wchar_t), data.size()));
  return std::wstring(data.c_str());
}

}  // namespace

std::optional<std::string> Win32Registry::readString(RegistryRoot root, const std::string& key,
                                                     const std::string& value) {
  OpenKey open(root, key, false);
  if (!open) return std::nullopt;
  auto data = queryString(open.get(), gbkToWide(value));
  if (!data) return std::nullopt;
  return wideToGbk(*data);
}

bool Win32Registry::writeString(RegistryRoot root, const std::string& key, const std::string& value,
                                const std::string& data) {
  OpenKey open(root, key, true);
  if (!open) return false;
  const std::wstring wide = gbkToWide(data);
  const DWORD size = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(open.get(), gbkToWide(value).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                        size) == ERROR_SUCCESS;
}

bool Win32Registry::deleteValue(RegistryRoot root, const std::string& key, const std::string& value) {
  OpenKey open(root, key, false);
  return open && RegDeleteValueW(open.get(), gbkToWide(value).c_str()) == ERROR_SUCCESS;
}

}  // namespace orvane
