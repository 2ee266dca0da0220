#pragma once

#include <vector>

#include "controls/control.h"
#include "controls/form.h"

namespace tamo::editors {

// A panel's form and its dialogs, each opened by one button of the panel: the editor's
// forms are the panel's and then the dialogs' in the order they were added.
class PanelDialogs {
 public:
  explicit PanelDialogs(controls::Form& panel) : forms_{&panel} {}
  PanelDialogs(const PanelDialogs&) = delete;
  PanelDialogs& operator=(const PanelDialogs&) = delete;

  // Pairs of a button and the dialog it opens.
  void add() {}
  template <class Dialog, class... Rest>
  void add(controls::Button& button, Dialog& dialog, Rest&... rest) {
    button.on_click = [&dialog] { dialog.open(); };
    forms_.push_back(&dialog.form);
    add(rest...);
  }

  const std::vector<controls::Form*>& forms() const { return forms_; }

 private:
  std::vector<controls::Form*> forms_;
};

}  // namespace tamo::editors
