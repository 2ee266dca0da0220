#include <algorithm>
#include <string>

#include "model/numbers.h"
#include "testconsole/console.h"
#include "testconsole/tables.h"

namespace tamo::testconsole {

namespace {

constexpr std::string_view kBreak = "\r\n";
constexpr std::int64_t kEquipmentLines = 10000;

// The value of the entry with that key, or nothing; a key present with an empty value still
// counts as a match.
const Text* find_value(const MixedList& list, std::string_view key) {
  auto it = std::find_if(list.begin(), list.end(), [key](const dmixed& e) { return e.key == key; });
  return it == list.end() ? nullptr : &it->value;
}

bool has_key(const MixedList& list, std::string_view key) {
  return find_value(list, key) != nullptr;
}

}  // namespace

std::string Console::param_fv(std::string_view verb, std::string_view argument) {
  std::string result;
  const droom* room = work_.current_room;
  if (room == nullptr) return result;

  if (verb == "hallgat" || verb == "szagol" || verb == "keres") {
    const MixedList& list = verb == "hallgat"  ? room->listen
                            : verb == "szagol" ? room->smell
                                               : room->search;
    if (const Text* value = find_value(list, argument)) result = *value;
    return result;
  }

  if (verb == "nez")
    if (const Text* value = find_value(room->items, argument)) result = *value;

  for (const dmixed& entry : room->contents) {
    for (const dmons* creature : work_.monsters.all_named(entry.key)) {
      if (!has_key(creature->ids, argument)) continue;
      if (verb == "nez")
        result = describe_creature(*creature);
      else if (verb == "ol")
        kill(*creature);
      else if (verb == "szerkeszt")
        edit_creature(*creature);
    }
    if (verb != "nez") continue;
    for (const ditem* item : work_.items.all_named(entry.key))
      if (has_key(item->ids, argument)) result = item->long_;
  }
  return result;
}

std::string Console::describe_creature(const dmons& creature) const {
  std::string text = "Vegigmered a ";
  text += creature.race.empty() ? "fajtalan" : creature.race;
  text += " ";
  text += creature.gender.empty() ? "veletlenszeru" : creature.gender;
  text += "t.";
  text += kBreak;
  text += creature.long_;
  text += kBreak;
  text += "Egeszseges.";
  std::string equipment = describe_equipment(creature);
  if (!equipment.empty()) {
    text += kBreak;
    text += "A kovetkezo targyakat hasznalja:";
    text += kBreak;
    text += equipment;
  }
  return text;
}

std::string Console::describe_equipment(const dmons& creature) const {
  std::string text;
  // Every copy is a line of its own up to a generous bound; past it, one line per entry says
  // how many more of it there are, which bounds time and memory for any count a file holds.
  std::int64_t lines = 0;
  for (const dmixed& entry : creature.equipment) {
    if (lines < kEquipmentLines && !text.empty()) text += kBreak;
    // Looked up directly, so the item editor keeps whatever the builder is editing there.
    const ditem* item = item_exists(work_, entry.key);
    if (item == nullptr) continue;
    std::string line = item->short_ + " (" + hol_viseli(item->itemtype) + ")";
    if (item->invisitem == "1") line += " (láthatatlan)";
    std::int64_t count = str2int(entry.value);
    std::int64_t shown = std::max<std::int64_t>(0, std::min(count, kEquipmentLines - lines));
    for (std::int64_t i = 0; i < shown; ++i) {
      if (i > 0) text += kBreak;
      text += line;
    }
    lines += shown;
    if (count > shown) {
      if (!text.empty() && !text.ends_with(kBreak)) text += kBreak;
      text += "(és még " + std::to_string(count - shown) + " darab: " + line + ")";
    }
  }
  return text;
}

void Console::kill(const dmons& creature) {
  output_.add_text("Egy hirtelen gondolattal megolted " + creature.name + "-t!", kBrightRed);
  std::int64_t points = kill_experience(str2int(creature.level));
  output_.add_text("Szereztel " + std::to_string(points) + " tapasztalati pontot.", kSilver);
  output_.add_text("", kSilver);
}

void Console::edit_creature(const dmons& creature) {
  if (host_.keeps_creature_edits(creature)) return;
  host_.open_creature(creature);
  copy_mixed(creature.ids, work_.tmpmons.ids);
  copy_mixed(creature.speech, work_.tmpmons.speech);
  copy_mixed(creature.emote, work_.tmpmons.emote);
  copy_mixed(creature.equipment, work_.tmpmons.equipment);
}

}  // namespace tamo::testconsole
