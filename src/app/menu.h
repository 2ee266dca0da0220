#pragma once

#include <string>
#include <vector>

#include "controls/control.h"

namespace tamo::app {

// One menu of the main window's menu bar; an item captioned "-" is a separator line.
struct Menu {
  std::string name;
  std::string caption;
  std::vector<controls::Button*> items;
};

inline bool is_separator(const controls::Button& item) {
  return item.caption() == "-";
}

}  // namespace tamo::app
