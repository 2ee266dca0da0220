#pragma once

#include "controls/control.h"
#include "controls/edit.h"
#include "controls/form.h"
#include "model/work.h"

namespace tamo::app {

// "A munka adatai": the work's name, the author's name and e-mail address.
class CreatorDataDialog {
 public:
  explicit CreatorDataDialog(Work& work);

  // Fills the fields from the work and shows the dialog in front.
  void open();
  void cprojectChange();
  void Button1Click();  // "OK"
  void Button2Click();  // "Vissza"

  controls::Form form{"Form16", "A munka adatai"};
  controls::Edit cproject{"cproject", "A munka neve"};
  controls::Edit cname{"cname", "A szerző neve"};
  controls::Label megjegyzes{"megjegyzes", "(ide a mud-os nevedet írd)"};
  controls::Edit cemail{"cemail", "A szerző e-mail címe"};
  controls::Button Button1{"Button1", "OK"};
  controls::Button Button2{"Button2", "Vissza"};

 private:
  Work& work_;
};

}  // namespace tamo::app
