#include "editors/monster/monster_editor.h"

#include <cstdint>
#include <string_view>
#include <utility>

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
      host_(host),
      texts_(monsname, &dmons::name, monsshort, &dmons::short_, monslong, &dmons::long_, race,
             &dmons::race, gender, &dmons::gender, class1, &dmons::class1, class2, &dmons::class2,
             class3, &dmons::class3, level, &dmons::level, aggressive, &dmons::aggressive, money,
             &dmons::money, alignment, &dmons::alignment, speed, &dmons::speed, spemspeed,
             &dmons::spemspeed) {
  level.set_max_length(3);

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

  record_.bind(monslong, monsready, [this] { return commit_creature(); });
  level.on_change = [this] { levelonchange(); };
  Button2.on_click = [this] { Button2Click(); };
  dialogs_.add(bt, delete_dialog, Button13, ids_dialog, Button10, speech_dialog, Button9,
               emote_dialog, Button12, equipment_dialog);
}

std::vector<controls::Form*> MonsterEditor::forms() {
  return dialogs_.forms();
}

void MonsterEditor::init_mons() {
  record_.empty(texts_);
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
  texts_.show(creature);
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
  texts_.take(creature);
}

std::optional<std::string> MonsterEditor::commit_creature() {
  std::optional<std::string> refusal =
      common_store_refusal(host_.work(), RecordKind::monster, monsfilename.text());
  if (!refusal) refusal = own_refusal();
  if (refusal) return refusal;
  record_.store();
  return std::nullopt;
}

void MonsterEditor::Button2Click() {
  init_mons();
  tmpmonsclear(host_.work());
  record_.back_to_name();
}

}  // namespace tamo::editors
