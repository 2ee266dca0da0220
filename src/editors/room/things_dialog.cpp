#include "editors/room/things_dialog.h"

#include <algorithm>
#include <string>

#include "editors/common/bindings.h"
#include "model/input_rules.h"
#include "model/mixed_list.h"
#include "model/storing.h"

namespace tamo::editors {

RoomThingsDialog::RoomThingsDialog(RoomContext context) : context_(context) {
  attach_dialog_protocol(context_.host, form);
  itemname.on_change = [this] { OnChangeItem(); };
  bind_clicks(*this, itemready, &RoomThingsDialog::itemreadyClick, Button1,
              &RoomThingsDialog::Button1Click, OKitems, &RoomThingsDialog::OKitemsClick);
}

std::array<MixedList*, 4> RoomThingsDialog::sense_lists(droom& room) {
  return {&room.items, &room.smell, &room.listen, &room.search};
}

std::array<std::pair<controls::Edit*, MixedList*>, 4> RoomThingsDialog::texts() {
  auto lists = sense_lists(context_.tmproom());
  return {
      {{&looked, lists[0]}, {&smelled, lists[1]}, {&listened, lists[2]}, {&searched, lists[3]}}};
}

void RoomThingsDialog::empty_fields() {
  itemname.set_text({});
  for (auto [edit, list] : texts()) edit->set_text({});
}

void RoomThingsDialog::open() {
  if (const droom* stored = context_.stored_room())
    copy_mixed(stored->items, context_.tmproom().items);
  itemname.clear();
  for (auto [edit, list] : texts())
    for (const dmixed& e : *list)
      if (itemname.index_of(e.key) < 0) itemname.add(e.key);
  empty_fields();
  open_dialog(context_.host, form);
  context_.host.focus().set(&itemname);
}

void RoomThingsDialog::OnChangeItem() {
  std::string name = itemname.text();
  if (!validfilename(name)) {
    itemname.set_text({});
    return;
  }
  auto fields = texts();
  bool any = std::any_of(fields.begin(), fields.end(),
                         [&name](const auto& f) { return !query_mixed(*f.second, name).empty(); });
  if (!any) return;
  for (auto [edit, list] : fields) edit->set_text(query_mixed(*list, name));
}

void RoomThingsDialog::itemreadyClick() {
  std::string name = itemname.text();
  if (name.empty()) return;
  for (auto [edit, list] : texts()) add_mixed(*list, name, edit->text());
  if (itemname.index_of(name) < 0) itemname.add(name);
  empty_fields();
  if (const droom* stored = context_.stored_room()) {
    std::string stored_name = stored->filename;
    const droom& t = context_.tmproom();
    for (MixedList droom::*list : {&droom::items, &droom::smell, &droom::listen, &droom::search})
      set_room_list(context_.work(), stored_name, list, t.*list);
  }
}

void RoomThingsDialog::Button1Click() {
  std::string name = itemname.text();
  int row = itemname.index_of(name);
  if (!name.empty() && row >= 0) {
    for (auto [edit, list] : texts()) delete_mixed(*list, name);
    itemname.remove(row);
  }
  empty_fields();
}

void RoomThingsDialog::OKitemsClick() {
  form.close();
}

}  // namespace tamo::editors
