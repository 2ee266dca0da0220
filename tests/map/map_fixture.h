#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "map/layout.h"
#include "model/work.h"
#include "work_setup.h"

namespace tamo::map::testing {

using Exits = std::vector<std::pair<std::string, std::string>>;

class MapTest : public ::testing::Test {
 protected:
  // A room with its exits (name, target) in order.
  droom& room(const std::string& name, const Exits& exits = {}) {
    droom& r = *setup_room(work, name);
    r.short_ = "A " + name + " szoba";
    for (const auto& [exit, target] : exits) add_mixed(r.exits, exit, target);
    return r;
  }
  std::string picture() const { return layout_text(layout_map(work)); }

  Work work;
};

}  // namespace tamo::map::testing
