#pragma once

#include "app/application.h"
#include "app/mud_panel.h"
#include "editors/item/item_editor.h"
#include "editors/monster/monster_editor.h"
#include "editors/room/room_editor.h"
#include "testconsole/console.h"
#include "testconsole/console_host.h"

namespace tamo::app {

// The whole headless program: the application with the three editors and the test console
// wired in. The window and tamo-cli both run on it, so they give the same answers.
class Workbench : public testconsole::ConsoleHost {
 public:
  explicit Workbench(Platform platform);
  Workbench(const Workbench&) = delete;
  Workbench& operator=(const Workbench&) = delete;

  Application& app() { return app_; }
  Work& work() { return app_.work(); }
  editors::RoomEditor& room_editor() { return room_; }
  editors::MonsterEditor& monster_editor() { return monster_; }
  editors::ItemEditor& item_editor() { return item_; }
  MudPanel& mud() { return mud_; }
  testconsole::Console& console() { return console_; }

  // Enter in the command line: its text runs as a console command and the line empties.
  void inmud_enter();
  // The room panel's "Hogy néz ki?": the stored room of the panel's file name on a cleared
  // console; nothing when the room is not stored.
  void Button3Click();

  // testconsole::ConsoleHost
  void show_console() override;
  void open_room(const droom& room, bool to_front) override;
  void open_creature(const dmons& creature) override;
  void focus_input() override;

 private:
  void announce_stores();

  Application app_;
  editors::RoomEditor room_{app_};
  editors::MonsterEditor monster_{app_};
  editors::ItemEditor item_{app_};
  MudPanel mud_;
  testconsole::Console console_{app_.work(), *this};
};

}  // namespace tamo::app
