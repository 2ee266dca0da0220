#pragma once

#include <string>

#include "controls/control.h"
#include "controls/form.h"
#include "model/work.h"

namespace tamo::editors {

// What the editors need from the application around them.
class EditorHost {
 public:
  virtual ~EditorHost() = default;
  virtual Work& work() = 0;
  // The program's one message routine: a box with the text and one OK button.
  virtual void debug(const std::string& text) = 0;
  // Hides the side dialogs before a working copy is reset, saved or replaced.
  virtual void closeallotherforms() = 0;
  // Disabled while an editor dialog is open.
  virtual void set_main_enabled(bool enabled) = 0;
  virtual controls::Focus& focus() = 0;
};

// The dialog protocol: an editor dialog opens in front with the main window disabled, and
// every way of closing it enables the main window again.
void attach_dialog_protocol(EditorHost& host, controls::Form& dialog);
void open_dialog(EditorHost& host, controls::Form& dialog);

}  // namespace tamo::editors
