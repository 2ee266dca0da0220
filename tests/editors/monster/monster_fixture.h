#pragma once

#include <gtest/gtest.h>

#include <string>

#include "editors/monster/monster_editor.h"
#include "fake_host.h"
#include "work_setup.h"

namespace tamo::editors {

// A creature panel on an empty work, with helpers that act as a builder would.
class MonsterEditorTest : public ::testing::Test {
 protected:
  MonsterEditorTest() { host.stack(ed.forms()); }

  Work& work() { return host.work(); }

  // Types a complete, acceptable creature into the panel.
  void type_creature(const std::string& filename) {
    ed.panel.filename.type(filename);
    ed.panel.name.type("Ork");
    ed.panel.short_text.type("egy ork");
    ed.panel.long_text.type("Egy nagy, zöld ork.");
    ed.level.type("12");
    ed.race.user_select(ed.race.index_of("ork"));
    ed.gender.user_select(ed.gender.index_of("ferfi"));
    ed.class1.user_select(ed.class1.index_of("harcos"));
    ed.money.type("150");
    ed.alignment.type("-300");
  }

  // Types and commits a creature: the stored creature, or none when it was refused.
  dmons* commit_creature(const std::string& filename) {
    type_creature(filename);
    ed.panel.ready_button.click();
    EXPECT_TRUE(host.messages.empty()) << host.messages.front();
    return setup_mons_named(work(), filename);
  }

  testing::FakeHost host;
  MonsterEditor ed{host};
};

}  // namespace tamo::editors
