#include <string>
#include <vector>

#include "item_fixture.h"

namespace tamo::editors {
namespace {

using Strings = std::vector<std::string>;

Strings keys(const MixedList& list) {
  Strings out;
  for (const dmixed& e : list) out.push_back(e.key);
  return out;
}

class ItemIds : public ItemEditorTest {
 public:
  IdsDialog<ditem>& dialog = editor.panel.ids_dialog;
  void add_id(const std::string& word) {
    dialog.word.type(word);
    dialog.Button1.click();
  }
};

struct WordCase {
  const char* pasted;
  const char* kept;
};

class IdWord : public ItemIds, public ::testing::WithParamInterface<WordCase> {};

TEST_P(IdWord, OnlyLowerCaseLettersAndBlanksStay) {
  dialog.word.user_set_text(GetParam().pasted);
  EXPECT_EQ(dialog.word.text(), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Words, IdWord,
                         ::testing::Values(WordCase{"hosszu kard", "hosszu kard"},
                                           WordCase{"kard", "kard"}, WordCase{"Kard", ""},
                                           WordCase{"kard2", ""}, WordCase{"kárd", ""},
                                           WordCase{"kard-bot", ""}));

TEST_F(ItemIds, OpeningDisablesTheMainWindowAndShowsTheWorkingCopysIds) {
  add_mixed(work().tmpitem.ids, "penge", "penge");
  add_mixed(work().tmpitem.ids, "kard", "kard");
  editor.panel.ids_button.click();
  EXPECT_TRUE(dialog.form.visible());
  EXPECT_FALSE(host.main_enabled);
  EXPECT_EQ(dialog.words.items(), (Strings{"kard", "penge"}));
}

TEST_F(ItemIds, AddingTheSameWordTwiceKeepsOneEntry) {
  editor.panel.ids_button.click();
  add_id("kard");
  add_id("kard");
  dialog.Button1.click();
  EXPECT_EQ(dialog.words.items(), Strings{"kard"});
  EXPECT_EQ(keys(tmpitem().ids), Strings{"kard"});
  EXPECT_EQ(query_mixed(tmpitem().ids, "kard"), "kard");
  EXPECT_EQ(dialog.word.text(), "");
}

TEST_F(ItemIds, RemovingTakesTheSelectedWordOutOfBoth) {
  editor.panel.ids_button.click();
  add_id("kard");
  add_id("penge");
  dialog.Button2.click();
  EXPECT_EQ(keys(tmpitem().ids), (Strings{"kard", "penge"})) << "nothing selected";
  dialog.words.user_select(dialog.words.index_of("kard"));
  dialog.Button2.click();
  EXPECT_EQ(dialog.words.items(), Strings{"penge"});
  EXPECT_EQ(keys(tmpitem().ids), Strings{"penge"});
}

TEST_F(ItemIds, DoneWritesThroughToAStoredItemAtOnce) {
  enter_item("kard");
  add_mixed(work().tmpitem.ids, "kard", "kard");
  add_mixed(work().tmpitem.ids, "penge", "penge");
  editor.panel.ready_button.click();
  clear_mixed(work().tmpitem.ids);  // the stored ids win on opening

  editor.panel.ids_button.click();
  EXPECT_EQ(dialog.words.items(), (Strings{"kard", "penge"}));
  dialog.words.user_select(0);
  dialog.Button2.click();
  dialog.Button3.click();

  EXPECT_EQ(keys(item_exists(work(), "kard")->ids), Strings{"penge"});
  EXPECT_FALSE(dialog.form.visible());
  EXPECT_TRUE(host.main_enabled);
}

TEST_F(ItemIds, AnUnstoredItemKeepsItsIdsInTheWorkingCopyUntilStored) {
  enter_item("kard");
  editor.panel.ids_button.click();
  add_id("kard");
  dialog.Button3.click();
  EXPECT_TRUE(work().items.empty());
  editor.panel.ready_button.click();
  EXPECT_EQ(keys(item_exists(work(), "kard")->ids), Strings{"kard"});
}

}  // namespace
}  // namespace tamo::editors
