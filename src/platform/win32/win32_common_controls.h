#pragma once
// The common controls (comctl32: tabs, list views, date pickers, links), loaded
// when the first window that makes them is created rather than at start: the
// library registers all its control classes as it loads, which a program idle
// in the tray does not need.

namespace orvane {

// Loads the library and registers the control classes, once; a window made
// after a failed load shows without its common controls.
void loadCommonControls();

}  // namespace orvane
