#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monster_fixture.h"

namespace tamo::editors {
namespace {

using Strings = std::vector<std::string>;

class IdsDialogTest : public MonsterEditorTest {
 protected:
  IdsDialog<dmons>& d = ed.panel.ids_dialog;
  void add_id(const char* id) {
    d.word.type(id);
    d.Button1.click();
  }
};

TEST_F(IdsDialogTest, OnlyBlanksAndLowerCaseLettersStay) {
  const std::pair<const char*, const char*> typed[] = {{"nagy ork", "nagy ork"},
                                                       {"orK", ""},
                                                       {"ork2", ""},
                                                       {"orkö", ""},
                                                       {"ork-", ""},
                                                       {" ", " "},
                                                       {"Ork", "rk"} /* the capital went first */};
  for (const auto& [keys, shown] : typed) {
    d.word.set_text("");
    d.word.type(keys);
    EXPECT_EQ(d.word.text(), shown) << keys;
  }
}

TEST_F(IdsDialogTest, AddingAndRemovingIds) {
  ed.panel.ids_button.click();
  EXPECT_TRUE(d.form.visible());
  EXPECT_FALSE(host.main_enabled);
  add_id("zold ork");
  add_id("ork");
  add_id("ork");
  d.Button1.click();  // empty edit
  EXPECT_EQ(d.words.items(), (Strings{"zold ork", "ork"})) << "unsorted";
  EXPECT_EQ(d.word.text(), "");
  ASSERT_EQ(work().tmpmons.ids.size(), 2u);
  EXPECT_EQ(query_mixed(work().tmpmons.ids, "zold ork"), "zold ork");

  d.Button2.click();  // nothing selected
  EXPECT_EQ(work().tmpmons.ids.size(), 2u);
  d.words.user_select(0);
  d.Button2.click();
  EXPECT_EQ(d.words.items(), Strings{"ork"});
  EXPECT_EQ(query_mixed(work().tmpmons.ids, "zold ork"), "");
}

TEST_F(IdsDialogTest, OpeningKeepsTheEditAndRebuildsTheListFromTheStoredCreature) {
  dmons* m = commit_creature("ork");
  ASSERT_NE(m, nullptr);
  add_mixed(m->ids, "ork", "ork");
  add_mixed(work().tmpmons.ids, "eldobott", "eldobott");
  d.word.type("felig");
  ed.panel.ids_button.click();
  EXPECT_EQ(d.word.text(), "felig");
  EXPECT_EQ(d.words.items(), Strings{"ork"});
  EXPECT_EQ(work().tmpmons.ids, m->ids);
}

TEST_F(IdsDialogTest, ReadyWritesThroughAndTheCloseBoxDoesNot) {
  dmons* m = commit_creature("ork");
  ASSERT_NE(m, nullptr);
  ed.panel.ids_button.click();
  add_id("ork");
  d.form.close();
  EXPECT_TRUE(host.main_enabled);
  EXPECT_TRUE(m->ids.empty());
  ed.panel.ids_button.click();
  add_id("ork");
  d.Button3.click();
  EXPECT_TRUE(host.main_enabled);
  EXPECT_FALSE(d.form.visible());
  EXPECT_EQ(query_mixed(m->ids, "ork"), "ork");
}

TEST_F(IdsDialogTest, ANewCreatureHasNoIdsUnlessAddedBeforeCommit) {
  dmons* plain = commit_creature("ork");
  ASSERT_NE(plain, nullptr);
  EXPECT_TRUE(plain->ids.empty());
  ed.panel.new_button.click();
  ed.panel.ids_button.click();
  add_id("troll");
  d.Button3.click();
  dmons* named = commit_creature("troll");
  ASSERT_NE(named, nullptr);
  EXPECT_EQ(query_mixed(named->ids, "troll"), "troll");
}

}  // namespace
}  // namespace tamo::editors
