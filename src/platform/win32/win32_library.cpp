#include "platform/win32/win32_library.h"

namespace orvane {

FARPROC libraryProcedure(const wchar_t* library, const char* name) {
  HMODULE module = GetModuleHandleW(library);
  if (module == nullptr) module = LoadLibraryW(library);
  return module == nullptr ? nullptr : GetProcAddress(module, name);
}

}  // namespace orvane
