#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "balance/verdict.h"
#include "editors/common/record_lists.h"
#include "editors/item/item_editor.h"
#include "editors/monster/monster_editor.h"
#include "editors/room/room_editor.h"
#include "fake_host.h"
#include "work_setup.h"

// What the three record editors share, driven as a builder would through each panel.
namespace tamo::editors {
namespace {

struct RoomPanel {
  using Editor = RoomEditor;
  using Record = droom;
  static controls::ComboBox& name(Editor& e) { return e.filename; }
  static controls::Edit& short_text(Editor& e) { return e.short_; }
  static controls::Memo& long_text(Editor& e) { return e.long_; }
  static controls::Button& fresh(Editor& e) { return e.Button6; }
  static controls::Button& remove(Editor& e) { return e.Button7; }
  static ConfirmDeleteDialog& deletion(Editor& e) { return e.deletion; }
  static MixedList& working_list(Work& w) { return w.tmproom.exits; }
  static constexpr const char* kLongEnd = "ROOMLONGEND";
  static droom& store(Work& w, const std::string& name) {
    droom& r = *setup_data(w).rooms.add(name);
    r.short_ = "tarolt " + name;
    r.long_ = "Tarolt szoba.";
    add_mixed(r.exits, "kelet", "udvar");
    return r;
  }
};

struct MonsterPanel {
  using Editor = MonsterEditor;
  using Record = dmons;
  static controls::ComboBox& name(Editor& e) { return e.panel.filename; }
  static controls::Edit& short_text(Editor& e) { return e.panel.short_text; }
  static controls::Memo& long_text(Editor& e) { return e.panel.long_text; }
  static controls::Button& fresh(Editor& e) { return e.panel.new_button; }
  static controls::Button& remove(Editor& e) { return e.panel.delete_button; }
  static ConfirmDeleteDialog& deletion(Editor& e) { return e.panel.delete_dialog; }
  static MixedList& working_list(Work& w) { return w.tmpmons.speech; }
  static constexpr const char* kLongEnd = "MONSLONGEND";
  static dmons& store(Work& w, const std::string& name) {
    dmons& m = *setup_data(w).monsters.add(name);
    m.name = "Ork";
    m.short_ = "tarolt " + name;
    m.long_ = "Tarolt leny.";
    m.race = "ork";
    m.gender = "ferfi";
    m.class1 = "harcos";
    m.level = "5";
    m.money = "10";
    m.alignment = "-300";
    add_mixed(m.speech, "Grr!", "0");
    return m;
  }
};

struct ItemPanel {
  using Editor = ItemEditor;
  using Record = ditem;
  static controls::ComboBox& name(Editor& e) { return e.panel.filename; }
  static controls::Edit& short_text(Editor& e) { return e.panel.short_text; }
  static controls::Memo& long_text(Editor& e) { return e.panel.long_text; }
  static controls::Button& fresh(Editor& e) { return e.panel.new_button; }
  static controls::Button& remove(Editor& e) { return e.panel.delete_button; }
  static ConfirmDeleteDialog& deletion(Editor& e) { return e.panel.delete_dialog; }
  static MixedList& working_list(Work& w) { return w.tmpitem.ids; }
  static constexpr const char* kLongEnd = "ITEMLONGEND";
  static ditem& store(Work& w, const std::string& name) {
    ditem& i = *setup_data(w).items.add(name);
    i.name = "Gyuru";
    i.short_ = "tarolt " + name;
    i.long_ = "Tarolt targy.";
    i.minlevel = "0";
    i.rarity = "0";
    i.weight = "5";
    i.value = "500";
    i.itemtype = "gyuru";
    i.is_weapon = "0";
    i.two_handed = "0";
    i.invisitem = "0";
    add_mixed(i.ids, "gyuru", "gyuru");
    return i;
  }
};

template <class Panel>
class SharedEditorTest : public ::testing::Test {
 protected:
  SharedEditorTest() { balance::set_db(); }

  Work& work() { return host.work(); }
  controls::ComboBox& name() { return Panel::name(editor); }
  controls::Edit& short_text() { return Panel::short_text(editor); }
  MixedList& working_list() { return Panel::working_list(work()); }
  // Starts a new record and types its short text, as a builder does before naming it.
  void start_new(const std::string& short_text_typed) {
    Panel::fresh(editor).click();
    short_text().type(short_text_typed);
  }

  testing::FakeHost host;
  typename Panel::Editor editor{host};
};

using Panels = ::testing::Types<RoomPanel, MonsterPanel, ItemPanel>;
TYPED_TEST_SUITE(SharedEditorTest, Panels);

// "kapu" is stored; the builder types "kapuzat" for a new record, letter by letter.
TYPED_TEST(SharedEditorTest, ANameReachedOnlyWhileTypingDoesNotReplaceThePanel) {
  TypeParam::store(this->work(), "kapu");
  TypeParam::store(this->work(), "kapuz");
  this->start_new("uj rekord");
  this->name().type("kapu");
  EXPECT_EQ(this->short_text().text(), "tarolt kapu") << "a name stopped on shows its record";
  this->name().type("z");
  EXPECT_EQ(this->short_text().text(), "tarolt kapuz");
  this->name().type("at");
  EXPECT_EQ(this->name().text(), "kapuzat");
  EXPECT_EQ(this->short_text().text(), "uj rekord");
  EXPECT_TRUE(this->working_list().empty()) << "the stored record's lists went with it";
}

TYPED_TEST(SharedEditorTest, AChosenOrWorkedOnRecordStaysForACopy) {
  TypeParam::store(this->work(), "kapu");
  this->editor.fill_filename_choices();
  this->start_new("uj rekord");
  this->name().user_select(this->name().index_of("kapu"));
  this->name().type("x");
  EXPECT_EQ(this->short_text().text(), "tarolt kapu") << "chosen from the list";

  this->start_new("uj rekord");
  this->name().type("kapu");
  this->short_text().user_set_text("masolat");
  this->name().type("x");
  EXPECT_EQ(this->short_text().text(), "masolat") << "worked on after stopping";
  EXPECT_FALSE(this->working_list().empty());
}

TYPED_TEST(SharedEditorTest, AnInvalidKeystrokeAfterAReachedNameAlsoReturnsThePanel) {
  TypeParam::store(this->work(), "kapu");
  this->start_new("uj rekord");
  this->name().type("kapuX");
  EXPECT_EQ(this->name().text(), "");
  EXPECT_EQ(this->short_text().text(), "uj rekord");
}

TYPED_TEST(SharedEditorTest, PendingEditsAreWhatKeszWouldStore) {
  TypeParam::store(this->work(), "kapu");
  EXPECT_FALSE(this->editor.pending_edits()) << "an empty panel";
  this->name().type("uj");
  EXPECT_FALSE(this->editor.pending_edits()) << "a name alone is no record";
  this->short_text().type("valami");
  EXPECT_TRUE(this->editor.pending_edits()) << "a new record's typing";
  TypeParam::fresh(this->editor).click();
  EXPECT_FALSE(this->editor.pending_edits());

  this->name().type("kapu");
  EXPECT_FALSE(this->editor.pending_edits()) << "the stored record as it is";
  this->short_text().type("!");
  EXPECT_TRUE(this->editor.pending_edits()) << "a field differs";
  this->short_text().user_set_text("tarolt kapu");
  EXPECT_FALSE(this->editor.pending_edits());
  add_mixed(this->working_list(), "uj", "1");
  EXPECT_TRUE(this->editor.pending_edits()) << "the working copy differs";
}

TYPED_TEST(SharedEditorTest, OneLineFieldsKeepTheFirstLineAndTheLongTextKeepsItsLines) {
  this->name().user_set_text("kapu\r\nmasik");
  EXPECT_EQ(this->name().text(), "kapu");
  this->short_text().user_set_text("Egy sor\r\nmasodik sor");
  EXPECT_EQ(this->short_text().text(), "Egy sor");
  controls::Memo& long_text = TypeParam::long_text(this->editor);
  long_text.user_set_text("Egy\r\nketto");
  EXPECT_EQ(long_text.text(), "Egy\r\nketto");
}

TYPED_TEST(SharedEditorTest, ALongTextHoldingItsEndMarkerIsEmptied) {
  controls::Memo& long_text = TypeParam::long_text(this->editor);
  long_text.type(std::string("Elotte\n") + TypeParam::kLongEnd);
  EXPECT_EQ(long_text.text(), "");
  long_text.type(std::string(TypeParam::kLongEnd).substr(1));
  EXPECT_NE(long_text.text(), "");
}

TYPED_TEST(SharedEditorTest, FileNameChoicesListEachStoredNameOnce) {
  TypeParam::store(this->work(), "kapu");
  TypeParam::store(this->work(), "akna");
  TypeParam::store(this->work(), "kapu");
  this->editor.fill_filename_choices();
  EXPECT_EQ(this->name().items(), (std::vector<std::string>{"akna", "kapu"}));
}

// "Igen" takes the named record with its choice and empties the panel and the working copy; a
// name no record has deletes nothing and leaves the panel's texts.
TYPED_TEST(SharedEditorTest, YesDeletesTheNamedRecordOnly) {
  using Lists = RecordLists<typename TypeParam::Record>;
  TypeParam::store(this->work(), "kapu");
  TypeParam::store(this->work(), "akna");
  this->editor.fill_filename_choices();
  this->name().type("kapu");
  ASSERT_FALSE(this->working_list().empty());
  TypeParam::remove(this->editor).click();
  TypeParam::deletion(this->editor).yes.click();
  EXPECT_EQ(Lists::stored(this->work(), "kapu"), nullptr);
  EXPECT_NE(Lists::stored(this->work(), "akna"), nullptr);
  EXPECT_EQ(this->name().items(), std::vector<std::string>{"akna"});
  EXPECT_EQ(this->name().text(), "");
  EXPECT_EQ(this->short_text().text(), "");
  EXPECT_TRUE(this->working_list().empty());

  this->name().type("uj");
  this->short_text().type("valami");
  add_mixed(this->working_list(), "uj", "1");
  TypeParam::remove(this->editor).click();
  TypeParam::deletion(this->editor).yes.click();
  EXPECT_EQ(Lists::records(this->work()).size(), 1u);
  EXPECT_EQ(this->name().text(), "uj");
  EXPECT_EQ(this->short_text().text(), "valami");
  EXPECT_TRUE(this->working_list().empty());
}

}  // namespace
}  // namespace tamo::editors
