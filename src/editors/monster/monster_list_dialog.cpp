#include "editors/monster/monster_list_dialog.h"

#include <utility>

#include "model/storing.h"

namespace tamo::editors {

MonsterListDialog::MonsterListDialog(EditorHost& host, const controls::ComboBox& monsfilename,
                                     MixedList dmons::*list, std::string name, std::string caption)
    : form(std::move(name), std::move(caption)),
      host_(host),
      monsfilename_(monsfilename),
      list_(list) {
  attach_dialog_protocol(host_, form);
}

const dmons* MonsterListDialog::stored() const {
  return mons_exists(host_.work(), monsfilename_.text());
}

MixedList& MonsterListDialog::list() const {
  return host_.work().tmpmons.*list_;
}

void MonsterListDialog::reload() {
  if (const dmons* m = stored()) copy_mixed(m->*list_, list());
}

void MonsterListDialog::show(const controls::Control& focused) {
  open_dialog(host_, form);
  host_.focus().set(&focused);
}

void MonsterListDialog::write_through_and_close() {
  if (const dmons* m = stored()) set_mons_list(host_.work(), m->filename, list_, list());
  form.close();
}

}  // namespace tamo::editors
