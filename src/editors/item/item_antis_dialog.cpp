#include "editors/item/item_antis_dialog.h"

#include "editors/common/bindings.h"
#include "editors/common/check_keys.h"
#include "model/mixed_list.h"
#include "model/work.h"

namespace tamo::editors {

ItemAntisDialog::ItemAntisDialog(EditorHost& host) : host_(host) {
  attach_dialog_protocol(host_, form);
  bind_clicks(*this, Button1, &ItemAntisDialog::Button1Click, Button2,
              &ItemAntisDialog::Button2Click, Button3, &ItemAntisDialog::Button3Click, Button4,
              &ItemAntisDialog::Button4Click);
}

std::array<controls::CheckBox*, 24> ItemAntisDialog::class_boxes() {
  return {&harcos,       &lovag,      &erdojaro,  &kardmuvesz,  &barbar,     &tolvaj,
          &bard,         &arnyjaro,   &fejvadasz, &utonallo,    &pap,        &paladin,
          &szerzetes,    &druida,     &saman,     &magus,       &mentalista, &elementalista,
          &illuzionista, &nekromanta, &foldmagus, &levegomagus, &vizmagus,   &tuzmagus};
}

std::array<controls::CheckBox*, 27> ItemAntisDialog::stored_order() {
  return {&harcos,     &tolvaj,      &pap,       &magus,      &lovag,         &erdojaro,
          &kardmuvesz, &barbar,      &paladin,   &szerzetes,  &druida,        &saman,
          &bard,       &arnyjaro,    &fejvadasz, &utonallo,   &elementalista, &tuzmagus,
          &vizmagus,   &levegomagus, &foldmagus, &mentalista, &illuzionista,  &nekromanta,
          &jo,         &semleges,    &gonosz};
}

void ItemAntisDialog::open() {
  const MixedList& antis = host_.work().tmpitem.antis;
  show_checks(antis, stored_order());
  open_dialog(host_, form);
}

void ItemAntisDialog::check_classes(bool checked) {
  for (controls::CheckBox* box : class_boxes()) box->set_checked(checked);
}

void ItemAntisDialog::Button1Click() {
  check_classes(true);
}

void ItemAntisDialog::Button2Click() {
  check_classes(false);
}

void ItemAntisDialog::Button3Click() {
  MixedList& antis = host_.work().tmpitem.antis;
  store_checks(antis, stored_order());
  form.close();
}

void ItemAntisDialog::Button4Click() {
  form.close();
}

}  // namespace tamo::editors
