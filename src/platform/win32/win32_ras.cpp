#include "platform/win32/win32_ras.h"

#include <ras.h>

#include <array>
#include <cwchar>

#include "common/gbk.h"
#include "platform/win32/win32_library.h"

namespace orvane {

namespace {

constexpr const wchar_t* kLibrary = L"rasapi32.dll";
// Room for this many phone book entries, as the dial-up window lists them.
constexpr std::size_t kMaxEntries = 16;

typedef DWORD(WINAPI EnumEntriesFunction)(LPCWSTR reserved, LPCWSTR phoneBook, RASENTRYNAMEW* entries, DWORD* size,
                                          DWORD* count);
typedef DWORD(WINAPI DialFunction)(RASDIALEXTENSIONS* extensions, LPCWSTR phoneBook, RASDIALPARAMSW* parameters,
                                   DWORD notifierType, void* notifier, HRASCONN* connection);
typedef DWORD(WINAPI CreateEntryFunction)(HWND owner, LPCWSTR phoneBook);
typedef DWORD(WINAPI ErrorStringFunction)(UINT code, LPWSTR text, DWORD size);

template <typename Function>
Function* rasFunction(const char* name) {
  return libraryFunction<Function>(kLibrary, name);
}

// Copies GBK text into a fixed field, cut to the field's size.
template <std::size_t N>
void copyText(WCHAR (&field)[N], const std::string& gbk) {
  std::wcsncpy(field, gbkToWide(gbk).c_str(), N - 1);
  field[N - 1] = L'\0';
}

void WINAPI ignoreDialState(UINT, RASCONNSTATE, DWORD) {}

}  // namespace

std::uint32_t Win32Ras::enumEntries(std::vector<std::string>& names) {
  names.clear();
  auto* enumerate = rasFunction<EnumEntriesFunction>("RasEnumEntriesW");
  if (enumerate == nullptr) return 0;
  std::array<RASENTRYNAMEW, kMaxEntries> entries{};
  entries[0].dwSize = sizeof(RASENTRYNAMEW);
  DWORD size = sizeof entries;
  DWORD count = 0;
  const DWORD result = enumerate(nullptr, nullptr, entries.data(), &size, &count);
  if (result != 0) return result;
  for (DWORD i = 0; i < count && i < kMaxEntries; ++i) names.push_back(wideToGbk(entries[i].szEntryName));
  return 0;
}

std::uint32_t Win32Ras::dial(const RasDialRequest& request) {
  auto* dialEntry = rasFunction<DialFunction>("RasDialW");
  if (dialEntry == nullptr) return ERROR_CALL_NOT_IMPLEMENTED;
  RASDIALPARAMSW parameters{};
  parameters.dwSize = sizeof parameters;
  copyText(parameters.szEntryName, request.entryName);
  // "*": the service takes the callback number and the domain stored with
  // the entry; the empty phone number takes the entry's own.
  copyText(parameters.szCallbackNumber, "*");
  copyText(parameters.szUserName, request.userName);
  copyText(parameters.szPassword, request.password);
  copyText(parameters.szDomain, "*");
  HRASCONN connection = nullptr;
  RASDIALFUNC notifier = ignoreDialState;
  return dialEntry(nullptr, nullptr, &parameters, 0, reinterpret_cast<void*>(notifier), &connection);
}

std::uint32_t Win32Ras::createPhonebookEntry() {
  auto* create = rasFunction<CreateEntryFunction>("RasCreatePhonebookEntryW");
  if (create == nullptr) return ERROR_CALL_NOT_IMPLEMENTED;
  return create(ownerWindow_(), nullptr);
}

std::string Win32Ras::errorString(std::uint32_t code) {
  auto* describe = rasFunction<ErrorStringFunction>("RasGetErrorStringW");
  WCHAR text[256] = {};
  if (describe == nullptr || describe(code, text, 256) != 0) return {};
  return wideToGbk(text);
}

}  // namespace orvane
