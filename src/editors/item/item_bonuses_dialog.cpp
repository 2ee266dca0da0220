#include "editors/item/item_bonuses_dialog.h"

#include "editors/common/field_filter.h"
#include "model/input_rules.h"
#include "model/work.h"

namespace tamo::editors {

ItemBonusesDialog::ItemBonusesDialog(EditorHost& host) : host_(host) {
  attach_dialog_protocol(host_, form);
  constexpr std::array<std::size_t, kBonusCount> kMaxLength = {4, 4, 4, 3, 3, 3, 3,
                                                               3, 2, 2, 2, 2, 2, 2};
  auto all = boxes();
  for (std::size_t k = 0; k < kBonusCount; ++k) all[k]->set_max_length(kMaxLength[k]);
  hp.on_change = [this] { hpChange(); };
  mp.on_change = [this] { mpChange(); };
  sp.on_change = [this] { spChange(); };
  tb.on_change = [this] { tbChange(); };
  sb.on_change = [this] { sbChange(); };
  ac.on_change = [this] { acChange(); };
  magi.on_change = [this] { magiChange(); };
  meri.on_change = [this] { meriChange(); };
  ero.on_change = [this] { eroChange(); };
  allo.on_change = [this] { alloChange(); };
  ugyi.on_change = [this] { ugyiChange(); };
  iq.on_change = [this] { iqChange(); };
  bolcsi.on_change = [this] { bolcsiChange(); };
  kari.on_change = [this] { kariChange(); };
  Button1.on_click = [this] { Button1Click(); };
  Button2.on_click = [this] { Button2Click(); };
}

void ItemBonusesDialog::keep_any_number(controls::Edit& box) {
  empty_unless(box, isvalidanynumber);
}

void ItemBonusesDialog::open() {
  auto from = bonus_fields(host_.work().tmpitem);
  auto to = boxes();
  for (std::size_t k = 0; k < kBonusCount; ++k) to[k]->set_text(*from[k]);
  open_dialog(host_, form);
}

void ItemBonusesDialog::Button1Click() {
  auto from = boxes();
  auto to = bonus_fields(host_.work().tmpitem);
  for (std::size_t k = 0; k < kBonusCount; ++k) *to[k] = from[k]->text();
  form.close();
}

void ItemBonusesDialog::Button2Click() {
  form.close();
}

}  // namespace tamo::editors
