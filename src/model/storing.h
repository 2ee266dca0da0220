#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/work.h"

namespace tamo {

enum class RecordKind { room, monster, item };

inline constexpr std::string_view kMsgNameClash = "Már van ilyen fájlnév!";
inline constexpr std::string_view kMsgNoFilename = "Nincs fájlnév megadva!";

// True when a record of one of the other two lists has that file name; a record of the
// same list is no clash, it is the one to overwrite.
bool filename_clash(const Work& work, RecordKind kind, std::string_view name);

// The common checks every editor's "Kész" starts with: the first refusal, if any.
std::optional<std::string> common_store_refusal(const Work& work, RecordKind kind,
                                                std::string_view name);

template <class Record>
struct Stored {
  Record* record = nullptr;
  bool created = false;  // the caller adds the name to its file-name choices
};

// Storing after every check passed: the record of that name is found, or created at the
// tail of its list, and its lists are replaced by copies of the working copy's. The caller
// then overwrites the record's text fields from its panel. The first room stored into an
// empty room list becomes the current room.
Stored<droom> store_room(Work& work, std::string_view name);
Stored<dmons> store_mons(Work& work, std::string_view name);
// Also copies the fourteen bonus fields of the working copy.
Stored<ditem> store_item(Work& work, std::string_view name);

// Deleting the record named so (the last of that name). A creature is first removed from
// every room's contents, an item from every creature's equipment; nothing else is cleaned.
// Deleting the current room makes the new head of the list current. Each returns whether a
// record was removed.
bool delete_room(Work& work, std::string_view name);
bool delete_mons(Work& work, std::string_view name);
bool delete_item(Work& work, std::string_view name);

}  // namespace tamo
