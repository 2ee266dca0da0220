#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "model/work.h"
#include "work_setup.h"

// Records a test or bench builds by hand, with every text that "Kész" requires already set,
// so the suites name only what their case is about.
namespace tamo {

// Members a test leaves out keep these values.
struct CreatureTexts {
  std::string name = {};
  std::string short_ = {};
  std::string long_ = {};
  std::string race = "ember";
  std::string gender = "ferfi";
  std::string class1 = "harcos";
  std::string level = "5";
  std::string alignment = "0";
  std::string money = "10";
};

struct ItemTexts {
  std::string name = {};
  std::string short_ = {};
  std::string long_ = {};
  std::string minlevel = "0";
  std::string rarity = "0";
  std::string weight = "1";
  std::string value = "10";
  std::string itemtype = {};
  std::string is_weapon = "0";
};

inline droom* setup_room(Work& work, std::string_view name, std::string short_, std::string long_) {
  droom* room = setup_room(work, name);
  room->short_ = std::move(short_);
  room->long_ = std::move(long_);
  return room;
}

inline dmons* setup_mons(Work& work, std::string_view name, CreatureTexts texts) {
  dmons* creature = setup_mons(work, name);
  creature->name = std::move(texts.name);
  creature->short_ = std::move(texts.short_);
  creature->long_ = std::move(texts.long_);
  creature->race = std::move(texts.race);
  creature->gender = std::move(texts.gender);
  creature->class1 = std::move(texts.class1);
  creature->level = std::move(texts.level);
  creature->alignment = std::move(texts.alignment);
  creature->money = std::move(texts.money);
  return creature;
}

// Visible and one-handed, as the panel stores an item by default.
inline ditem* setup_item(Work& work, std::string_view name, ItemTexts texts) {
  ditem* item = setup_item(work, name);
  item->name = std::move(texts.name);
  item->short_ = std::move(texts.short_);
  item->long_ = std::move(texts.long_);
  item->minlevel = std::move(texts.minlevel);
  item->rarity = std::move(texts.rarity);
  item->weight = std::move(texts.weight);
  item->value = std::move(texts.value);
  item->itemtype = std::move(texts.itemtype);
  item->is_weapon = std::move(texts.is_weapon);
  item->invisitem = "0";
  item->two_handed = "0";
  return item;
}

}  // namespace tamo
