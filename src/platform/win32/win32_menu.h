#pragma once
// The Win32 form of the program's menus: a menu bar or a popup menu with the
// captions, separators, shortcuts, check marks, default entry (bold) and
// submenus of a Menu. Each entry gets a command id from kFirstCommand up, so
// that menu commands never collide with IDOK and IDCANCEL.

#include <windows.h>

#include <vector>

#include "platform/menu.h"

namespace orvane {

class NativeMenu {
 public:
  static constexpr UINT kFirstCommand = 0x100;

  // A menu bar for SetMenu (the window destroys it) or a popup menu for
  // TrackPopupMenu (the caller destroys it). The entries must stay where
  // they are while the menu is in use.
  HMENU buildBar(std::vector<MenuItem>& items);
  HMENU buildPopup(std::vector<MenuItem>& items);

  // The entry of a command id of the built menu, or nullptr.
  MenuItem* entry(UINT command) const;
  // Runs the entry of the command, if there is one and it has an action;
  // false when the command is not one of this menu's.
  bool run(UINT command) const;

 private:
  void fill(HMENU menu, std::vector<MenuItem>& items);
  void append(HMENU menu, MenuItem& item);

  std::vector<MenuItem*> entries_;
};

}  // namespace orvane
