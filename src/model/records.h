#pragma once

#include <array>
#include <string>

#include "model/mixed_list.h"
#include "model/text.h"

namespace tamo {

// Field names follow the work-file keys; `short` and `long` carry a trailing
// underscore because they are C++ keywords.
// A record's `filename` is set only through its RecordList, which indexes it.

struct droom {
  Text filename;
  Text short_;
  Text long_;  // lines joined by CR LF
  Text listendefault;
  Text smelldefault;
  MixedList items;
  MixedList smell;
  MixedList listen;
  MixedList search;
  MixedList properties;
  MixedList contents;
  MixedList exits;
  MixedList doors;
  MixedList keys;
  MixedList guard;

  friend bool operator==(const droom&, const droom&) = default;
};

struct dmons {
  Text filename;
  Text name;
  Text short_;
  Text long_;
  MixedList ids;
  Text race;
  Text gender;
  Text class1;
  Text class2;
  Text class3;
  Text level;
  Text alignment;
  Text aggressive;
  Text money;
  Text speed;
  Text spemspeed;
  MixedList speech;
  MixedList emote;
  MixedList equipment;

  friend bool operator==(const dmons&, const dmons&) = default;
};

struct ditem {
  Text filename;
  Text name;
  Text short_;
  Text long_;
  MixedList ids;
  Text minlevel;
  Text rarity;
  Text weight;
  Text value;
  Text itemtype;
  Text is_weapon;
  Text invisitem;
  Text wc1;
  Text wc2;
  Text two_handed;
  Text my_mess;
  Text your_mess;
  Text strength;
  MixedList antis;
  // The fourteen bonus fields.
  Text hp;
  Text mp;
  Text sp;
  Text tb;
  Text sb;
  Text ac;
  Text magi;
  Text meri;
  Text ero;
  Text allo;
  Text ugyi;
  Text iq;
  Text bolcsi;
  Text kari;

  friend bool operator==(const ditem&, const ditem&) = default;
};

inline constexpr std::size_t kBonusCount = 14;

// The bonus fields in record order, so that code walking all fourteen names each one once.
inline constexpr std::array<Text ditem::*, kBonusCount> kItemBonuses = {
    &ditem::hp,   &ditem::mp,   &ditem::sp,     &ditem::tb,  &ditem::sb,
    &ditem::ac,   &ditem::magi, &ditem::meri,   &ditem::ero, &ditem::allo,
    &ditem::ugyi, &ditem::iq,   &ditem::bolcsi, &ditem::kari};

inline std::array<Text*, kBonusCount> bonus_fields(ditem& i) {
  std::array<Text*, kBonusCount> fields;
  for (std::size_t k = 0; k < kBonusCount; ++k) fields[k] = &(i.*kItemBonuses[k]);
  return fields;
}
inline std::array<const Text*, kBonusCount> bonus_fields(const ditem& i) {
  std::array<const Text*, kBonusCount> fields;
  for (std::size_t k = 0; k < kBonusCount; ++k) fields[k] = &(i.*kItemBonuses[k]);
  return fields;
}

// The lists each kind of record holds. Starting, storing and copying a record walk these,
// so a new list is added here once; the file's blocks are checked against them.
inline constexpr std::array<MixedList droom::*, 10> kRoomLists = {
    &droom::items,    &droom::smell, &droom::listen, &droom::search, &droom::properties,
    &droom::contents, &droom::exits, &droom::doors,  &droom::keys,   &droom::guard};
inline constexpr std::array<MixedList dmons::*, 4> kMonsLists = {&dmons::ids, &dmons::speech,
                                                                 &dmons::emote, &dmons::equipment};
inline constexpr std::array<MixedList ditem::*, 2> kItemLists = {&ditem::ids, &ditem::antis};

// Every list of `from` copied into `to`.
template <class Record, std::size_t N>
void copy_lists(const std::array<MixedList Record::*, N>& lists, const Record& from, Record& to) {
  for (MixedList Record::*list : lists) copy_mixed(from.*list, to.*list);
}

inline void copy_bonuses(const ditem& from, ditem& to) {
  for (Text ditem::*bonus : kItemBonuses) to.*bonus = from.*bonus;
}

}  // namespace tamo
