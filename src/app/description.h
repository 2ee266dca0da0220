#pragma once

#include "controls/control.h"
#include "controls/edit.h"
#include "controls/form.h"
#include "model/work.h"

namespace tamo::app {

// The work's free-text description, stored into the work only by "Kész".
class DescriptionPanel {
 public:
  explicit DescriptionPanel(Work& work);

  // Refills the memo from the work (dropping unstored typing) and shows the panel.
  void open();
  void maindescChange();
  void descreadyClick();

  controls::Form panel{"description"};
  controls::Label caption{"Label1", "Leírás"};
  controls::Memo maindesc{"maindesc", "Leírás"};
  controls::Button descready{"descready", "Kész"};

 private:
  Work& work_;
};

}  // namespace tamo::app
