// Start with Windows and the automatic logon against the real registry and
// the real private data store: the values the program writes and deletes,
// read back with the registry functions themselves. Every value a test
// touches is put back as it was.

#include <windows.h>

#include <gtest/gtest.h>

#include "app/auto_logon.h"
#include "app/start_with_windows.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_text.h"
#include "test_support/temp_dir.h"

namespace orvane {
namespace {

const wchar_t* const kRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t* const kWinlogon = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";

// The real registry value, read past the program's own backend.
std::optional<std::wstring> registryValue(HKEY root, const wchar_t* key, const wchar_t* value) {
  wchar_t data[1024];
  DWORD size = sizeof(data);
  if (RegGetValueW(root, key, value, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) return std::nullopt;
  return std::wstring(data);
}

// A registry value as it was before the test, put back after it.
class KeptValue {
 public:
  KeptValue(HKEY root, const wchar_t* key, const wchar_t* value)
      : root_(root), key_(key), value_(value), before_(registryValue(root, key, value)) {}
  ~KeptValue() {
    if (before_) {
      RegSetKeyValueW(root_, key_, value_, REG_SZ, before_->c_str(),
                      static_cast<DWORD>((before_->size() + 1) * sizeof(wchar_t)));
    } else {
      RegDeleteKeyValueW(root_, key_, value_);
    }
  }
  KeptValue(const KeptValue&) = delete;
  KeptValue& operator=(const KeptValue&) = delete;

 private:
  HKEY root_;
  const wchar_t* key_;
  const wchar_t* value_;
  std::optional<std::wstring> before_;
};

// The real file system, with a scratch directory playing the program's.
class ScratchProgramFiles : public Win32Files {
 public:
  explicit ScratchProgramFiles(std::filesystem::path directory) : directory_(std::move(directory)) {}
  std::filesystem::path programDirectory() const override { return directory_; }
  std::string programDirectoryText() const override { return wideToGbk(directory_.wstring()); }

 private:
  std::filesystem::path directory_;
};

class SettingsRegistryTest : public testing::Test {
 protected:
  std::wstring quotedExecutable() { return L"\"" + gbkToWide(files.executablePath()) + L"\""; }

  TempDir directory;
  ScratchProgramFiles files{directory.path()};
  Win32Platform real{[] { return HWND{}; }};
  Platform& base = real.platform();
  Platform platform{base.system, files,        base.clock, base.power,   base.shell,     base.registry, base.services,
                    base.ports,  base.sockets, base.ras,   base.secrets, base.wakeTimer, base.bios};
};

TEST_F(SettingsRegistryTest, StartWithWindowsWritesAndRemovesTheUserLogonEntry) {
  ASSERT_TRUE(isNtFamily(platform.system));
  KeptValue kept(HKEY_CURRENT_USER, kRun, L"Orvane");
  StartWithWindows start(platform);
  start.set(true);
  EXPECT_EQ(registryValue(HKEY_CURRENT_USER, kRun, L"Orvane"), quotedExecutable());
  EXPECT_TRUE(start.isOn());
  start.set(false);
  EXPECT_FALSE(registryValue(HKEY_CURRENT_USER, kRun, L"Orvane"));
  EXPECT_FALSE(start.isOn());
}

TEST_F(SettingsRegistryTest, MigrationMovesTressilFromTheMachineToTheUser) {
  KeptValue keptMachine(HKEY_LOCAL_MACHINE, kRun, L"Tressil");
  KeptValue keptUser(HKEY_CURRENT_USER, kRun, L"Orvane");
  const std::wstring old = L"C:\\Old\\orvane.exe";
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, kRun, L"Tressil", REG_SZ, old.c_str(),
                            static_cast<DWORD>((old.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
  StartWithWindows(platform).migrate();
  EXPECT_FALSE(registryValue(HKEY_LOCAL_MACHINE, kRun, L"Tressil"));
  EXPECT_EQ(registryValue(HKEY_CURRENT_USER, kRun, L"Orvane"), quotedExecutable());
  EXPECT_TRUE(StartWithWindows(platform).isOn());
}

// Wine's policy keeps no private data (LsaStorePrivateData answers that the
// object is not found), so there the password falls back to the plain
// value; on Windows, as an administrator, it round-trips as a secret.
TEST_F(SettingsRegistryTest, TheLogonPasswordIsASecretWhereTheSystemKeepsOneAndPlainOtherwise) {
  KeptValue keptEnabled(HKEY_LOCAL_MACHINE, kWinlogon, L"AutoAdminLogon");
  KeptValue keptUser(HKEY_LOCAL_MACHINE, kWinlogon, L"DefaultUserName");
  KeptValue keptPassword(HKEY_LOCAL_MACHINE, kWinlogon, L"DefaultPassword");
  const bool secretKept = platform.secrets.store("OrvaneProbe", "probe") == SecretWrite::Stored;
  const std::string password = "\xC3\xDC\xC2\xEB 1";  // "密码 1"
  AutoLogon logon(platform);
  logon.save({true, "\xD5\xC5\xC8\xFD", password});  // "张三"
  EXPECT_EQ(registryValue(HKEY_LOCAL_MACHINE, kWinlogon, L"AutoAdminLogon"), L"1");
  EXPECT_EQ(registryValue(HKEY_LOCAL_MACHINE, kWinlogon, L"DefaultUserName"), L"张三");
  if (secretKept) {
    EXPECT_FALSE(registryValue(HKEY_LOCAL_MACHINE, kWinlogon, L"DefaultPassword"));
    EXPECT_EQ(platform.secrets.retrieve("DefaultPassword"), password);
  } else {
    EXPECT_EQ(registryValue(HKEY_LOCAL_MACHINE, kWinlogon, L"DefaultPassword"), L"密码 1");
  }
  EXPECT_EQ(logon.read().password, password);

  logon.save({false, "other", "other"});
  EXPECT_FALSE(registryValue(HKEY_LOCAL_MACHINE, kWinlogon, L"AutoAdminLogon"));
  EXPECT_EQ(registryValue(HKEY_LOCAL_MACHINE, kWinlogon, L"DefaultUserName"), L"张三");
  EXPECT_EQ(logon.read().password, password);
}

}  // namespace
}  // namespace orvane
