#pragma once

#include <string_view>

#include "model/records.h"
#include "model/storing.h"
#include "model/work.h"

namespace tamo::editors {

// How a panel's list dialogs reach the lists of one kind of record: the stored record of a
// name, the panel's working copy, and the named operation that writes a list through.
template <class Record>
struct RecordLists;

template <>
struct RecordLists<droom> {
  static const droom* stored(const Work& work, std::string_view name) {
    return room_exists(work, name);
  }
  static droom& working(Work& work) { return work.tmproom; }
  static void write(Work& work, std::string_view name, MixedList droom::*list,
                    const MixedList& value) {
    set_room_list(work, name, list, value);
  }
};

template <>
struct RecordLists<dmons> {
  static const dmons* stored(const Work& work, std::string_view name) {
    return mons_exists(work, name);
  }
  static dmons& working(Work& work) { return work.tmpmons; }
  static void write(Work& work, std::string_view name, MixedList dmons::*list,
                    const MixedList& value) {
    set_mons_list(work, name, list, value);
  }
};

template <>
struct RecordLists<ditem> {
  static const ditem* stored(const Work& work, std::string_view name) {
    return item_exists(work, name);
  }
  static ditem& working(Work& work) { return work.tmpitem; }
  static void write(Work& work, std::string_view name, MixedList ditem::*list,
                    const MixedList& value) {
    set_item_list(work, name, list, value);
  }
};

}  // namespace tamo::editors
