#include "app/menu.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace tamo::app {

namespace {
template <class Range>
auto find_named(Range& range, std::string_view name, const char* what) {
  auto it =
      std::find_if(range.begin(), range.end(), [name](const auto& x) { return x.name == name; });
  if (it == range.end())
    throw std::out_of_range(std::string("no ") + what + " named " + std::string(name));
  return it;
}

template <class Menus>
auto& find_item(Menus& menus, std::string_view name) {
  for (auto& m : menus)
    for (auto& i : m.items)
      if (i.name == name) return i;
  throw std::out_of_range("no menu entry named " + std::string(name));
}
}  // namespace

void MenuBar::add_menu(std::string name, std::string caption) {
  menus_.push_back({std::move(name), std::move(caption), {}});
}

void MenuBar::add_item(std::string_view menu, MenuItem item, std::string_view after) {
  std::vector<MenuItem>& items = find_named(menus_, menu, "menu")->items;
  auto at = after.empty() ? items.end() : std::next(find_named(items, after, "menu entry"));
  items.insert(at, std::move(item));
}

void MenuBar::add_separator(std::string_view menu, std::string name) {
  add_item(menu, {std::move(name), "-", {}, {}});
}

const MenuItem& MenuBar::item(std::string_view name) const {
  return find_item(menus_, name);
}

void MenuBar::choose(std::string_view name) const {
  if (const MenuItem& i = item(name); i.enabled && i.handler) i.handler();
}

void MenuBar::set_entry(std::string_view name, std::string caption, bool enabled) {
  MenuItem& i = find_item(menus_, name);
  if (i.caption == caption && i.enabled == enabled) return;
  i.caption = std::move(caption);
  i.enabled = enabled;
  ++revision_;
}

}  // namespace tamo::app
