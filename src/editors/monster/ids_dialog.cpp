#include "editors/monster/ids_dialog.h"

#include <algorithm>
#include <string>

namespace tamo::editors {

namespace {
bool id_char(char c) {
  return c == ' ' || (c >= 'a' && c <= 'z');
}
}  // namespace

MonsIdsDialog::MonsIdsDialog(EditorHost& host, const controls::ComboBox& monsfilename)
    : MonsterListDialog(host, monsfilename, &dmons::ids, "Form8", "Azonosítók") {
  ids.on_change = [this] { idsChange(); };
  Button1.on_click = [this] { Button1Click(); };
  Button2.on_click = [this] { Button2Click(); };
  Button3.on_click = [this] { Button3Click(); };
}

// The id edit keeps its text across openings; only the list is rebuilt.
void MonsIdsDialog::open() {
  newids.clear();
  reload();
  for (const dmixed& e : list()) newids.add(e.key);
  show(ids);
}

void MonsIdsDialog::idsChange() {
  const std::string& t = ids.text();
  if (!std::all_of(t.begin(), t.end(), id_char)) ids.set_text("");
}

void MonsIdsDialog::Button1Click() {
  std::string id = ids.text();
  if (id.empty()) return;
  if (newids.index_of(id) < 0) {
    newids.add(id);
    add_mixed(list(), id, id);
  }
  ids.set_text("");
}

void MonsIdsDialog::Button2Click() {
  int row = newids.selected();
  if (row < 0) return;
  delete_mixed(list(), newids.selected_text());
  newids.remove(row);
}

void MonsIdsDialog::Button3Click() {
  write_through_and_close();
}

}  // namespace tamo::editors
