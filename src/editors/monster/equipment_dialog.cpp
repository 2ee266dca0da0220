#include "editors/monster/equipment_dialog.h"

#include <string>

#include "editors/common/bindings.h"
#include "editors/monster/count_text.h"

namespace tamo::editors {

namespace {
std::string bad_count_message(const dmixed& entry) {
  return "Az élőlény felszerelésében a(z) \"" + entry.key + "\" darabszáma nem szám: \"" +
         entry.value + "\"";
}
}  // namespace

MonsEquipmentDialog::MonsEquipmentDialog(EditorHost& host, const controls::ComboBox& monsfilename)
    : RecordListDialog<dmons>(host, monsfilename, &dmons::equipment, "Form15", "Felszerelés") {
  bind_clicks(*this, Button1, &MonsEquipmentDialog::Button1Click, Button2,
              &MonsEquipmentDialog::Button2Click, Button3, &MonsEquipmentDialog::Button3Click);
}

void MonsEquipmentDialog::open() {
  const dmons* m = stored();
  for (const dmixed& e : m ? m->equipment : list()) {
    if (!valid_count(e.value)) return host_.debug(bad_count_message(e));
  }
  equipment.clear();
  posequipment.clear();
  for (const ditem& item : host_.work().items) posequipment.add(item.filename);
  reload();
  for (const dmixed& e : list()) {
    for (std::size_t n = count_up_to(e.value, kMostRowsPerItem); n > 0; --n) equipment.add(e.key);
  }
  show(&posequipment);
}

void MonsEquipmentDialog::Button1Click() {
  std::string item = posequipment.text();
  if (posequipment.selected() >= 0) {
    std::string count = query_mixed(list(), item);
    if (count_up_to(count, kMostRowsPerItem) < kMostRowsPerItem) equipment.add(item);
    add_mixed(list(), item, count_plus_one(count));
  }
  posequipment.select(-1);
}

void MonsEquipmentDialog::Button2Click() {
  int row = equipment.selected();
  if (row < 0) return;
  std::string item = equipment.selected_text();
  std::string count = query_mixed(list(), item);
  std::string lower = count_up_to(count, 1) == 0 ? "0" : count_minus_one(count);
  if (lower == "0") {
    delete_mixed(list(), item);
  } else {
    add_mixed(list(), item, lower);
  }
  // An item counted beyond the cap keeps its rows until its count falls below it.
  if (count_up_to(lower, kMostRowsPerItem) < kMostRowsPerItem) equipment.remove(row);
}

void MonsEquipmentDialog::Button3Click() {
  write_through_and_close();
}

}  // namespace tamo::editors
