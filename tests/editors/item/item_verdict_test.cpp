#include <string>
#include <utility>
#include <vector>

#include "item_fixture.h"
#include "model/numbers.h"
#include "work_setup.h"

namespace tamo::editors {
namespace {

using Strings = std::vector<std::string>;
using Bonus = std::pair<controls::Edit ItemBonusesDialog::*, const char*>;
using D = ItemBonusesDialog;

constexpr const char* kOk = "ok";
constexpr const char* kSum = "A tárgy bónuszainak összege túlsagosan nagy.";
constexpr const char* kLight = "A tárgy túl könnyű.";

// An item as the builder enters it: the panel's fields, then the bonuses and restrictions
// through their dialogs.
struct VerdictCase {
  const char* name;
  int kind = kind_index(ItemKind::armour);
  const char* type = "";
  const char* level = "0";
  const char* rarity = "0";
  const char* weight = "";
  const char* value = "";
  const char* wc1 = "";
  const char* wc2 = "";
  bool two_handed = false;
  const char* strength = "5";
  std::vector<Bonus> bonuses = {};
  std::vector<controls::CheckBox ItemAntisDialog::*> antis = {};
  const char* verdict = kOk;
};

class PanelVerdict : public ItemEditorTest, public ::testing::WithParamInterface<VerdictCase> {
 public:
  void enter(const VerdictCase& c) {
    editor.panel.filename.type("targy");
    editor.panel.name.type("Targy");
    editor.panel.short_text.type("egy targy");
    editor.panel.long_text.type("Egy targy.");
    choose_kind(c.kind);
    if (*c.type) choose_type(c.type);
    enter_numbers(c.level, c.rarity, c.weight, c.value);
    enter_damage(c.wc1, c.wc2);
    editor.two_handed.set_index(c.two_handed ? 1 : 0);
    if (editor.ifkajapia.visible()) {
      editor.my_mess.type("Megiszod.");
      editor.your_mess.type("megissza.");
      editor.strength.type(c.strength);
    }
    if (!c.bonuses.empty()) {
      editor.bonuses.click();
      for (const auto& [box, text] : c.bonuses) (editor.bonuses_dialog.*box).type(text);
      editor.bonuses_dialog.Button1.click();
    }
    if (!c.antis.empty()) {
      editor.antis.click();
      for (auto box : c.antis) (editor.antis_dialog.*box).set_checked(true);
      editor.antis_dialog.Button3.click();
    }
  }
};

TEST_P(PanelVerdict, RefusesWithTheVerdictOrStores) {
  const VerdictCase& c = GetParam();
  enter(c);
  editor.panel.ready_button.click();
  if (std::string(c.verdict) == kOk) {
    EXPECT_EQ(host.messages, Strings{});
    EXPECT_NE(item_exists(work(), "targy"), nullptr);
  } else {
    EXPECT_EQ(host.messages, Strings{c.verdict});
    EXPECT_TRUE(work().items.empty());
  }
}

const VerdictCase kCases[] = {
    {.name = "ring_ok", .type = "gyuru", .weight = "5", .value = "500", .bonuses = {{&D::ac, "1"}}},
    {.name = "ring_weighted_sum",
     .type = "gyuru",
     .weight = "5",
     .value = "500",
     .bonuses = {{&D::ac, "2"}},
     .verdict = kSum},
    {.name = "ring_light",
     .type = "gyuru",
     .weight = "4",
     .value = "500",
     .bonuses = {{&D::ac, "1"}},
     .verdict = kLight},
    {.name = "ring_negative_strength",
     .type = "gyuru",
     .weight = "5",
     .value = "500",
     .bonuses = {{&D::ero, "-2"}},
     .verdict = "A tárgy túl sok erőt ad."},
    {.name = "armour_cap",
     .type = "pancel",
     .level = "10",
     .weight = "100",
     .value = "2000",
     .bonuses = {{&D::ac, "10"}},
     .verdict = "A tárgy túl sok pancélzatot ad."},
    {.name = "armour_cap_loosened_by_rarity",
     .type = "pancel",
     .level = "10",
     .rarity = "10",
     .weight = "100",
     .value = "2000",
     .bonuses = {{&D::ac, "10"}}},
    {.name = "one_alignment_loosens_the_sum",
     .type = "pancel",
     .weight = "100",
     .value = "200",
     .bonuses = {{&D::ac, "5"}, {&D::hp, "10"}},
     .antis = {&ItemAntisDialog::semleges, &ItemAntisDialog::jo}},
    {.name = "good_and_evil_do_not_loosen",
     .type = "pancel",
     .weight = "100",
     .value = "200",
     .bonuses = {{&D::ac, "5"}, {&D::hp, "10"}},
     .antis = {&ItemAntisDialog::jo, &ItemAntisDialog::gonosz},
     .verdict = kSum},
    {.name = "club_ok",
     .kind = kind_index(ItemKind::weapon),
     .type = "zuzo",
     .level = "20",
     .weight = "100",
     .value = "2000",
     .wc1 = "3",
     .wc2 = "8"},
    {.name = "club_average_damage",
     .kind = kind_index(ItemKind::weapon),
     .type = "zuzo",
     .level = "20",
     .weight = "100",
     .value = "2000",
     .wc1 = "4",
     .wc2 = "8",
     .verdict = " A tárgy átlagsebzése túl magas."},
    {.name = "two_handed_club_counts_half_its_weight",
     .kind = kind_index(ItemKind::weapon),
     .type = "zuzo",
     .level = "20",
     .weight = "100",
     .value = "2000",
     .wc1 = "4",
     .wc2 = "8",
     .two_handed = true,
     .verdict = kLight},
    {.name = "club_hit_bonus",
     .kind = kind_index(ItemKind::weapon),
     .type = "zuzo",
     .level = "20",
     .weight = "100",
     .value = "2000",
     .wc1 = "3",
     .wc2 = "8",
     .bonuses = {{&D::tb, "1"}, {&D::sb, "1"}},
     .verdict = "A zúzó típusú fegyver találatbónusza a sebzésbónuszhoz viszonyítva túl magas."},
    {.name = "one_handed_bow",
     .kind = kind_index(ItemKind::weapon),
     .type = "ij",
     .level = "20",
     .weight = "100",
     .value = "2000",
     .wc1 = "3",
     .wc2 = "8",
     .verdict = "Az íj kötelezoen kétkezes fegyver."},
    {.name = "two_handed_bow",
     .kind = kind_index(ItemKind::weapon),
     .type = "ij",
     .level = "20",
     .weight = "100",
     .value = "2000",
     .wc1 = "3",
     .wc2 = "8",
     .two_handed = true},
    {.name = "cutter_last_failing_rule_wins",
     .kind = kind_index(ItemKind::weapon),
     .type = "vago",
     .level = "10",
     .weight = "100",
     .value = "2000",
     .wc1 = "2",
     .wc2 = "8",
     .bonuses = {{&D::tb, "11"}},
     .verdict = "A tárgy túl sok találatbónuszt ad."},
    {.name = "strong_drink",
     .kind = 3,
     .weight = "1",
     .value = "10",
     .strength = "11",
     .verdict = "A tárgy túl erős."},
    {.name = "precious_key",
     .kind = 5,
     .weight = "1",
     .value = "3001",
     .verdict = "A tárgy túl értékes."},
};

INSTANTIATE_TEST_SUITE_P(Examples, PanelVerdict, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ItemEditorTest, AnUnreadableNumberEscapesAndNothingIsStored) {
  enter_item("buzogany", kind_index(ItemKind::weapon));
  editor.panel.ready_button.click();
  ditem& stored = *setup_item_named(work(), "buzogany");
  stored.wc2 = "8x";  // as a hand-edited work file may hold it
  editor.panel.new_button.click();
  editor.panel.filename.type("buzogany");
  ASSERT_EQ(editor.wc2.text(), "8x") << "wc2 is policed only when wc1 changes";
  editor.panel.name.set_text("Uj nev");
  const ditem before = stored;

  EXPECT_THROW(editor.panel.ready_button.click(), ConversionError);
  EXPECT_EQ(*item_exists(work(), "buzogany"), before);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(ItemEditorTest, ACheckRefusalIsTheOnlyMessageEvenWithAnUnreadableNumber) {
  enter_item("buzogany", kind_index(ItemKind::weapon));
  editor.wc2.set_text("8x");
  editor.panel.name.set_text({});
  editor.panel.ready_button.click();
  EXPECT_EQ(host.messages, Strings{"Nincs név megadva!"});
}

}  // namespace
}  // namespace tamo::editors
