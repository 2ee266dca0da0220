#include <string>
#include <vector>

#include "item_fixture.h"
#include "work_setup.h"

namespace tamo::editors {
namespace {

using Strings = std::vector<std::string>;

const Strings kArmourTypes = {"alkarpancel", "csizma",   "gyuru", "karkoto", "kesztyu", "kopeny",
                              "nadrag",      "nyaklanc", "ov",    "pajzs",   "pancel",  "sisak"};
const Strings kWeaponTypes = {"ij", "szuro", "vago", "zuzo"};

TEST_F(ItemEditorTest, StartsAsAnEmptyArmourPanel) {
  EXPECT_FALSE(editor.panel.form.visible());
  EXPECT_EQ(editor.is_weapon.index(), kind_index(ItemKind::armour));
  EXPECT_EQ(editor.is_weapon.items(),
            (Strings{"páncél", "fegyver", "étel", "alkohol", "alkoholmentes", "kulcs", "egyéb"}));
  EXPECT_EQ(editor.itemtype.items(), kArmourTypes);
  EXPECT_EQ(editor.two_handed.index(), 0);
  EXPECT_FALSE(editor.ifweapon.visible());
  EXPECT_FALSE(editor.ifkajapia.visible());
  EXPECT_TRUE(editor.bonuses.enabled());
  EXPECT_TRUE(editor.antis.enabled());
}

struct KindCase {
  int kind;
  Strings types;
  bool weapon_fields;  // shown and kept
  bool food_fields;    // shown and kept
  bool bonus_buttons;
};

class KindSwitch : public ItemEditorTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(KindSwitch, RefillsTheTypesAndKeepsOnlyTheKindsFields) {
  const KindCase& c = GetParam();
  choose_kind(c.kind == 6 ? 5 : 6);
  editor.itemtype.add("vago");
  editor.itemtype.select(0);
  editor.wc1.set_text("3");
  editor.wc2.set_text("8");
  editor.two_handed.set_index(1);
  editor.my_mess.set_text("Megiszod.");
  editor.your_mess.set_text("megissza.");
  editor.strength.set_text("5");
  work().tmpitem.hp = "7";
  add_mixed(work().tmpitem.antis, "jo", "1");

  choose_kind(c.kind);

  EXPECT_EQ(editor.itemtype.items(), c.types);
  EXPECT_EQ(editor.itemtype.selected(), -1);
  EXPECT_EQ(editor.wc1.text(), c.weapon_fields ? "3" : "");
  EXPECT_EQ(editor.wc2.text(), c.weapon_fields ? "8" : "");
  EXPECT_EQ(editor.two_handed.index(), c.weapon_fields ? 1 : 0);
  EXPECT_EQ(editor.ifweapon.visible(), c.weapon_fields);
  EXPECT_EQ(editor.my_mess.text(), c.food_fields ? "Megiszod." : "");
  EXPECT_EQ(editor.your_mess.text(), c.food_fields ? "megissza." : "");
  EXPECT_EQ(editor.strength.text(), c.food_fields ? "5" : "");
  EXPECT_EQ(editor.ifkajapia.visible(), c.food_fields);
  EXPECT_EQ(editor.bonuses.enabled(), c.bonus_buttons);
  EXPECT_EQ(editor.antis.enabled(), c.bonus_buttons);
  // What the builder cannot see is not kept: kinds without bonus buttons drop them.
  EXPECT_EQ(tmpitem().hp, c.bonus_buttons ? "7" : "");
  EXPECT_EQ(query_mixed(tmpitem().antis, "jo"), c.bonus_buttons ? "1" : "");
}

INSTANTIATE_TEST_SUITE_P(Kinds, KindSwitch,
                         ::testing::Values(KindCase{0, kArmourTypes, false, false, true},
                                           KindCase{1, kWeaponTypes, true, false, true},
                                           KindCase{2, {}, false, true, false},
                                           KindCase{3, {}, false, true, false},
                                           KindCase{4, {}, false, true, false},
                                           KindCase{5, {}, false, false, false},
                                           KindCase{6, {}, false, false, false}));

TEST_F(ItemEditorTest, WeaponBackToArmourEmptiesTheDamageAndLeavesNoType) {
  choose_kind(kind_index(ItemKind::weapon));
  choose_type("vago");
  enter_damage("2", "6");
  editor.two_handed.set_index(1);
  choose_kind(kind_index(ItemKind::armour));
  EXPECT_EQ(editor.wc1.text(), "");
  EXPECT_EQ(editor.wc2.text(), "");
  EXPECT_EQ(editor.two_handed.items()[editor.two_handed.index()], "egykezes");
  EXPECT_EQ(editor.itemtype.text(), "");
}

TEST_F(ItemEditorTest, FoodDisablesTheBonusButtonsSoTheirDialogsCannotOpen) {
  choose_kind(2);
  editor.bonuses.click();
  editor.antis.click();
  EXPECT_FALSE(editor.bonuses_dialog.form.visible());
  EXPECT_FALSE(editor.antis_dialog.form.visible());
  choose_kind(kind_index(ItemKind::armour));
  editor.antis.click();
  EXPECT_TRUE(editor.antis_dialog.form.visible());
}

// The panel's box a case types into, whatever kind of box the panel declares it as.
template <auto box>
controls::Edit& box_of(ItemEditor& editor) {
  return editor.*box;
}

struct FilterCase {
  controls::Edit& (*box)(ItemEditor&);
  const char* typed;
  const char* left;
};

class NumberFilter : public ItemEditorTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(NumberFilter, TypingAnythingButDigitsEmptiesTheBox) {
  controls::Edit& box = GetParam().box(editor);
  box.type(GetParam().typed);
  EXPECT_EQ(box.text(), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, NumberFilter,
    ::testing::Values(FilterCase{&box_of<&ItemEditor::weight>, "a", ""},
                      FilterCase{&box_of<&ItemEditor::weight>, "12a", ""},
                      FilterCase{&box_of<&ItemEditor::weight>, "12a3", "3"},
                      FilterCase{&box_of<&ItemEditor::weight>, "1234567", "12345"},
                      FilterCase{&box_of<&ItemEditor::value>, "-5", "5"},
                      FilterCase{&box_of<&ItemEditor::value>, "99999", "99999"},
                      FilterCase{&box_of<&ItemEditor::rarity>, "1010", "101"},
                      FilterCase{&box_of<&ItemEditor::rarity>, "1 ", ""},
                      FilterCase{&box_of<&ItemEditor::itemminlevel>, "5x", ""},
                      FilterCase{&box_of<&ItemEditor::itemminlevel>, "55", "55"},
                      FilterCase{&box_of<&ItemEditor::strength>, "10", "10"},
                      FilterCase{&box_of<&ItemEditor::strength>, "1.5", "5"},
                      FilterCase{&box_of<&ItemEditor::wc1>, "123", "12"},
                      FilterCase{&box_of<&ItemEditor::wc1>, "3d", ""}));

TEST_F(ItemEditorTest, Wc2IsPolicedOnlyWhenWc1Changes) {
  choose_kind(kind_index(ItemKind::weapon));
  editor.wc2.type("8x");
  EXPECT_EQ(editor.wc2.text(), "8x") << "wc2 has no filter of its own";
  editor.wc1.type("3");
  EXPECT_EQ(editor.wc1.text(), "3");
  EXPECT_EQ(editor.wc2.text(), "");
  editor.wc2.type("6");
  editor.wc1.type("a");
  EXPECT_EQ(editor.wc1.text(), "");
  EXPECT_EQ(editor.wc2.text(), "6");
}

TEST_F(ItemEditorTest, LongTextHoldingTheEndMarkerIsEmptiedAtItsLastLetter) {
  editor.panel.long_text.type("Szep kard.\nITEMLONGEN");
  EXPECT_EQ(editor.panel.long_text.text(), "Szep kard.\r\nITEMLONGEN");
  editor.panel.long_text.type("D");
  EXPECT_EQ(editor.panel.long_text.text(), "");
  editor.panel.long_text.type("itemlongend");
  EXPECT_EQ(editor.panel.long_text.text(), "itemlongend") << "the marker is case-sensitive";
}

TEST_F(ItemEditorTest, FileNameBoxKeepsOnlyValidNames) {
  editor.panel.filename.type("1kard");
  EXPECT_EQ(editor.panel.filename.text(), "kard") << "a leading digit has no letter yet";
  editor.panel.filename.type("K");
  EXPECT_EQ(editor.panel.filename.text(), "");
  editor.panel.filename.user_set_text("2nd_kard-x");
  EXPECT_EQ(editor.panel.filename.text(), "2nd_kard-x");
  editor.panel.filename.user_set_text(std::string(17, 'a'));
  EXPECT_EQ(editor.panel.filename.text(), "");
  editor.panel.filename.user_set_text("kárd");
  EXPECT_EQ(editor.panel.filename.text(), "");
}

// A weapon stored with every field set, as a loaded work would hold it.
ditem& add_stored_weapon(Work& w) {
  ditem& r = *setup_item(w, "csakany");
  r.name = "Csakany";
  r.short_ = "egy csakany";
  r.long_ = "Nehez.\r\nEles.";
  r.minlevel = "20";
  r.rarity = "5";
  r.weight = "100";
  r.value = "2000";
  r.itemtype = "zuzo";
  r.is_weapon = "1";
  r.invisitem = "1";
  r.wc1 = "3";
  r.wc2 = "8";
  r.two_handed = "1";
  add_mixed(r.ids, "csakany", "csakany");
  add_mixed(r.antis, "jo", "1");
  auto bonus = bonus_fields(r);
  for (std::size_t k = 0; k < kBonusCount; ++k) *bonus[k] = std::to_string(k);
  return r;
}

TEST_F(ItemEditorTest, ChoosingAStoredItemFillsThePanelAndTheWorkingCopy) {
  const ditem& stored = add_stored_weapon(work());
  editor.fill_filename_choices();
  add_mixed(work().tmpitem.ids, "regi", "regi");
  editor.my_mess.set_text("marad?");

  editor.panel.filename.user_select(editor.panel.filename.index_of("csakany"));

  EXPECT_EQ(editor.panel.filename.text(), "csakany");
  EXPECT_EQ(editor.panel.name.text(), "Csakany");
  EXPECT_EQ(editor.panel.short_text.text(), "egy csakany");
  EXPECT_EQ(editor.panel.long_text.text(), "Nehez.\r\nEles.");
  EXPECT_EQ(editor.itemminlevel.text(), "20");
  EXPECT_EQ(editor.rarity.text(), "5");
  EXPECT_EQ(editor.weight.text(), "100");
  EXPECT_EQ(editor.value.text(), "2000");
  EXPECT_EQ(editor.is_weapon.index(), kind_index(ItemKind::weapon));
  EXPECT_EQ(editor.itemtype.items(), kWeaponTypes);
  EXPECT_EQ(editor.itemtype.text(), "zuzo");
  EXPECT_TRUE(editor.invisitem.checked());
  EXPECT_EQ(editor.wc1.text(), "3");
  EXPECT_EQ(editor.wc2.text(), "8");
  EXPECT_EQ(editor.two_handed.index(), 1);
  EXPECT_EQ(editor.my_mess.text(), "");
  EXPECT_TRUE(editor.ifweapon.visible());
  EXPECT_EQ(tmpitem().ids, stored.ids);
  EXPECT_EQ(tmpitem().antis, stored.antis);
  for (std::size_t k = 0; k < kBonusCount; ++k)
    EXPECT_EQ(*bonus_fields(tmpitem())[k], std::to_string(k));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(ItemEditorTest, TypingANewNameOverAChosenItemKeepsItsFieldsForACopy) {
  add_stored_weapon(work());
  editor.fill_filename_choices();
  editor.panel.filename.user_select(editor.panel.filename.index_of("csakany"));
  editor.panel.filename.type("2");
  EXPECT_EQ(editor.panel.filename.text(), "csakany2");
  EXPECT_EQ(editor.panel.name.text(), "Csakany");
  EXPECT_EQ(editor.wc2.text(), "8");
  EXPECT_EQ(query_mixed(tmpitem().ids, "csakany"), "csakany");
}

struct StoredIndexCase {
  const char* is_weapon;
  const char* two_handed;
  int kind;
  int hands;
  Strings messages;
};

class StoredIndex : public ItemEditorTest, public ::testing::WithParamInterface<StoredIndexCase> {};

TEST_P(StoredIndex, AnIndexTheGroupCannotShowIsTold) {
  const StoredIndexCase& c = GetParam();
  ditem& r = add_stored_weapon(work());
  r.is_weapon = c.is_weapon;
  r.two_handed = c.two_handed;
  editor.panel.filename.user_set_text("csakany");
  EXPECT_EQ(editor.is_weapon.index(), c.kind);
  EXPECT_EQ(editor.two_handed.index(), c.hands);
  EXPECT_EQ(host.messages, c.messages);
  EXPECT_EQ(editor.panel.name.text(), "Csakany") << "the rest of the item is still shown";
}

// "egyéb": judged only by weight, value and strength.
constexpr int kKindOtherItem = 6;

// A stored text the groups cannot show as stored is stored again as it was, until the builder
// chooses.
TEST_F(ItemEditorTest, AnUnshowableStoredIndexIsKeptUntilTheBuilderChooses) {
  struct Case {
    const char* is_weapon;
    const char* two_handed;
    const char* itemtype;  // one the kind shown offers
  };
  for (const Case& c : {Case{"9", "7", ""}, Case{"fegyver", "2x", "gyuru"}}) {
    setup_data(work()).items.clear();
    ditem& r = add_stored_weapon(work());
    r.is_weapon = c.is_weapon;
    r.two_handed = c.two_handed;
    r.itemtype = c.itemtype;
    // Without bonuses the verdict has nothing to say whichever kind is shown.
    for (Text* bonus : bonus_fields(r)) bonus->clear();
    clear_mixed(r.antis);
    editor.panel.filename.set_text("");
    editor.panel.filename.user_set_text("csakany");
    host.messages.clear();
    editor.panel.ready_button.click();
    ASSERT_EQ(host.messages, Strings{}) << c.is_weapon;
    const ditem* stored = item_exists(work(), "csakany");
    EXPECT_EQ(stored->is_weapon, c.is_weapon);
    EXPECT_EQ(stored->two_handed, c.two_handed);

    choose_kind(5);  // a kind shown as the last one is chosen only by moving away first
    choose_kind(kKindOtherItem);
    editor.two_handed.set_index(1);
    editor.two_handed.set_index(0);
    editor.panel.ready_button.click();
    ASSERT_EQ(host.messages, Strings{}) << c.is_weapon;
    EXPECT_EQ(stored->is_weapon, std::to_string(kKindOtherItem)) << c.is_weapon;
    EXPECT_EQ(stored->two_handed, "0") << c.is_weapon;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StoredIndex,
    ::testing::Values(
        StoredIndexCase{"1", "", 1, 0, {}}, StoredIndexCase{"-1", "1", -1, 1, {}},
        StoredIndexCase{"9",
                        "7",
                        6,
                        1,
                        {"A tárgy típusa a munkafájlban nincs a választhatók között (\"9\"). Amíg "
                         "nem választasz típust, a tárolt érték marad.",
                         "A fegyver kezessége a munkafájlban nincs a választhatók között (\"7\"). "
                         "Amíg nem választasz, a tárolt érték marad."}},
        StoredIndexCase{"fegyver",
                        "1",
                        0,
                        1,
                        {"A tárgy típusa nem szám a munkafájlban (\"fegyver\"), ezért páncélként "
                         "jelenik meg."}},
        StoredIndexCase{"1",
                        "2x",
                        1,
                        0,
                        {"A fegyver kezessége nem szám a munkafájlban (\"2x\"), ezért "
                         "egykezesként jelenik meg."}}));

// What is stored is what the builder sees and what the verdict judged.
TEST_F(ItemEditorTest, AKindWithoutBonusesDropsTheWorkingCopysBonusesAndRestrictions) {
  for (int kind : {2, 3, 4, 5, 6}) {
    const ditem& stored = add_stored_weapon(work());
    editor.panel.filename.set_text("");
    editor.panel.filename.user_set_text("csakany");
    ASSERT_EQ(tmpitem().hp, "0");
    ASSERT_EQ(tmpitem().kari, "13");
    choose_kind(kind);
    for (const Text* bonus : bonus_fields(tmpitem())) EXPECT_EQ(*bonus, "") << kind;
    EXPECT_TRUE(tmpitem().antis.empty()) << kind;
    EXPECT_EQ(tmpitem().ids.size(), 1u) << "ids are not a bonus";
    EXPECT_EQ(stored.kari, "13") << "the stored item changes only with Kész";
    setup_data(work()).items.clear();
  }
}

TEST_F(ItemEditorTest, ALoadedItemOfAKindWithoutBonusesKeepsThem) {
  ditem& r = add_stored_weapon(work());
  r.is_weapon = "6";
  editor.panel.filename.user_set_text("csakany");
  EXPECT_EQ(editor.is_weapon.index(), 6);
  EXPECT_EQ(tmpitem().kari, "13");
  EXPECT_EQ(query_mixed(tmpitem().antis, "jo"), "1");
}

TEST_F(ItemEditorTest, NewItemEmptiesThePanelAndTheWorkingCopy) {
  add_stored_weapon(work());
  editor.panel.filename.user_set_text("csakany");
  editor.panel.new_button.click();
  for (const controls::Edit* box : std::initializer_list<const controls::Edit*>{
           &editor.panel.name, &editor.panel.short_text, &editor.panel.long_text,
           &editor.itemminlevel, &editor.rarity, &editor.weight, &editor.value, &editor.wc1,
           &editor.wc2, &editor.my_mess, &editor.your_mess, &editor.strength})
    EXPECT_EQ(box->text(), "") << box->name();
  EXPECT_EQ(editor.panel.filename.text(), "");
  EXPECT_EQ(editor.is_weapon.index(), kind_index(ItemKind::armour));
  EXPECT_EQ(editor.itemtype.items(), kArmourTypes);
  EXPECT_EQ(editor.itemtype.selected(), -1);
  EXPECT_FALSE(editor.invisitem.checked());
  EXPECT_EQ(tmpitem(), ditem{});
  EXPECT_EQ(host.closeallotherforms_calls, 1);
}

TEST_F(ItemEditorTest, InitItemLeavesTheWorkingCopy) {
  add_stored_weapon(work());
  editor.panel.filename.user_set_text("csakany");
  editor.init_item();
  EXPECT_EQ(editor.panel.name.text(), "");
  EXPECT_EQ(query_mixed(tmpitem().ids, "csakany"), "csakany");
  EXPECT_EQ(tmpitem().hp, "0");
}

TEST_F(ItemEditorTest, FileNameChoicesAreTheWorksItemsSorted) {
  setup_item(work(), "sisak");
  setup_item(work(), "kard");
  editor.panel.filename.add("regi");
  editor.fill_filename_choices();
  EXPECT_EQ(editor.panel.filename.items(), (Strings{"kard", "sisak"}));
}

TEST_F(ItemEditorTest, FormsListsThePanelAndEveryDialog) {
  Strings names;
  for (const controls::Form* form : editor.forms())
    names.push_back(form->name() + " " + form->caption());
  EXPECT_EQ(names, (Strings{"item Tárgy", "Form11 Tárgy törlése", "Form12 Azonosítók",
                            "Form13 Nem engedélyezett osztályok, jellemek", "Form14 Bónuszok"}));
}

}  // namespace
}  // namespace tamo::editors
