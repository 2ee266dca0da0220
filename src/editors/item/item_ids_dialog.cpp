#include "editors/item/item_ids_dialog.h"

#include <algorithm>

#include "editors/item/field_filter.h"
#include "model/mixed_list.h"
#include "model/storing.h"
#include "model/work.h"

namespace tamo::editors {

bool valid_id_word(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return c == ' ' || (c >= 'a' && c <= 'z'); });
}

ItemIdsDialog::ItemIdsDialog(EditorHost& host, const controls::ComboBox& itemfilename)
    : host_(host), itemfilename_(itemfilename) {
  attach_dialog_protocol(host_, form);
  itemids.on_change = [this] { itemidsChange(); };
  Button1.on_click = [this] { Button1Click(); };
  Button2.on_click = [this] { Button2Click(); };
  Button3.on_click = [this] { Button3Click(); };
}

void ItemIdsDialog::open() {
  Work& work = host_.work();
  itemnewids.clear();
  if (const ditem* stored = item_exists(work, itemfilename_.text()))
    copy_mixed(stored->ids, work.tmpitem.ids);
  for (const dmixed& id : work.tmpitem.ids) itemnewids.add(id.key);
  open_dialog(host_, form);
}

void ItemIdsDialog::itemidsChange() {
  empty_unless(itemids, valid_id_word);
}

void ItemIdsDialog::Button1Click() {
  const std::string word = itemids.text();
  if (word.empty()) return;
  if (itemnewids.index_of(word) < 0) {
    itemnewids.add(word);
    add_mixed(host_.work().tmpitem.ids, word, word);
  }
  itemids.set_text({});
}

void ItemIdsDialog::Button2Click() {
  int row = itemnewids.selected();
  if (row < 0) return;
  delete_mixed(host_.work().tmpitem.ids, itemnewids.selected_text());
  itemnewids.remove(row);
}

void ItemIdsDialog::Button3Click() {
  Work& work = host_.work();
  if (const ditem* stored = item_exists(work, itemfilename_.text()))
    set_item_list(work, stored->filename, &ditem::ids, work.tmpitem.ids);
  form.close();
}

}  // namespace tamo::editors
