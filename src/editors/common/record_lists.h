#pragma once

#include <functional>
#include <string_view>

#include "model/records.h"
#include "model/storing.h"
#include "model/work.h"
#include "workfile/format.h"

namespace tamo::editors {

// How the editors reach one kind of record: its block in the work file, the stored record of a
// name, the panel's working copy, the stored records, and the named operations that store a
// record, write a list through and delete a record with what refers to it.
template <class Record>
struct RecordLists;

template <>
struct RecordLists<droom> {
  static const workfile::format::Block<droom>& block() { return workfile::format::room_block(); }
  static const droom* stored(const Work& work, std::string_view name) {
    return room_exists(work, name);
  }
  static droom& working(Work& work) { return work.tmproom; }
  static const RecordList<droom>& records(const Work& work) { return work.rooms; }
  static Stored<droom> store(Work& work, std::string_view name,
                             const std::function<void(droom&)>& texts) {
    return store_room(work, name, texts);
  }
  static void write(Work& work, std::string_view name, MixedList droom::*list,
                    const MixedList& value) {
    set_room_list(work, name, list, value);
  }
  static bool erase(Work& work, std::string_view name) { return delete_room(work, name); }
  static void clear_working(Work& work) { tmproomclear(work); }
};

template <>
struct RecordLists<dmons> {
  static const workfile::format::Block<dmons>& block() { return workfile::format::monster_block(); }
  static const dmons* stored(const Work& work, std::string_view name) {
    return mons_exists(work, name);
  }
  static dmons& working(Work& work) { return work.tmpmons; }
  static const RecordList<dmons>& records(const Work& work) { return work.monsters; }
  static Stored<dmons> store(Work& work, std::string_view name,
                             const std::function<void(dmons&)>& texts) {
    return store_mons(work, name, texts);
  }
  static void write(Work& work, std::string_view name, MixedList dmons::*list,
                    const MixedList& value) {
    set_mons_list(work, name, list, value);
  }
  static bool erase(Work& work, std::string_view name) { return delete_mons(work, name); }
  static void clear_working(Work& work) { tmpmonsclear(work); }
};

template <>
struct RecordLists<ditem> {
  static const workfile::format::Block<ditem>& block() { return workfile::format::item_block(); }
  static const ditem* stored(const Work& work, std::string_view name) {
    return item_exists(work, name);
  }
  static ditem& working(Work& work) { return work.tmpitem; }
  static const RecordList<ditem>& records(const Work& work) { return work.items; }
  static Stored<ditem> store(Work& work, std::string_view name,
                             const std::function<void(ditem&)>& texts) {
    return store_item(work, name, texts);
  }
  static void write(Work& work, std::string_view name, MixedList ditem::*list,
                    const MixedList& value) {
    set_item_list(work, name, list, value);
  }
  static bool erase(Work& work, std::string_view name) { return delete_item(work, name); }
  static void clear_working(Work& work) { tmpitemclear(work); }
};

}  // namespace tamo::editors
