#include "editors/room/exit_editor.h"

#include <string>

#include "editors/common/bindings.h"
#include "editors/room/exit_names.h"
#include "model/guard_keys.h"
#include "model/item_kind.h"
#include "model/mixed_list.h"
#include "model/storing.h"

namespace tamo::editors {

ExitEditor::ExitEditor(RoomContext context) : context_(context) {
  attach_dialog_protocol(context_.host, form);
  for (std::string_view name : kExitNames) posexits.add(std::string(name));
  exitdesc.set_read_only(true);
  Button1.set_hint("A kijáratot úgy törli, hogy a hozzá tartozó másik szobát is átalakítja.");
  Button4.set_hint("A kijáratot úgy törli, hogy a többi szobát változatlanul hagyja.");
  posexits.on_change = [this] { posexitsonchange(); };
  doorname.on_change = [this] { doornameChange(); };
  exitdir.on_select = [this] { exitdirMouseUp(); };
  bind_clicks(*this, Button2, &ExitEditor::Button2Click, Button1, &ExitEditor::Button1Click,
              Button4, &ExitEditor::Button4Click, doorkeysave, &ExitEditor::doorkeysaveClick,
              doordelete, &ExitEditor::doordeleteClick, keydelete, &ExitEditor::keydeleteClick,
              Button3, &ExitEditor::Button3Click, Button5, &ExitEditor::Button5Click);
}

std::array<controls::Control*, 5> ExitEditor::door_controls() {
  return {&doorname, &doorkey, &doordelete, &keydelete, &doorkeysave};
}

void ExitEditor::enable_door_controls(bool enabled) {
  for (controls::Control* c : door_controls()) c->set_enabled(enabled);
}

void ExitEditor::open() {
  exitdir.clear();
  exitname.clear();
  droom& t = context_.tmproom();
  const droom* stored = context_.stored_room();
  if (stored) copy_mixed(stored->exits, t.exits);
  for (const dmixed& e : t.exits) exitdir.add(e.key);
  for (const droom& room : context_.work().rooms)
    if (&room != stored) exitname.add(room.filename);
  posexits.set_text({});
  exitdesc.set_text({});
  doorname.set_text({});
  doorkey.clear();
  for (const ditem& item : context_.work().items)
    if (is_key_item(item)) doorkey.add(item.filename);
  enable_door_controls(false);
  open_dialog(context_.host, form);
  context_.host.focus().set(&posexits);
}

void ExitEditor::posexitsonchange() {
  if (!is_exit_word(posexits.text()) || is_guard_key(posexits.text())) posexits.set_text({});
}

void ExitEditor::doornameChange() {
  if (!is_exit_word(doorname.text())) doorname.set_text({});
}

void ExitEditor::exitdirMouseUp() {
  if (exitdir.selected() < 0) return;
  const droom& t = context_.tmproom();
  std::string exit = exitdir.selected_text();
  exitdesc.set_text(query_mixed(t.exits, exit));
  doorname.set_text(query_mixed(t.doors, exit));
  doorkey.set_text(query_mixed(t.keys, exit));
  enable_door_controls(true);
}

void ExitEditor::Button2Click() {
  std::string exit = posexits.text();
  std::string target = exitname.selected_text();
  if (!exit.empty() && !target.empty()) {
    add_mixed(context_.tmproom().exits, exit, target);
    if (exitdir.index_of(exit) < 0) exitdir.add(exit);
    // A reverse exit needs this room's name to lead anywhere.
    std::string back = iranypar(exit);
    std::string here = context_.filename.text();
    if (!back.empty() && !here.empty()) add_reverse_exits(context_.work(), target, back, here);
  }
  exitdesc.set_text({});
  posexits.set_text({});
}

void ExitEditor::remove_selected_exit() {
  droom& t = context_.tmproom();
  std::string exit = exitdir.selected_text();
  delete_mixed(t.exits, exit);
  exitdir.remove(exitdir.selected());
  delete_mixed(t.doors, exit);
  delete_mixed(t.keys, exit);
  doorname.set_text({});
  doorkey.select(-1);
  enable_door_controls(false);
}

void ExitEditor::Button1Click() {
  if (exitdir.selected() >= 0) {
    std::string exit = exitdir.selected_text();
    std::string target = query_mixed(context_.tmproom().exits, exit);
    remove_selected_exit();
    // Only an exit that leads back here is this exit's other side.
    std::string back = iranypar(exit);
    if (!back.empty())
      remove_reverse_exits(context_.work(), target, back, context_.filename.text());
  }
  exitdesc.set_text({});
  posexits.set_text({});
  if (const droom* stored = context_.stored_room())
    set_room_list(context_.work(), stored->filename, &droom::exits, context_.tmproom().exits);
}

void ExitEditor::Button4Click() {
  if (exitdir.selected() >= 0) remove_selected_exit();
  exitdesc.set_text({});
  posexits.set_text({});
}

void ExitEditor::doorkeysaveClick() {
  if (exitdir.selected() < 0) return;
  if (doorname.text().empty()) {
    context_.host.debug("Nincs ajtónév megadva!");
    return;
  }
  droom& t = context_.tmproom();
  std::string exit = exitdir.selected_text();
  add_mixed(t.doors, exit, doorname.text());
  if (doorkey.selected() >= 0) add_mixed(t.keys, exit, doorkey.text());
}

void ExitEditor::doordeleteClick() {
  if (exitdir.selected() < 0) return;
  droom& t = context_.tmproom();
  std::string exit = exitdir.selected_text();
  delete_mixed(t.doors, exit);
  doorname.set_text({});
  delete_mixed(t.keys, exit);
  doorkey.select(-1);
}

void ExitEditor::keydeleteClick() {
  if (exitdir.selected() < 0) return;
  delete_mixed(context_.tmproom().keys, exitdir.selected_text());
  doorkey.select(-1);
}

void ExitEditor::Button3Click() {
  if (const droom* stored = context_.stored_room()) {
    const droom& t = context_.tmproom();
    std::string name = stored->filename;
    set_room_list(context_.work(), name, &droom::exits, t.exits);
    set_room_list(context_.work(), name, &droom::doors, t.doors);
    set_room_list(context_.work(), name, &droom::keys, t.keys);
  }
  form.close();
}

void ExitEditor::Button5Click() {
  form.close();
}

}  // namespace tamo::editors
