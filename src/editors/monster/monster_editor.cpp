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

// The panel's component names as the window and the builders' documentation know them.
const SharedPanelNames kCreaturePanel{"monster",   "Élőlény",    "monsfilename", "monsname",
                                      "monsshort", "monslong",   "Button13",     "bt",
                                      "Button2",   "Új előlény", "monsready"};

constexpr std::size_t kMaxLevel = 100;

void fill_choices(controls::ComboBox& box, const std::vector<std::string>& choices) {
  for (const std::string& c : choices) box.add(c);
}

}  // namespace

MonsterEditor::MonsterEditor(EditorHost& host)
    : panel(
          host, kCreaturePanel,
          {"Form6", "Élőlény törlése", "question", "Biztosan törölni akarod az élőlényt ?",
           "torles"},
          {"Form8", "ids", "newids", false, true}, [this] { init_mons(); },
          [this](dmons& m) { texts_.take(m); }, [this](const dmons& m) { show_fields(m); },
          [this] { return commit_creature(); }),
      speech_dialog(host, panel.filename),
      emote_dialog(host, panel.filename),
      equipment_dialog(host, panel.filename),
      host_(host),
      texts_(panel.name, &dmons::name, panel.short_text, &dmons::short_, panel.long_text,
             &dmons::long_, race, &dmons::race, gender, &dmons::gender, class1, &dmons::class1,
             class2, &dmons::class2, class3, &dmons::class3, level, &dmons::level, aggressive,
             &dmons::aggressive, money, &dmons::money, alignment, &dmons::alignment, speed,
             &dmons::speed, spemspeed, &dmons::spemspeed) {
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

  level.on_change = [this] { levelonchange(); };
  panel.new_button.on_click = [this] { Button2Click(); };
  panel.dialogs.add(Button10, speech_dialog, Button9, emote_dialog, Button12, equipment_dialog);
}

std::vector<controls::Form*> MonsterEditor::forms() {
  return panel.dialogs.forms();
}

void MonsterEditor::init_mons() {
  panel.record.empty(texts_);
  host_.closeallotherforms();
}

void MonsterEditor::fill_filename_choices() {
  panel.record.fill_choices();
}

void MonsterEditor::show_creature(const dmons& creature) {
  // The creature is shown as given, not looked up again by its name; a name the panel would
  // not take empties the box, as typed.
  panel.record.forget();
  controls::Handler load = std::exchange(panel.filename.on_change, nullptr);
  panel.filename.set_text(validfilename(creature.filename) ? creature.filename.str()
                                                           : std::string());
  panel.filename.on_change = std::move(load);
  show_fields(creature);
}

void MonsterEditor::show_fields(const dmons& creature) {
  texts_.show(creature);
  copy_lists(kMonsLists, creature, host_.work().tmpmons);
}

bool MonsterEditor::pending_edits() const {
  return panel.record.pending(dmons{});
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

std::optional<std::string> MonsterEditor::commit_creature() {
  std::optional<std::string> refusal =
      common_store_refusal(host_.work(), RecordKind::monster, panel.filename.text());
  if (!refusal) refusal = panel.missing_text();
  if (!refusal) refusal = own_refusal();
  if (refusal) return refusal;
  panel.record.store();
  return std::nullopt;
}

void MonsterEditor::Button2Click() {
  init_mons();
  tmpmonsclear(host_.work());
  panel.record.back_to_name();
}

}  // namespace tamo::editors
