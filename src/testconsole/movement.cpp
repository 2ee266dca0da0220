#include <string>

#include "model/guard_keys.h"
#include "testconsole/console.h"

namespace tamo::testconsole {

void Console::check_pre_exit(const droom& room, std::string_view exit) {
  std::string door = query_mixed(room.doors, exit);
  std::string key = query_mixed(room.keys, exit);
  if (!door.empty()) output_.add_text("Eppen atgyalogoltal " + door + "-n.", kSilver);
  if (!key.empty()) {
    const ditem* item = item_exists(work_, key);
    output_.add_text("Ha van nalad " + (item ? item->name.str() : std::string()) + ", kinyithatod.",
                     kSilver);
  }
  const dmons* guard = mons_exists(work_, query_mixed(room.guard, kGuardName));
  std::string speech = query_mixed(room.guard, kGuardSpeech);
  if (query_mixed(room.guard, exit) == kGuardedExit) {
    output_.add_text(
        "%^YELLOW%^" + (guard ? guard->name.str() : std::string()) + " mondja:%^RESET%^ " + speech,
        kSilver);
    output_.add_text("Mondhat, amit akar, elsurransz mellette.", kSilver);
  }
  output_.add_text("", kSilver);
}

void Console::open_in_room_editor(const droom& room, bool to_front) {
  if (host_.keeps_room_edits(room, to_front)) return;
  host_.open_room(room, to_front);
  droom& copy = work_.tmproom;
  copy_mixed(room.items, copy.items);
  copy_mixed(room.listen, copy.listen);
  copy_mixed(room.smell, copy.smell);
  copy_mixed(room.search, copy.search);
  copy_mixed(room.exits, copy.exits);
  copy_mixed(room.doors, copy.doors);
  copy_mixed(room.keys, copy.keys);
  copy_mixed(room.contents, copy.contents);
  copy_mixed(room.guard, copy.guard);
  copy_mixed(room.properties, copy.properties);
}

void Console::move_through(std::string_view exit, std::string_view target) {
  check_pre_exit(*work_.current_room, exit);
  // A move is never refused; an exit into a room that is not there leaves the player put.
  const droom* next = room_exists(work_, target);
  if (next == nullptr) return;
  work_.current_room = next;
  open_in_room_editor(*next, false);
  describe_current_room();
}

}  // namespace tamo::testconsole
