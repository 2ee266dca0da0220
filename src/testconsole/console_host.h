#pragma once

#include "model/records.h"

namespace tamo::testconsole {

// What the console needs from the application around it. The console copies the record's
// lists into the working copy itself, right after the host has filled the editor's fields.
class ConsoleHost {
 public:
  virtual ~ConsoleHost() = default;
  // Shows the console panel in front of the others.
  virtual void show_console() = 0;
  // Puts the room's file name, then its short and long description, default smell and
  // default sound into the room editor's fields; `to_front` brings the room panel forward.
  virtual void open_room(const droom& room, bool to_front) = 0;
  // Brings the creature panel to the front and fills its fields and choice lists from the
  // creature, the file name first.
  virtual void open_creature(const dmons& creature) = 0;
  // Asked before a record replaces a panel's fields: true when the panel holds edits its
  // "Kész" has not stored, which then stay as they are (the host tells the builder why).
  virtual bool keeps_room_edits(const droom&, bool /*to_front*/) { return false; }
  virtual bool keeps_creature_edits(const dmons&) { return false; }
  // Gives the console's input line the keyboard focus.
  virtual void focus_input() = 0;
};

}  // namespace tamo::testconsole
