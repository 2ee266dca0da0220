#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "controls/control.h"

namespace tamo::app {

// One entry of a menu. The caption marks its access key with "&" ("Ú&j"); a caption "-" is
// a separator line. The shortcut is written as the desktop writes it ("Ctrl+Shift+S", "F1").
struct MenuItem {
  std::string name;
  std::string caption;
  std::string shortcut;
  controls::Handler handler;
  std::string second_shortcut = {};  // another key for the same entry, or none
  bool enabled = true;
};

inline bool is_separator(const MenuItem& item) {
  return item.caption == "-";
}

// One menu of the main window's menu bar.
struct Menu {
  std::string name;
  std::string caption;
  std::vector<MenuItem> items;
};

// The main window's menus as data: adding an entry is one add_item call.
class MenuBar {
 public:
  void add_menu(std::string name, std::string caption);
  // Appends to the menu of that name, or puts the item right after the entry named `after`.
  // std::out_of_range for an unknown menu or entry.
  void add_item(std::string_view menu, MenuItem item, std::string_view after = {});
  void add_separator(std::string_view menu, std::string name);

  const std::vector<Menu>& menus() const { return menus_; }
  // The entry of that name in any menu; std::out_of_range for an unknown name.
  const MenuItem& item(std::string_view name) const;
  // The user chose the entry: its handler runs, unless the entry is off.
  void choose(std::string_view name) const;
  // An entry whose caption follows the program's state.
  void set_entry(std::string_view name, std::string caption, bool enabled);
  // Grows whenever a caption or an enabled state changed, so a view redraws only then.
  std::uint64_t revision() const { return revision_; }

 private:
  std::vector<Menu> menus_;
  std::uint64_t revision_ = 0;
};

}  // namespace tamo::app
