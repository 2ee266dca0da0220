#pragma once

#include "controls/control.h"
#include "controls/form.h"

namespace tamo::app {

// "Névjegy": the program's name, version, credit and thanks.
struct AboutBox {
  AboutBox();

  controls::Form form{"Form17", "Névjegy"};
  controls::Label program{"Label1", "Tamo"};
  controls::Label subtitle{"Label2", "Zelvária editor"};
  controls::Label version{"Label3", "Verzió 1.7"};
  controls::Label credit{"Label4", "Készítették a Tamo fejlesztői"};
  controls::Label thanks_heading{"Label5", "Köszönet a következőknek :"};
  controls::Label thanks{"Label6", "Zelvária minden építőjének és játékosának"};
  controls::Button ok{"Button1", "OK"};
};

}  // namespace tamo::app
