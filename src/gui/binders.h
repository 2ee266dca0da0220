#pragma once

#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/edit.h"
#include "controls/form.h"
#include "controls/lists.h"
#include "gui/screen.h"

class QButtonGroup;

namespace tamo::gui {

// One binder per control kind; the Screen makes them (see screen.h).

class EditBinder : public Binder {
 public:
  EditBinder(Screen& screen, controls::Edit& edit);
  QLineEdit* line() const;

 private:
  void write() override;
  controls::Edit& edit_;
};

class MemoBinder : public Binder {
 public:
  MemoBinder(Screen& screen, controls::Memo& memo);
  QPlainTextEdit* text_box() const;

 private:
  void write() override;
  controls::Memo& memo_;
};

class ComboBinder : public Binder {
 public:
  ComboBinder(Screen& screen, controls::ComboBox& combo);
  QComboBox* box() const;

 private:
  void write() override;
  controls::ComboBox& combo_;
  std::vector<std::string> shown_items_;
};

class ListBinder : public Binder {
 public:
  ListBinder(Screen& screen, controls::ListBox& list);
  QListWidget* list_widget() const;

 private:
  void write() override;
  controls::ListBox& list_;
  std::vector<std::string> shown_items_;
};

class RadioBinder : public Binder {
 public:
  RadioBinder(Screen& screen, controls::RadioGroup& radio);
  QGroupBox* group_box() const;

 private:
  void write() override;
  controls::RadioGroup& radio_;
  QButtonGroup* buttons_;
};

class CheckBinder : public Binder {
 public:
  CheckBinder(Screen& screen, controls::CheckBox& check);

 private:
  void write() override;
  controls::CheckBox& check_;
};

class ButtonBinder : public Binder {
 public:
  ButtonBinder(Screen& screen, controls::Button& button);

 private:
  void write() override;
};

class LabelBinder : public Binder {
 public:
  LabelBinder(Screen& screen, controls::Label& label);

 private:
  void write() override;
};

class GroupBinder : public Binder {
 public:
  GroupBinder(Screen& screen, controls::Group& group);

 private:
  void write() override;
};

// A panel page of the main window or a top-level window: caption, enabled state and, for a
// window, visibility (the main window decides which panel page is in front).
class FormBinder : public Binder {
 public:
  FormBinder(controls::Form& form, QWidget* widget, bool top_level, bool marks_unsaved);

 private:
  void write() override;
  void write_common() override;
  bool top_level_;
  bool marks_unsaved_;
};

}  // namespace tamo::gui
