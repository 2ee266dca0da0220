#pragma once

#include <string>
#include <string_view>

#include "model/work.h"
#include "model/work_changes.h"

// Setting up a test's work by hand. The program changes a work only through the named
// operations; a test may shape one freely before it acts, and that counts as one change of
// the whole work.
namespace tamo {

inline WorkData& setup_data(Work& work) {
  return *WorkChanges::apply(work, {Change::Target::whole}, [](WorkData& d) { return &d; });
}

inline droom* setup_room(Work& work, std::string_view name) {
  return setup_data(work).rooms.add(std::string(name));
}
inline dmons* setup_mons(Work& work, std::string_view name) {
  return setup_data(work).monsters.add(std::string(name));
}
inline ditem* setup_item(Work& work, std::string_view name) {
  return setup_data(work).items.add(std::string(name));
}

// The last record of that name, for a test to change in place.
inline droom* setup_room_named(Work& work, std::string_view name) {
  return setup_data(work).rooms.find_last(name);
}
inline dmons* setup_mons_named(Work& work, std::string_view name) {
  return setup_data(work).monsters.find_last(name);
}
inline ditem* setup_item_named(Work& work, std::string_view name) {
  return setup_data(work).items.find_last(name);
}

}  // namespace tamo
