#include "platform/win32/win32_files.h"
#include "platform/win32/win32_text.h"

#include <windows.h>

#include <algorithm>
#include <utility>

namespace orvane {

namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (valid()) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  // Closes the file now and tells whether that succeeded (the last write can
  // fail there).
  bool close() {
    const HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
    return CloseHandle(handle) != 0;
  }

 private:
  HANDLE handle_;
};

std::wstring modulePath() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::wstring systemDirectoryWide() {
  std::wstring buffer(GetSystemDirectoryW(nullptr, 0), L'\0');
  buffer.resize(GetSystemDirectoryW(buffer.data(), static_cast<UINT>(buffer.size())));
  return buffer;
}

// A directory as the program names it: GBK, without a trailing backslash.
std::string directoryText(const std::filesystem::path& directory) {
  std::string text = wideToGbk(directory.wstring());
  if (!text.empty() && text.back() == '\\') text.pop_back();
  return text;
}

}  // namespace

std::filesystem::path Win32Files::programDirectory() const { return std::filesystem::path(modulePath()).parent_path(); }

std::filesystem::path Win32Files::systemDirectory() const { return std::filesystem::path(systemDirectoryWide()); }

std::string Win32Files::programDirectoryText() const { return directoryText(programDirectory()); }

std::string Win32Files::systemDirectoryText() const { return directoryText(systemDirectory()); }

std::string Win32Files::executablePath() const { return wideToGbk(modulePath()); }

std::optional<std::string> Win32Files::readFile(const std::filesystem::path& path) {
  FileHandle file(
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return std::nullopt;
  std::string content;
  char buffer[16384];
  DWORD read = 0;
  do {
    if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) return std::nullopt;
    content.append(buffer, read);
  } while (read != 0);
  return content;
}

bool Win32Files::writeFileFlushed(const std::filesystem::path& path, std::string_view bytes) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return FlushFileBuffers(file.get()) && file.close();
}

bool Win32Files::moveReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool Win32Files::fileExists(const std::filesystem::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Files::removeFile(const std::filesystem::path& path) { return DeleteFileW(path.c_str()) != 0; }

std::filesystem::path Win32Files::temporaryDirectory() const {
  wchar_t buffer[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
  if (length == 0 || length > MAX_PATH) return {};
  return std::filesystem::path(std::wstring(buffer, length));
}

std::string Win32Files::pathText(const std::filesystem::path& path) const { return wideToGbk(path.wstring()); }

bool Win32Files::directoryExists(const std::filesystem::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32Files::createDirectory(const std::filesystem::path& path) {
  return CreateDirectoryW(path.c_str(), nullptr) != 0;
}

bool Win32Files::removeDirectory(const std::filesystem::path& path) { return RemoveDirectoryW(path.c_str()) != 0; }

}  // namespace orvane
