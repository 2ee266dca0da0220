#pragma once

#include <string>
#include <string_view>

#include "model/record_list.h"
#include "model/records.h"

namespace tamo {

// The one work the program edits: creator data, description, the three record
// lists, the editors' working copies and where the test console stands.
struct Work {
  Work() = default;
  // A copy stands in the copy's own room that matches the original's current room.
  Work(const Work& other);
  Work& operator=(const Work& other);

  std::string project;
  std::string name;
  std::string mail;
  std::string desc;  // lines joined by CR LF

  RecordList<droom> rooms;
  RecordList<dmons> monsters;
  RecordList<ditem> items;

  droom tmproom;
  dmons tmpmons;
  ditem tmpitem;

  droom* current_room = nullptr;  // none, or a room of `rooms`
};

// Lookups by file name: the last record of the list with exactly that name, or none.
droom* room_exists(const Work& work, std::string_view filename);
dmons* mons_exists(const Work& work, std::string_view filename);
ditem* item_exists(const Work& work, std::string_view filename);
// True when some creature of the work has that file name.
bool cont_is_mons(const Work& work, std::string_view filename);

droom* lastroom(const Work& work);
dmons* lastmons(const Work& work);
ditem* lastitem(const Work& work);

void tmproomclear(Work& work);
void tmpmonsclear(Work& work);
void tmpitemclear(Work& work);

// The model's part of starting a new work: creator data, description, working
// copies, the three lists and the current room are emptied.
void reset_work(Work& work);

}  // namespace tamo
