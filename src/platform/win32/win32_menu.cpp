#include "platform/win32/win32_menu.h"
#include "platform/win32/win32_text.h"

namespace orvane {

HMENU NativeMenu::buildBar(std::vector<MenuItem>& items) {
  entries_.clear();
  HMENU menu = CreateMenu();
  fill(menu, items);
  return menu;
}

HMENU NativeMenu::buildPopup(std::vector<MenuItem>& items) {
  entries_.clear();
  HMENU menu = CreatePopupMenu();
  fill(menu, items);
  return menu;
}

MenuItem* NativeMenu::entry(UINT command) const {
  if (command < kFirstCommand || command - kFirstCommand >= entries_.size()) return nullptr;
  return entries_[command - kFirstCommand];
}

bool NativeMenu::run(UINT command) const {
  MenuItem* item = entry(command);
  if (item == nullptr) return false;
  if (item->action) item->action();
  return true;
}

void NativeMenu::fill(HMENU menu, std::vector<MenuItem>& items) {
  for (MenuItem& item : items) append(menu, item);
}

void NativeMenu::append(HMENU menu, MenuItem& item) {
  if (item.isSeparator()) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    return;
  }
  const std::wstring text = utf8ToWide(item.shortcut.empty() ? item.caption : item.caption + "\t" + item.shortcut);
  UINT flags = MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED);
  UINT_PTR command = 0;
  if (item.children.empty()) {
    command = kFirstCommand + entries_.size();
    entries_.push_back(&item);
  } else {
    HMENU submenu = CreatePopupMenu();
    fill(submenu, item.children);
    flags |= MF_POPUP;
    command = reinterpret_cast<UINT_PTR>(submenu);
  }
  AppendMenuW(menu, flags, command, text.c_str());
  if (item.isDefault) SetMenuDefaultItem(menu, static_cast<UINT>(GetMenuItemCount(menu) - 1), TRUE);
}

}  // namespace orvane
