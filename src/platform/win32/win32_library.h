#pragma once
// Functions of system libraries looked up at run time, for calls that older
// or trimmed-down systems lack (the process snapshot, SetSystemPowerState,
// the dial-up service, the per-monitor DPI functions). A library once loaded
// stays loaded for the life of the process.

#include <windows.h>

namespace orvane {

FARPROC libraryProcedure(const wchar_t* library, const char* name);

// The function `name` of `library` with the type `Function`, or nullptr.
template <typename Function>
Function* libraryFunction(const wchar_t* library, const char* name) {
  // Every function pointer type converts from and to void (*)() without a
  // warning about incompatible function types.
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(libraryProcedure(library, name)));
}

}  // namespace orvane
