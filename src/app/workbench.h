#pragma once

#include <deque>
#include <functional>
#include <string_view>

#include "app/application.h"
#include "app/area_check.h"
#include "app/find_box.h"
#include "app/held_values.h"
#include "app/mud_panel.h"
#include "editors/item/item_editor.h"
#include "editors/monster/monster_editor.h"
#include "editors/room/room_editor.h"
#include "testconsole/console.h"
#include "testconsole/console_host.h"

namespace tamo::app {

inline constexpr std::string_view kMsgRoomPanelUnsaved =
    "A szobaszerkesztőben mentetlen változások vannak. Előbb tárold a szobát a „Kész” "
    "gombbal, vagy kezdj új szobát.";

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
  AreaCheck& area_check() { return area_check_; }
  FindBox& find_box() { return find_box_; }
  testconsole::Console& console() { return console_; }

  // Enter in the command line: its text runs as a console command and the line empties.
  void inmud_enter();
  // The room panel's "Hogy néz ki?": the stored room of the panel's file name on a cleared
  // console; nothing when the room is not stored.
  void Button3Click();

  // Opens the record a check line or a found text points at in its panel, and the dialog
  // holding it. A panel holding unstored edits for another record is left as it is, and the
  // builder told.
  void open_place(const check::Place& place);
  // "Szerkesztés" > "Térkép": the area map, a window that leaves the main window usable.
  void Terkep1Click();
  // The map's click on a room: it opens in the room panel as the console's "sz" opens it.
  // Nothing while a dialog holds the main window; room edits not yet stored are never
  // replaced: the builder is told instead.
  void map_open_room(std::string_view name);
  // The map's double-click: the room opens, then "Hogy néz ki?" shows it in the console.
  void map_preview_room(std::string_view name);

  // testconsole::ConsoleHost
  void show_console() override;
  void open_room(const droom& room, bool to_front) override;
  void open_creature(const dmons& creature) override;
  bool keeps_room_edits(const droom& room, bool to_front) override;
  bool keeps_creature_edits(const dmons& creature) override;
  void focus_input() override;

 private:
  // The room panel holds typing or list changes that its stored room does not.
  bool room_panel_unsaved();
  void announce_stores();
  void name_steps();
  void record_panel_typing();
  void record_dialog_steps();
  // What the history names the record a panel shows by.
  std::function<std::string()> shown_record(const controls::ComboBox& filename);
  void add_area_check();
  void add_find_box();
  // False, and the builder told, when turning the panel to that record would drop edits its
  // "Kész" has not stored.
  bool may_turn_to(const controls::ComboBox& filename, bool pending, const std::string& name);

  Application app_;
  editors::RoomEditor room_{app_};
  editors::MonsterEditor monster_{app_};
  editors::ItemEditor item_{app_};
  MudPanel mud_;
  controls::Form map_form_{"Terkep", "Térkép"};
  testconsole::Console console_{app_.work(), *this};
  AreaCheck area_check_{app_};
  FindBox find_box_{app_.work()};
  // What the history keeps of the working copies and the dialogs' rows; it points at them.
  std::deque<WorkingCopyValue> working_copies_;
  std::deque<DialogRows> dialog_rows_;
};

}  // namespace tamo::app
