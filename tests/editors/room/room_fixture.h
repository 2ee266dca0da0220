#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "editors/room/room_editor.h"
#include "fake_host.h"
#include "model/mixed_list.h"
#include "work_setup.h"

namespace tamo::testing {

// A list as (key, value) pairs, for comparing whole lists in one expectation.
inline std::vector<dmixed> entries(const MixedList& list) {
  return {list.begin(), list.end()};
}

// A headless room panel on an empty work, with helpers that act as the builder would.
class RoomEditorTest : public ::testing::Test {
 protected:
  RoomEditorTest() { host.stack(editor.forms()); }

  FakeHost host;
  Work& work = host.work();
  editors::RoomEditor editor{host};

  // Types the name into the panel (each keystroke runs filenameChange, as in the window).
  void choose_room(std::string_view name) {
    editor.filename.set_text({});
    editor.filename.type(name);
  }
  // A room stored through the panel's "Kész", with whatever tmproom holds.
  droom& commit_room(std::string_view name, std::string_view short_text = "Egy szoba",
                     std::string_view long_text = "Egy hosszu szoba.") {
    choose_room(name);
    editor.short_.user_set_text(std::string(short_text));
    editor.long_.user_set_text(std::string(long_text));
    editor.Button1.click();
    EXPECT_TRUE(host.messages.empty()) << host.messages.front();
    return *setup_room_named(work, name);
  }
  void add_monster(std::string_view name) { setup_mons(work, std::string(name)); }
  ditem& add_item(std::string_view name, std::string_view is_weapon = "0") {
    ditem& item = *setup_item(work, std::string(name));
    item.is_weapon = is_weapon;
    return item;
  }
};

}  // namespace tamo::testing
