#include "platform/win32/win32_ras.h"

#include <atomic>
#include <vector>

#include "platform/win32/win32_library.h"

namespace orvane {

namespace {

constexpr const wchar_t* kLibrary = L"rasapi32.dll";
constexpr const wchar_t* kNoticeClass = L"OrvaneDialNotices";

typedef DWORD(WINAPI EnumEntriesFunction)(LPCSTR reserved, LPCSTR phoneBook, RasEntryName* entries, DWORD* size,
                                          DWORD* count);
typedef DWORD(WINAPI DialFunction)(void* extensions, LPCSTR phoneBook, RasDialParams* parameters, DWORD notifierType,
                                   void* notifier, HANDLE* connection);
typedef DWORD(WINAPI CreateEntryFunction)(HWND owner, LPCSTR phoneBook);
typedef DWORD(WINAPI ErrorStringFunction)(UINT code, LPSTR text, DWORD size);

template <typename Function>
Function* rasFunction(const char* name) {
  return libraryFunction<Function>(kLibrary, name);
}

// The notifier has no context: the window it posts to is kept here. The
// service may call it on a thread of its own.
std::atomic<HWND> gNoticeWindow{nullptr};

// RasDialFunc: message, connection state, error code.
void WINAPI postDialState(UINT, DWORD state, DWORD error) {
  const HWND window = gNoticeWindow.load();
  if (window != nullptr) PostMessageW(window, kRasDialNotice, state, static_cast<LPARAM>(error));
}

}  // namespace

Win32Ras::~Win32Ras() {
  if (noticeWindow_ == nullptr) return;
  gNoticeWindow.store(nullptr);
  DestroyWindow(noticeWindow_);
}

std::uint32_t Win32Ras::enumEntries(RasEntryName* entries, std::uint32_t& bufferSize, std::uint32_t& count) {
  auto* enumerate = rasFunction<EnumEntriesFunction>("RasEnumEntriesA");
  if (enumerate == nullptr) return ERROR_CALL_NOT_IMPLEMENTED;
  DWORD size = bufferSize;
  DWORD entriesListed = count;
  const DWORD result = enumerate(nullptr, nullptr, entries, &size, &entriesListed);
  bufferSize = size;
  count = entriesListed;
  return result;
}

std::uint32_t Win32Ras::dial(const RasDialParams& params) {
  auto* dialEntry = rasFunction<DialFunction>("RasDialA");
  if (dialEntry == nullptr) return ERROR_CALL_NOT_IMPLEMENTED;
  gNoticeWindow.store(noticeWindow());
  RasDialParams record = params;  // the service may write into it
  HANDLE connection = nullptr;
  return dialEntry(nullptr, nullptr, &record, 0, reinterpret_cast<void*>(postDialState), &connection);
}

// The dialog belongs to the program's active window (the dial-up window
// whose button asked for it).
std::uint32_t Win32Ras::createPhonebookEntry() {
  auto* create = rasFunction<CreateEntryFunction>("RasCreatePhonebookEntryA");
  if (create == nullptr) return ERROR_CALL_NOT_IMPLEMENTED;
  HWND owner = GetActiveWindow();
  if (owner == nullptr) owner = ownerWindow_();
  return create(owner, nullptr);
}

std::string Win32Ras::errorString(std::uint32_t code, std::size_t bufferSize) {
  auto* describe = rasFunction<ErrorStringFunction>("RasGetErrorStringA");
  if (describe == nullptr || bufferSize == 0) return {};
  std::vector<char> text(bufferSize, '\0');
  if (describe(code, text.data(), static_cast<DWORD>(text.size())) != 0) return {};
  text.back() = '\0';
  return text.data();
}

HWND Win32Ras::noticeWindow() {
  if (noticeWindow_ != nullptr) return noticeWindow_;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kNoticeClass;
  RegisterClassExW(&windowClass);
  noticeWindow_ =
      CreateWindowExW(0, kNoticeClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
  return noticeWindow_;
}

}  // namespace orvane
