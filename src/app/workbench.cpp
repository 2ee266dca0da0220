#include "app/workbench.h"

#include "model/work.h"

namespace tamo::app {

Workbench::Workbench(Platform platform) : app_(platform) {
  for (controls::Form* f : room_.forms()) app_.install_form(*f);
  for (controls::Form* f : monster_.forms()) app_.install_form(*f);
  for (controls::Form* f : item_.forms()) app_.install_form(*f);
  app_.install_form(mud_.mud);
  // The map is a window of its own beside the editors: no reset hides it.
  app_.forms().add(FormRegistry::Kind::dialog, map_form_);
  app_.menu_bar().add_item("Szerkeszts1", {"Terkep1", "Térkép", "", [this] { Terkep1Click(); }},
                           "Teszt1");

  Hooks& hooks = app_.hooks();
  hooks.room = {[this] { room_.init_room(); }, [this] { room_.fill_filename_choices(); },
                &room_.filename};
  hooks.monster = {[this] { monster_.init_mons(); }, [this] { monster_.fill_filename_choices(); },
                   &monster_.monsfilename};
  hooks.item = {[this] { item_.init_item(); }, [this] { item_.fill_filename_choices(); },
                &item_.itemfilename};
  hooks.start_console = [this] { console_.enter(); };
  hooks.clear_console = [this] { console_.output().clear(); };

  room_.Button3.on_click = [this] { Button3Click(); };
}

void Workbench::inmud_enter() {
  std::string line = mud_.inmud.text();
  mud_.inmud.set_text("");
  console_.command(line);
}

void Workbench::Button3Click() {
  if (droom* room = room_exists(work(), room_.filename.text())) console_.show_room(*room);
}

void Workbench::Terkep1Click() {
  map_form_.show();
}

bool Workbench::room_panel_unsaved() {
  const droom& tmp = work().tmproom;
  const droom* stored = room_exists(work(), room_.filename.text());
  if (!stored) {
    droom empty;
    return !room_.filename.text().empty() || !room_.short_.text().empty() ||
           !room_.long_.text().empty() || !room_.smelldefault.text().empty() ||
           !room_.listendefault.text().empty() || !(tmp == empty);
  }
  return room_.short_.text() != stored->short_ || room_.long_.text() != stored->long_ ||
         room_.smelldefault.text() != stored->smelldefault ||
         room_.listendefault.text() != stored->listendefault || tmp.items != stored->items ||
         tmp.smell != stored->smell || tmp.listen != stored->listen ||
         tmp.search != stored->search || tmp.properties != stored->properties ||
         tmp.contents != stored->contents || tmp.exits != stored->exits ||
         tmp.doors != stored->doors || tmp.keys != stored->keys || tmp.guard != stored->guard;
}

void Workbench::map_open_room(std::string_view name) {
  if (!app_.main_window().enabled()) return;
  const droom* room = room_exists(work(), name);
  if (!room) return;
  if (room_panel_unsaved()) {
    if (room_.filename.text() == name) {
      room_.room.show();
      return;
    }
    app_.debug(std::string(kMsgRoomPanelUnsaved));
    return;
  }
  open_room(*room, true);
}

void Workbench::map_preview_room(std::string_view name) {
  if (!app_.main_window().enabled()) return;
  map_open_room(name);
  if (room_.filename.text() == name) Button3Click();
}

void Workbench::show_console() {
  mud_.mud.show();
}

void Workbench::open_room(const droom& room, bool to_front) {
  if (to_front) room_.room.show();
  // Setting the file name loads the stored room of that name (the last one) into the panel;
  // the fields then show this room's texts.
  room_.filename.set_text(room.filename);
  room_.short_.set_text(room.short_);
  room_.long_.set_text(room.long_);
  room_.smelldefault.set_text(room.smelldefault);
  room_.listendefault.set_text(room.listendefault);
}

void Workbench::open_creature(const dmons& creature) {
  monster_.monster.show();
  monster_.show_creature(creature);
}

void Workbench::focus_input() {
  app_.focus().set(&mud_.inmud);
}

}  // namespace tamo::app
