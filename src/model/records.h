#pragma once

#include <array>
#include <string>

#include "model/mixed_list.h"

namespace tamo {

// Field names follow the work-file keys; `short` and `long` carry a trailing
// underscore because they are C++ keywords.
// A record's `filename` is set only through its RecordList, which indexes it.

struct droom {
  std::string filename;
  std::string short_;
  std::string long_;  // lines joined by CR LF
  std::string listendefault;
  std::string smelldefault;
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
  std::string filename;
  std::string name;
  std::string short_;
  std::string long_;
  MixedList ids;
  std::string race;
  std::string gender;
  std::string class1;
  std::string class2;
  std::string class3;
  std::string level;
  std::string alignment;
  std::string aggressive;
  std::string money;
  std::string speed;
  std::string spemspeed;
  MixedList speech;
  MixedList emote;
  MixedList equipment;

  friend bool operator==(const dmons&, const dmons&) = default;
};

struct ditem {
  std::string filename;
  std::string name;
  std::string short_;
  std::string long_;
  MixedList ids;
  std::string minlevel;
  std::string rarity;
  std::string weight;
  std::string value;
  std::string itemtype;
  std::string is_weapon;
  std::string invisitem;
  std::string wc1;
  std::string wc2;
  std::string two_handed;
  std::string my_mess;
  std::string your_mess;
  std::string strength;
  MixedList antis;
  // The fourteen bonus fields.
  std::string hp;
  std::string mp;
  std::string sp;
  std::string tb;
  std::string sb;
  std::string ac;
  std::string magi;
  std::string meri;
  std::string ero;
  std::string allo;
  std::string ugyi;
  std::string iq;
  std::string bolcsi;
  std::string kari;

  friend bool operator==(const ditem&, const ditem&) = default;
};

inline constexpr std::size_t kBonusCount = 14;

// The bonus fields in record order, so that code walking all fourteen names each one once.
inline constexpr std::array<std::string ditem::*, kBonusCount> kItemBonuses = {
    &ditem::hp,   &ditem::mp,   &ditem::sp,     &ditem::tb,  &ditem::sb,
    &ditem::ac,   &ditem::magi, &ditem::meri,   &ditem::ero, &ditem::allo,
    &ditem::ugyi, &ditem::iq,   &ditem::bolcsi, &ditem::kari};

inline std::array<std::string*, kBonusCount> bonus_fields(ditem& i) {
  std::array<std::string*, kBonusCount> fields;
  for (std::size_t k = 0; k < kBonusCount; ++k) fields[k] = &(i.*kItemBonuses[k]);
  return fields;
}
inline std::array<const std::string*, kBonusCount> bonus_fields(const ditem& i) {
  std::array<const std::string*, kBonusCount> fields;
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
  for (std::string ditem::*bonus : kItemBonuses) to.*bonus = from.*bonus;
}

}  // namespace tamo
