#include "app/workbench.h"

#include "editors/common/pending_mark.h"
#include "model/work.h"

namespace tamo::app {

namespace {
void run_if_set_change(controls::ComboBox& box) {
  if (box.on_change) box.on_change();
}
}  // namespace

Workbench::Workbench(Platform platform) : app_(platform) {
  for (controls::Form* f : room_.forms()) app_.install_form(*f);
  for (controls::Form* f : monster_.forms()) app_.install_form(*f);
  for (controls::Form* f : item_.forms()) app_.install_form(*f);
  app_.install_form(mud_.mud);
  // The map is a window of its own beside the editors: no reset hides it.
  app_.forms().add(FormRegistry::Kind::side, map_form_);
  app_.menu_bar().add_item("Szerkeszts1", {"Terkep1", "Térkép", "", [this] { Terkep1Click(); }},
                           "Teszt1");

  Hooks& hooks = app_.hooks();
  hooks.room = {[this] { room_.init_room(); }, [this] { room_.fill_filename_choices(); },
                &room_.filename, [this] { return room_.pending_edits(); }};
  hooks.monster = {[this] { monster_.init_mons(); }, [this] { monster_.fill_filename_choices(); },
                   &monster_.panel.filename, [this] { return monster_.pending_edits(); }};
  hooks.item = {[this] { item_.init_item(); }, [this] { item_.fill_filename_choices(); },
                &item_.panel.filename, [this] { return item_.pending_edits(); }};
  // Choosing the same name again shows its stored record as it now is.
  hooks.room.reload = [this] { run_if_set_change(room_.filename); };
  hooks.monster.reload = [this] { run_if_set_change(monster_.panel.filename); };
  hooks.item.reload = [this] { run_if_set_change(item_.panel.filename); };
  hooks.room.follow_choice = [this](const std::string& name) {
    editors::follow_file_name_choice(room_.filename, work().rooms, name);
  };
  hooks.monster.follow_choice = [this](const std::string& name) {
    editors::follow_file_name_choice(monster_.panel.filename, work().monsters, name);
  };
  hooks.item.follow_choice = [this](const std::string& name) {
    editors::follow_file_name_choice(item_.panel.filename, work().items, name);
  };
  hooks.start_console = [this] { console_.enter(); };
  hooks.clear_console = [this] { console_.output().clear(); };
  hooks.after_event = [this] {
    editors::show_pending(room_.Button1, room_.pending_edits());
    editors::show_pending(monster_.panel.ready_button, monster_.pending_edits());
    editors::show_pending(item_.panel.ready_button, item_.pending_edits());
  };

  room_.Button3.on_click = [this] { Button3Click(); };
  announce_stores();
  name_steps();
  add_area_check();
  add_find_box();
}

void Workbench::add_find_box() {
  app_.forms().add(FormRegistry::Kind::side, find_box_.form);
  app_.menu_bar().add_item("Szerkeszts1",
                           {"Keress1", "&Keresés…", "Ctrl+F",
                            [this] {
                              find_box_.open();
                              app_.focus().set(&find_box_.findtext);
                            }},
                           "Lers1");
  find_box_.open_place = [this](const check::Place& place) { open_place(place); };
}

// The actions of the history, named where the builder starts them.
void Workbench::name_steps() {
  std::pair<controls::Button*, const char*> steps[] = {
      {&room_.Button1, "szoba tárolása"},
      {&room_.deletion.yes, "szoba törlése"},
      {&room_.exits.Button2, "kijárat hozzáadása"},
      {&room_.exits.Button1, "kijárat törlése"},
      {&room_.exits.Button3, "kijáratok tárolása"},
      {&room_.contents.kesz, "a szoba tartalmának tárolása"},
      {&room_.things.itemready, "a szoba tárgyainak tárolása"},
      {&room_.guards.guarddelete, "őr törlése"},
      {&room_.properties.OkProperties, "a szoba jellemzőinek tárolása"},
      {&monster_.panel.ready_button, "élőlény tárolása"},
      {&monster_.panel.delete_dialog.yes, "élőlény törlése"},
      {&monster_.panel.ids_dialog.Button3, "azonosítók tárolása"},
      {&monster_.speech_dialog.Button3, "beszéd tárolása"},
      {&monster_.emote_dialog.Button3, "cselekvések tárolása"},
      {&monster_.equipment_dialog.Button3, "felszerelés tárolása"},
      {&item_.panel.ready_button, "tárgy tárolása"},
      {&item_.panel.delete_dialog.yes, "tárgy törlése"},
      {&item_.panel.ids_dialog.Button3, "azonosítók tárolása"},
      // What the dialogs' own buttons change before their "Kész" stores it.
      {&room_.exits.Button4, "kijárat kivétele"},
      {&room_.exits.doorkeysave, "ajtó megadása"},
      {&room_.exits.doordelete, "ajtó törlése"},
      {&room_.exits.keydelete, "kulcs törlése"},
      {&room_.things.Button1, "nézhető tárgy törlése"},
      {&room_.contents.Button2, "élőlény a szoba tartalmába"},
      {&room_.contents.Button3, "tárgy a szoba tartalmába"},
      {&room_.contents.Button4, "kivétel a szoba tartalmából"},
      {&room_.guards.Button1, "őrzött irány hozzáadása"},
      {&room_.guards.Button2, "őrzött irány elvétele"},
      {&room_.guards.Button4, "őr megadása"},
      {&monster_.panel.ids_dialog.Button1, "azonosító hozzáadása"},
      {&monster_.panel.ids_dialog.Button2, "azonosító elvétele"},
      {&monster_.speech_dialog.Button1, "mondat hozzáadása"},
      {&monster_.speech_dialog.Button4, "mondat hozzáadása"},
      {&monster_.speech_dialog.Button2, "mondat elvétele"},
      {&monster_.speech_dialog.Button5, "mondat elvétele"},
      {&monster_.emote_dialog.b1, "cselekvés hozzáadása"},
      {&monster_.emote_dialog.b3, "cselekvés hozzáadása"},
      {&monster_.emote_dialog.b2, "cselekvés elvétele"},
      {&monster_.emote_dialog.b4, "cselekvés elvétele"},
      {&monster_.equipment_dialog.Button1, "felszerelés hozzáadása"},
      {&monster_.equipment_dialog.Button2, "felszerelés elvétele"},
      {&item_.panel.ids_dialog.Button1, "azonosító hozzáadása"},
      {&item_.panel.ids_dialog.Button2, "azonosító elvétele"},
      {&item_.antis_dialog.Button1, "minden tiltás kijelölése"},
      {&item_.antis_dialog.Button2, "minden tiltás törlése"},
      {&item_.antis_dialog.Button3, "tiltások megadása"},
      {&item_.bonuses_dialog.Button1, "bónuszok megadása"},
  };
  for (auto [button, label] : steps) app_.name_step(*button, label);
  record_panel_typing();
  record_dialog_steps();
}

// The panels' own text fields and choices; the file names are choices that load records, not
// steps of their own.
void Workbench::record_panel_typing() {
  struct Panel {
    const char* word;
    const controls::ComboBox& filename;
    std::initializer_list<controls::Edit*> fields;
  };
  const Panel panels[] = {
      {"szoba",
       room_.filename,
       {&room_.short_, &room_.long_, &room_.smelldefault, &room_.listendefault}},
      {"élőlény",
       monster_.panel.filename,
       {&monster_.level, &monster_.panel.name, &monster_.panel.short_text,
        &monster_.panel.long_text, &monster_.money, &monster_.aggressive, &monster_.alignment,
        &monster_.speed, &monster_.spemspeed}},
      {"tárgy",
       item_.panel.filename,
       {&item_.panel.name, &item_.panel.short_text, &item_.panel.long_text, &item_.itemminlevel,
        &item_.rarity, &item_.weight, &item_.value, &item_.wc1, &item_.wc2, &item_.my_mess,
        &item_.your_mess, &item_.strength}},
  };
  // Each choice is named by what it chooses; they come before the fields, since a kind of
  // item empties the fields it has no use for.
  struct Choice {
    const controls::ComboBox& filename;
    controls::UserValue& choice;
    const char* label;
  };
  const Choice choices[] = {
      {monster_.panel.filename, monster_.race, "választás (élőlény, Faj)"},
      {monster_.panel.filename, monster_.gender, "választás (élőlény, Nem)"},
      {monster_.panel.filename, monster_.class1, "választás (élőlény, Osztály)"},
      {monster_.panel.filename, monster_.class2, "választás (élőlény, Második osztály)"},
      {monster_.panel.filename, monster_.class3, "választás (élőlény, Harmadik osztály)"},
      {item_.panel.filename, item_.is_weapon, "választás (tárgy, Fajta)"},
      {item_.panel.filename, item_.itemtype, "választás (tárgy, Típus)"},
      {item_.panel.filename, item_.two_handed, "választás (tárgy, Egy- vagy kétkezes)"},
      {item_.panel.filename, item_.invisitem, "választás (tárgy, Láthatatlan tárgy)"},
  };
  for (const Choice& c : choices) app_.record_choice(c.choice, c.label, shown_record(c.filename));
  for (const Panel& panel : panels) {
    std::string caption;
    for (controls::Edit* field : panel.fields) {
      // A box without a caption of its own goes on from the one before it ("Sebzés" 1 d 4).
      if (!field->caption().empty()) caption = field->caption();
      app_.record_typing(*field, "gépelés (" + std::string(panel.word) + ", " + caption + ")",
                         shown_record(panel.filename));
    }
  }
}

// A stored record is named by its name; one not stored yet is the panel's fresh record,
// whatever name is typed for it, so typing done before the name stays undoable.
std::function<std::string()> Workbench::shown_record(const controls::ComboBox& filename) {
  Hooks& hooks = app_.hooks();
  const RecordKind kind = &filename == hooks.room.filename      ? RecordKind::room
                          : &filename == hooks.monster.filename ? RecordKind::monster
                                                                : RecordKind::item;
  return [this, kind, &filename] {
    std::string name = filename.text();
    const Work& w = app_.work();
    bool stored = kind == RecordKind::room      ? w.rooms.contains(name)
                  : kind == RecordKind::monster ? w.monsters.contains(name)
                                                : w.items.contains(name);
    return stored ? name : std::string();
  };
}

void Workbench::add_area_check() {
  app_.forms().add(FormRegistry::Kind::side, area_check_.form);
  app_.menu_bar().add_item(
      "Munka1", {"Ellenrzs1", "&Ellenőrzés", "F7", [this] { area_check_.open(); }}, "Mentsmsknt1");
  area_check_.open_place = [this](const check::Place& place) { open_place(place); };
}

bool Workbench::may_turn_to(const controls::ComboBox& filename, bool pending,
                            const std::string& name) {
  if (filename.text() == name || !pending) return true;
  app_.debug(
      "A panelen tárolatlan módosítások vannak. Tárold vagy vesd el őket, mielőtt "
      "megnyitod ezt: " +
      name);
  return false;
}

void Workbench::open_place(const check::Place& place) {
  controls::Button* dialog_button = nullptr;
  if (place.kind == check::kWorkSubject) {
    app_.open_creator_data();
    return;
  }
  if (place.kind == check::kRoomKind) {
    if (!may_turn_to(room_.filename, room_.pending_edits(), place.name)) return;
    app_.show_room_panel();
    room_.filename.set_text(place.name);
    for (auto [form, button] : {std::pair{"Form4", &room_.RoomItems},
                                {"Form5", &room_.Button5},
                                {"Form7", &room_.Button4},
                                {"Form18", &room_.Button8}})
      if (place.form == form) dialog_button = button;
  } else if (place.kind == check::kCreatureKind) {
    if (!may_turn_to(monster_.panel.filename, monster_.pending_edits(), place.name)) return;
    app_.show_creature_panel();
    monster_.panel.filename.set_text(place.name);
    for (auto [form, button] : {std::pair{"Form8", &monster_.panel.ids_button},
                                {"Form9", &monster_.Button10},
                                {"Form10", &monster_.Button9},
                                {"Form15", &monster_.Button12}})
      if (place.form == form) dialog_button = button;
  } else if (place.kind == check::kItemKind) {
    if (!may_turn_to(item_.panel.filename, item_.pending_edits(), place.name)) return;
    app_.show_item_panel();
    item_.panel.filename.set_text(place.name);
    for (auto [form, button] : {std::pair{"Form12", &item_.panel.ids_button},
                                {"Form13", &item_.antis},
                                {"Form14", &item_.bonuses}})
      if (place.form == form) dialog_button = button;
  }
  if (dialog_button) dialog_button->click();
}

// A store that went through says so on the status line; a refusal has said why already.
void Workbench::announce_stores() {
  using Line = std::optional<std::string>;
  app_.announce(room_.Button1, [this]() -> Line {
    const std::string& name = room_.filename.text();
    if (!room_exists(work(), name)) return std::nullopt;
    return stored_line(name, "szoba");
  });
  app_.announce(monster_.panel.ready_button, [this]() -> Line {
    const std::string& name = monster_.panel.filename.text();
    if (!mons_exists(work(), name)) return std::nullopt;
    return stored_line(name, "élőlény");
  });
  app_.announce(item_.panel.ready_button, [this]() -> Line {
    const std::string& name = item_.panel.filename.text();
    if (!item_exists(work(), name)) return std::nullopt;
    return stored_line(name, "tárgy") + ". " + std::string(kLineBalanced);
  });
  editors::ExitEditor& exits = room_.exits;
  app_.announce(exits.doorkeysave, [&exits]() -> Line {
    if (exits.exitdir.selected() < 0 || exits.doorname.text().empty()) return std::nullopt;
    return exits.exitdir.selected_text() + " kijárat ajtaja: " + exits.doorname.text();
  });
}

void Workbench::inmud_enter() {
  std::string line = mud_.inmud.text();
  mud_.inmud.set_text("");
  console_.command(line);
}

void Workbench::Button3Click() {
  if (const droom* room = room_exists(work(), room_.filename.text())) console_.show_room(*room);
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
  monster_.panel.form.show();
  monster_.show_creature(creature);
}

// The builder's typing is never replaced by a stored record; their own record only comes
// forward as it is.
bool Workbench::keeps_room_edits(const droom& room, bool to_front) {
  if (!room_.pending_edits()) return false;
  if (may_turn_to(room_.filename, true, room.filename) && to_front) room_.room.show();
  return true;
}

bool Workbench::keeps_creature_edits(const dmons& creature) {
  if (!monster_.pending_edits()) return false;
  if (may_turn_to(monster_.panel.filename, true, creature.filename)) monster_.panel.form.show();
  return true;
}

void Workbench::focus_input() {
  app_.focus().set(&mud_.inmud);
}

}  // namespace tamo::app
