#include "platform/menu.h"

namespace orvane {

MenuItem& Menu::add(MenuItem item) {
  items_.push_back(std::move(item));
  return items_.back();
}

MenuItem* Menu::find(std::string_view path) {
  std::vector<MenuItem>* level = &items_;
  MenuItem* found = nullptr;
  while (true) {
    const auto slash = path.find('/');
    const std::string_view caption = path.substr(0, slash);
    found = nullptr;
    for (auto& item : *level) {
      if (!item.isSeparator() && item.caption == caption) found = &item;
    }
    if (found == nullptr || slash == std::string_view::npos) return found;
    level = &found->children;
    path.remove_prefix(slash + 1);
  }
}

MenuItem* Menu::defaultEntry() {
  for (MenuItem& item : items_) {
    if (item.isDefault) return &item;
  }
  return nullptr;
}

}  // namespace orvane
