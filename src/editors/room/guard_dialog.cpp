#include "editors/room/guard_dialog.h"

#include <string>

#include "editors/common/bindings.h"
#include "model/guard_keys.h"
#include "model/mixed_list.h"
#include "model/storing.h"

namespace tamo::editors {

GuardDialog::GuardDialog(RoomContext context) : context_(context) {
  attach_dialog_protocol(context_.host, form);
  bind_clicks(*this, Button1, &GuardDialog::Button1Click, Button2, &GuardDialog::Button2Click,
              guarddelete, &GuardDialog::guarddeleteClick, Button3, &GuardDialog::Button3Click,
              Button4, &GuardDialog::Button4Click);
}

void GuardDialog::open() {
  const droom& t = context_.tmproom();
  posguardexits.clear();
  guardspeech.set_text({});
  guardname.clear();
  for (const dmixed& e : t.contents)
    if (cont_is_mons(context_.work(), e.key)) guardname.add(e.key);
  guardexits.clear();
  for (const dmixed& e : t.exits)
    if (posguardexits.index_of(e.key) < 0) posguardexits.add(e.key);
  if (!t.guard.empty()) {
    guardname.set_text(query_mixed(t.guard, kGuardName));
    guardspeech.set_text(query_mixed(t.guard, kGuardSpeech));
    for (const dmixed& e : t.guard)
      if (e.value == kGuardedExit) guardexits.add(e.key);
  }
  open_dialog(context_.host, form);
  context_.host.focus().set(&guardname);
}

void GuardDialog::Button1Click() {
  std::string exit = posguardexits.text();
  if (!exit.empty() && guardexits.index_of(exit) < 0) guardexits.add(exit);
}

void GuardDialog::Button2Click() {
  int row = guardexits.selected();
  if (row < 0) return;
  delete_mixed(context_.tmproom().guard, guardexits.selected_text());
  guardexits.remove(row);
}

void GuardDialog::guarddeleteClick() {
  clear_mixed(context_.tmproom().guard);
  if (const droom* stored = context_.stored_room())
    set_room_list(context_.work(), stored->filename, &droom::guard, MixedList{});
  form.close();
}

void GuardDialog::Button4Click() {
  if (guardname.selected() < 0 || guardspeech.text().empty() || guardexits.count() == 0) {
    context_.host.debug("Az őr megadása nem megfelelő!");
    return;
  }
  MixedList& guard = context_.tmproom().guard;
  add_mixed(guard, kGuardName, guardname.text());
  add_mixed(guard, kGuardSpeech, guardspeech.text());
  for (auto row = guardexits.items().rbegin(); row != guardexits.items().rend(); ++row)
    add_mixed(guard, *row, kGuardedExit);
  form.close();
}

void GuardDialog::Button3Click() {
  form.close();
}

}  // namespace tamo::editors
