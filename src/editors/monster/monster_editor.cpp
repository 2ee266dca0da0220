#include "editors/monster/monster_editor.h"

#include <cstdint>
#include <string_view>
#include <utility>

#include "editors/common/field_filter.h"
#include "editors/common/long_text_end.h"
#include "editors/common/panel_record.h"
#include "editors/monster/count_text.h"
#include "editors/monster/creature_choices.h"
#include "model/input_rules.h"
#include "model/storing.h"

namespace tamo::editors {

namespace {

constexpr std::size_t kMaxLevel = 100;

void fill_choices(controls::ComboBox& box, const std::vector<std::string>& choices) {
  for (const std::string& c : choices) box.add(c);
}

}  // namespace

MonsterEditor::MonsterEditor(EditorHost& host)
    : delete_dialog(host,
                    {"Form6", "Élőlény törlése", "question",
                     "Biztosan törölni akarod az élőlényt ?", "torles"},
                    [this] {
                      MonsDelete();
                      tmpmonsclear(host_.work());
                    }),
      ids_dialog(host, monsfilename, {"Form8", "ids", "newids", false, true}),
      speech_dialog(host, monsfilename),
      emote_dialog(host, monsfilename),
      equipment_dialog(host, monsfilename),
      host_(host) {
  level.set_max_length(3);
  money.set_max_length(5);
  aggressive.set_max_length(2);
  alignment.set_max_length(5);

  aggressive.set_hint("Milyen karizma alatt támadjon a lény.");
  alignment.set_hint("Jellem. 1500 a szent, 0 a semleges, -1500 a démoni.");
  speed.set_hint(
      "Ha nem szeretnéd, hogy a lény mozogjon, akkor ne töltsd ki. Egyébként, azt írd ide, hány "
      "szívdobbanás teljen el a lény mozgásai között.");
  spemspeed.set_hint(
      "A lény beszéd- és erzéssebessége szívdobbanásokban (2 mp) kifejezve. Másképpen: ennyi * 2 "
      "másodpercenként mond valamit a lény.");
  Button10.set_hint(
      "Azt kell megadni, hog mit mondjon. Pl.: 'Kotrodj innen!'. Ekkor ezt fogod majd latni: Leny "
      "mondja: Kodrodj innen! ");
  Button9.set_hint(
      "Itt azt lehet megadni, hogy mit csinálgasson. Például, ha azt akarod, hogy a 'Harcosno' "
      "nevű lény  rádmorogjon, akkor ezt kell megadni: 'Harcosno radmorog.' . NAGYON FONTOS!!! "
      "Ide teljes mondatot kell írni, ellentetben azzal, amit a lény mond.");

  fill_choices(race, creature_races());
  fill_choices(gender, creature_genders());
  fill_choices(class1, creature_classes());
  fill_choices(class2, creature_classes());
  fill_choices(class3, creature_classes());

  monsfilename.on_change = [this] { monsfilenameChange(); };
  monsfilename.on_select = [this] { record_.forget(); };
  level.on_change = [this] { levelonchange(); };
  money.on_change = [this] { moneyChange(); };
  aggressive.on_change = [this] { aggressiveChange(); };
  speed.on_change = [this] { speedChange(); };
  spemspeed.on_change = [this] { spemspeedChange(); };
  alignment.on_change = [this] { alignmentChange(); };
  monslong.on_change = [this] { monslongChange(); };
  monsready.on_click = [this] { monsreadyClick(); };
  Button2.on_click = [this] { Button2Click(); };
  bt.on_click = [this] { btClick(); };
  Button13.on_click = [this] { Button13Click(); };
  Button10.on_click = [this] { Button10Click(); };
  Button9.on_click = [this] { Button9Click(); };
  Button12.on_click = [this] { Button12Click(); };
}

std::vector<controls::Form*> MonsterEditor::forms() {
  return {&monster,           &delete_dialog.form,   &ids_dialog.form, &speech_dialog.form,
          &emote_dialog.form, &equipment_dialog.form};
}

void MonsterEditor::init_mons() {
  record_.forget();
  monsfilename.set_text("");
  controls::Edit* const boxes[] = {&monsshort, &monslong, &monsname,  &level, &aggressive,
                                   &alignment, &speed,    &spemspeed, &money};
  for (controls::Edit* box : boxes) box->set_text("");
  for (controls::ComboBox* box : {&class1, &class2, &class3, &gender, &race}) box->select(-1);
  host_.closeallotherforms();
}

void MonsterEditor::fill_filename_choices() {
  record_.fill_choices();
}

void MonsterEditor::show_creature(const dmons& creature) {
  // The creature is shown as given, not looked up again by its name; a name the panel would
  // not take empties the box, as typed.
  record_.forget();
  controls::Handler load = std::exchange(monsfilename.on_change, nullptr);
  monsfilename.set_text(validfilename(creature.filename) ? creature.filename.str() : std::string());
  monsfilename.on_change = std::move(load);
  show_fields(creature);
}

void MonsterEditor::show_fields(const dmons& creature) {
  monsshort.set_text(creature.short_);
  monslong.set_text(creature.long_);
  monsname.set_text(creature.name);
  race.set_text(creature.race);
  gender.set_text(creature.gender);
  class1.set_text(creature.class1);
  class2.set_text(creature.class2);
  class3.set_text(creature.class3);
  level.set_text(creature.level);
  aggressive.set_text(creature.aggressive);
  money.set_text(creature.money);
  alignment.set_text(creature.alignment);
  speed.set_text(creature.speed);
  spemspeed.set_text(creature.spemspeed);
  copy_lists(kMonsLists, creature, host_.work().tmpmons);
}

void MonsterEditor::MonsDelete() {
  // Without a creature of that name the name may well be an item's, whose entries in the
  // rooms' contents must stay.
  if (!record_.stored()) return;
  std::string name = monsfilename.text();
  delete_mons(host_.work(), name);
  init_mons();
  record_.drop_choice(name);
}

void MonsterEditor::monsfilenameChange() {
  record_.follow();
}

bool MonsterEditor::pending_edits() const {
  return record_.pending(dmons{});
}

void MonsterEditor::levelonchange() {
  if (!validnumber(level.text())) return level.set_text("");
  if (count_up_to(level.text(), kMaxLevel + 1) > kMaxLevel) {
    level.set_text("");
    host_.debug("Ilyen szintű lény nem lehetséges!");
  }
}

void MonsterEditor::moneyChange() {
  empty_unless(money, validnumber);
}

void MonsterEditor::aggressiveChange() {
  empty_unless(aggressive, validnumber);
}

void MonsterEditor::speedChange() {
  empty_unless(speed, validnumber);
}

void MonsterEditor::spemspeedChange() {
  empty_unless(spemspeed, validnumber);
}

void MonsterEditor::alignmentChange() {
  empty_unless(alignment, isvalidanynumber);
}

void MonsterEditor::monslongChange() {
  empty_if_holding(monslong, long_text_end(workfile::format::monster_block()));
}

std::optional<std::string> MonsterEditor::own_refusal() const {
  struct Check {
    bool fails;
    std::string_view message;
  };
  const Check checks[] = {
      {monsname.text().empty(), "Nincs név megadva!"},
      {monsshort.text().empty(), "Nincs rövid leírás megadva!"},
      {monslong.text().empty(), "Nincs hosszú leírás megadva!"},
      {level.text().empty(), "Nincs szint megadva!"},
      {race.selected() < 0, "Nincs faj megadva!"},
      {gender.selected() < 0, "Nincs nem megadva!"},
      {class1.selected() < 0, "Nincs osztály megadva!"},
      {money.text().empty(), "Nincs pénz megadva!"},
      {alignment.text().empty(), "Nincs jellem megadva!"},
      {!classes_fit(class1.text(), class2.text(), class3.text()), "A lény jelleme nem megfelelő!"},
  };
  for (const Check& c : checks)
    if (c.fails) return std::string(c.message);
  return std::nullopt;
}

void MonsterEditor::take_fields(dmons& creature) const {
  creature.name = monsname.text();
  creature.short_ = monsshort.text();
  creature.long_ = monslong.text();
  creature.race = race.text();
  creature.gender = gender.text();
  creature.class1 = class1.text();
  creature.class2 = class2.text();
  creature.class3 = class3.text();
  creature.level = level.text();
  creature.aggressive = aggressive.text();
  creature.money = money.text();
  creature.alignment = alignment.text();
  creature.speed = speed.text();
  creature.spemspeed = spemspeed.text();
}

std::optional<std::string> MonsterEditor::commit_creature() {
  std::optional<std::string> refusal =
      common_store_refusal(host_.work(), RecordKind::monster, monsfilename.text());
  if (!refusal) refusal = own_refusal();
  if (refusal) return refusal;
  record_.store();
  return std::nullopt;
}

void MonsterEditor::monsreadyClick() {
  record_.back_to_name(commit_creature());
}

void MonsterEditor::Button2Click() {
  init_mons();
  tmpmonsclear(host_.work());
  record_.back_to_name();
}

void MonsterEditor::btClick() {
  delete_dialog.open();
}

void MonsterEditor::Button13Click() {
  ids_dialog.open();
}

void MonsterEditor::Button10Click() {
  speech_dialog.open();
}

void MonsterEditor::Button9Click() {
  emote_dialog.open();
}

void MonsterEditor::Button12Click() {
  equipment_dialog.open();
}

}  // namespace tamo::editors
