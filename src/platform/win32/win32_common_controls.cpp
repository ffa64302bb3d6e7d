#include "platform/win32/win32_common_controls.h"

#include <windows.h>

#include <commctrl.h>

#include "platform/win32/win32_library.h"

namespace orvane {

void loadCommonControls() {
  static const bool loaded = [] {
    const auto initialise = libraryFunction<decltype(InitCommonControlsEx)>(L"comctl32.dll", "InitCommonControlsEx");
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_LINK_CLASS};
    return initialise != nullptr && initialise(&controls) != FALSE;
  }();
  static_cast<void>(loaded);
}

}  // namespace orvane
