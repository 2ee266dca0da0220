#pragma once

#include <string>
#include <string_view>

#include "model/work.h"
#include "testconsole/console_host.h"
#include "testconsole/output.h"

namespace tamo::testconsole {

// The test console: walks the work's rooms as a player would. It changes no record, only
// the current room, the working copies it loads into the editors, and its own output.
// A count or level that is not a whole number throws ConversionError; what was printed
// before stays.
class Console {
 public:
  Console(Work& work, ConsoleHost& host) : work_(work), host_(host) {}

  Output& output() { return output_; }
  const Output& output() const { return output_; }

  // Entering the console from the menu: show it, print the current room, focus the input.
  void enter();
  // The room editor's preview: the room becomes current and is shown on a cleared console.
  void show_room(const droom& room);
  // One press of Enter in the input line with this text.
  void command(std::string_view input);

  void describe_current_room();
  // The six verbs with an argument ("fv" is short for "függvény", function): "nez",
  // "hallgat", "szagol", "keres", "ol", "szerkeszt".
  std::string param_fv(std::string_view verb, std::string_view argument);
  // The door, key and guard messages printed before a move through `exit`.
  void check_pre_exit(const droom& room, std::string_view exit);

 private:
  void print_who_list();
  void open_in_room_editor(const droom& room, bool to_front);
  void move_through(std::string_view exit, std::string_view target);
  void print_creature_lines(bool speech);
  void run_verb(std::string_view command);

  std::string describe_creature(const dmons& creature) const;
  std::string describe_equipment(const dmons& creature) const;
  void kill(const dmons& creature);
  void edit_creature(const dmons& creature);

  Work& work_;
  ConsoleHost& host_;
  Output output_;
};

}  // namespace tamo::testconsole
