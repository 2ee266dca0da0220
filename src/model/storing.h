#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/work.h"

// The named operations: the only ways to change what the work file holds.
namespace tamo {

inline constexpr std::string_view kMsgNameClash = "Már van ilyen fájlnév!";
inline constexpr std::string_view kMsgNoFilename = "Nincs fájlnév megadva!";

// True when a record of one of the other two lists has that file name; a record of the
// same list is no clash, it is the one to overwrite.
bool filename_clash(const Work& work, RecordKind kind, std::string_view name);

// The common checks every editor's "Kész" starts with: the first refusal, if any.
std::optional<std::string> common_store_refusal(const Work& work, RecordKind kind,
                                                std::string_view name);

void set_creator(Work& work, std::string project, std::string name, std::string mail);
void set_description(Work& work, std::string desc);

template <class Record>
struct Stored {
  const Record* record = nullptr;
  bool created = false;  // the caller adds the name to its file-name choices
};

// Storing after every check passed: the record of that name is found, or created at the
// tail of its list, and its lists are replaced by copies of the working copy's; then
// `texts` overwrites the record's text fields from the caller's panel. The first room
// stored into an empty room list becomes the current room.
Stored<droom> store_room(Work& work, std::string_view name,
                         const std::function<void(droom&)>& texts = {});
Stored<dmons> store_mons(Work& work, std::string_view name,
                         const std::function<void(dmons&)>& texts = {});
// Also copies the fourteen bonus fields of the working copy.
Stored<ditem> store_item(Work& work, std::string_view name,
                         const std::function<void(ditem&)>& texts = {});

// Whole records at the tail of their lists, as a file or a builder gives them.
const droom& append_room(Work& work, droom record);
const dmons& append_mons(Work& work, dmons record);
const ditem& append_item(Work& work, ditem record);

// Deleting the record named so (the last of that name). A creature is first removed from
// every room's contents, an item from every creature's equipment; nothing else is cleaned.
// Deleting the current room makes the new head of the list current. Each returns whether a
// record was removed.
bool delete_room(Work& work, std::string_view name);
bool delete_mons(Work& work, std::string_view name);
bool delete_item(Work& work, std::string_view name);

// The reverse of an exit: every room named `target` that has no exit `back` gets one
// leading to `from`.
void add_reverse_exits(Work& work, std::string_view target, std::string_view back,
                       std::string_view from);
// Removes the exit `back` from every room named `target` where it leads to `from`; an exit
// of that name leading elsewhere belongs to another way.
void remove_reverse_exits(Work& work, std::string_view target, std::string_view back,
                          std::string_view from);
// Replaces one list of the record named so (the last of that name) by a copy of `value`;
// nothing happens when there is none.
void set_room_list(Work& work, std::string_view name, MixedList droom::*list,
                   const MixedList& value);
void set_mons_list(Work& work, std::string_view name, MixedList dmons::*list,
                   const MixedList& value);
void set_item_list(Work& work, std::string_view name, MixedList ditem::*list,
                   const MixedList& value);

}  // namespace tamo
