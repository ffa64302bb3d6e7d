#pragma once
// A menu as the program builds it: captions (UTF-8), separators, check
// marks, a default entry, submenus and the handler of each entry. The Win32
// view turns it into real menus; the simulator chooses entries by their
// captions ("文件(&F)/关机", "tray/快速执行/重启").

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct MenuItem {
  MenuItem() = default;
  explicit MenuItem(std::string text, std::function<void()> handler = {})
      : caption(std::move(text)), action(std::move(handler)) {}

  std::string caption;  // empty for a separator
  std::function<void()> action;
  std::vector<MenuItem> children;
  std::string shortcut;  // shown beside the caption, as "F1"
  bool isDefault = false;
  bool checked = false;

  bool isSeparator() const { return caption.empty(); }
  static MenuItem separator() { return MenuItem(); }
};

class Menu {
 public:
  std::vector<MenuItem>& items() { return items_; }
  const std::vector<MenuItem>& items() const { return items_; }
  MenuItem& add(MenuItem item);

  // The entry at a path of captions separated by "/"; nullptr when absent.
  MenuItem* find(std::string_view path);
  // The default entry (shown bold) of the top level; nullptr when none.
  MenuItem* defaultEntry();

 private:
  std::vector<MenuItem> items_;
};

}  // namespace orvane
