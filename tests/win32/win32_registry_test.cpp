// String values in the real registry: GBK names and data survive the trip
// through the wide functions, keys are created on a write, and reads see
// only string values.

#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "common/gbk.h"
#include "platform/win32/win32_text.h"

namespace orvane {
namespace {

// A key of its own for each test run, removed with everything under it.
class Win32RegistryTest : public testing::TestWithParam<RegistryRoot> {
 protected:
  ~Win32RegistryTest() override {
    RegDeleteTreeW(rootKey(), gbkToWide(key).c_str());
    RegDeleteKeyW(rootKey(), gbkToWide(parent).c_str());
  }

  HKEY rootKey() const { return GetParam() == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

  // Stores raw data of any type, as another program might.
  void storeRaw(const std::string& value, DWORD type, const void* data, DWORD size) {
    HKEY opened = nullptr;
    ASSERT_EQ(
        RegCreateKeyExW(rootKey(), gbkToWide(key).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr),
        ERROR_SUCCESS);
    RegSetValueExW(opened, gbkToWide(value).c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(opened);
  }

  Win32Registry registry;
  // "Software\Orvane 测试\<process id>" in GBK.
  std::string parent = "Software\\Orvane \xB2\xE2\xCA\xD4";
  std::string key = parent + "\\" + std::to_string(GetCurrentProcessId());
};

TEST_P(Win32RegistryTest, WritesReadsAndDeletesAStringValue) {
  const std::string value = "\xC6\xF4\xB6\xAF";              // 启动
  const std::string data = "C:\\\xB9\xA4\xBE\xDF\\a b.exe";  // C:\工具\a b.exe
  if (!registry.writeString(GetParam(), key, value, data)) GTEST_SKIP() << "this account may not write here";

  EXPECT_EQ(registry.readString(GetParam(), key, value), data);
  EXPECT_EQ(registry.readString(GetParam(), asciiUpper(key), value), data) << "key names ignore case";
  EXPECT_TRUE(registry.writeString(GetParam(), key, value, ""));
  EXPECT_EQ(registry.readString(GetParam(), key, value), "");

  EXPECT_TRUE(registry.deleteValue(GetParam(), key, value));
  EXPECT_EQ(registry.readString(GetParam(), key, value), std::nullopt);
  EXPECT_FALSE(registry.deleteValue(GetParam(), key, value));
}

TEST_P(Win32RegistryTest, MissingKeysAndValuesReadAsNothing) {
  EXPECT_EQ(registry.readString(GetParam(), key, "Run"), std::nullopt);
  EXPECT_FALSE(registry.deleteValue(GetParam(), key, "Run"));
  if (!registry.writeString(GetParam(), key, "Other", "1")) GTEST_SKIP() << "this account may not write here";
  EXPECT_EQ(registry.readString(GetParam(), key, "Run"), std::nullopt);
}

TEST_P(Win32RegistryTest, ReadsOnlyStringsAndStopsAtTheTerminator) {
  const DWORD number = 1;
  storeRaw("Number", REG_DWORD, &number, sizeof number);
  EXPECT_EQ(registry.readString(GetParam(), key, "Number"), std::nullopt);

  // Data stored without a terminator, and data with text after one.
  const wchar_t unterminated[] = {L'a', L'b', L'c'};
  storeRaw("Unterminated", REG_SZ, unterminated, sizeof unterminated);
  EXPECT_EQ(registry.readString(GetParam(), key, "Unterminated"), "abc");
  const wchar_t twoTexts[] = L"one\0two";
  storeRaw("TwoTexts", REG_SZ, twoTexts, sizeof twoTexts);
  EXPECT_EQ(registry.readString(GetParam(), key, "TwoTexts"), "one");
}

INSTANTIATE_TEST_SUITE_P(Roots, Win32RegistryTest,
                         testing::Values(RegistryRoot::CurrentUser, RegistryRoot::LocalMachine),
                         [](const testing::TestParamInfo<RegistryRoot>& root) {
                           return root.param == RegistryRoot::CurrentUser ? "CurrentUser" : "LocalMachine";
                         });

}  // namespace
}  // namespace orvane
