#include "app/workbench.h"

#include "model/work.h"

namespace tamo::app {

Workbench::Workbench(Platform platform) : app_(platform) {
  for (controls::Form* f : room_.forms()) app_.install_form(*f);
  for (controls::Form* f : monster_.forms()) app_.install_form(*f);
  for (controls::Form* f : item_.forms()) app_.install_form(*f);
  app_.install_form(mud_.mud);

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
  if (const droom* room = room_exists(work(), room_.filename.text())) console_.show_room(*room);
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
