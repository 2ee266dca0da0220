#pragma once

#include <functional>
#include <string>

#include "controls/control.h"

namespace tamo::app {

// What the shell needs from one record editor; empty until the editor is wired in.
struct EditorHooks {
  controls::Handler init;                       // init_room, init_mons or init_item
  controls::Handler fill_filename_choices;      // rebuilds its file-name box from the work
  const controls::Control* filename = nullptr;  // the file-name box the menu focuses
  std::function<bool()> pending_edits = {};     // the panel holds what "Kész" has not stored
  controls::Handler reload = {};                // shows the stored record of the panel's name again
  // Records of the name came or went behind the panel's back: its choice follows.
  std::function<void(const std::string& name)> follow_choice = {};
};

// The editors and the test console as the shell reaches them.
struct Hooks {
  EditorHooks room;
  EditorHooks monster;
  EditorHooks item;
  controls::Handler fill_colour_table;  // once at start-up
  controls::Handler start_console;      // "Teszt": start or resume
  controls::Handler clear_console;      // a new or loaded work empties the output
  controls::Handler after_event;        // after every user event: the panels' pending marks
};

}  // namespace tamo::app
