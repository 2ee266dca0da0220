#include "app/creator_data.h"

#include "model/input_rules.h"
#include "model/storing.h"

namespace tamo::app {

CreatorDataDialog::CreatorDataDialog(Work& work) : work_(work) {
  cproject.set_hint("Ha lehet, ide egy egyszavas, ékezetek nelküli, kisbetűs nevet adjal meg.");
  cname.set_hint("Ide mindenképp a Zelvariás karaktered nevét írd, mert így tudunk azonosítani.");
  cproject.on_change = [this] { cprojectChange(); };
  Button1.on_click = [this] { Button1Click(); };
  Button2.on_click = [this] { Button2Click(); };
}

void CreatorDataDialog::open() {
  cproject.set_text(work_.project);
  cname.set_text(work_.name);
  cemail.set_text(work_.mail);
  form.show();
}

void CreatorDataDialog::cprojectChange() {
  if (!validfilename(cproject.text())) cproject.set_text("");
}

void CreatorDataDialog::Button1Click() {
  set_creator(work_, cproject.text(), cname.text(), cemail.text());
  form.hide();
}

void CreatorDataDialog::Button2Click() {
  form.hide();
}

}  // namespace tamo::app
