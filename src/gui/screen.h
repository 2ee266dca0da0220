#pragma once

// The Qt side of the headless controls. A Screen holds one binder per bound control; every
// user event goes through Screen::run, which lets the core handle it and then redraws only
// the controls whose revision moved (signals blocked while writing), plus visibility,
// enabled state, front order and focus. The core's focus follows the user's clicks and tabs,
// and is written back only when the core itself moved it.
//
// Writing a view is declarative: ask the screen for a widget per control and lay them out.
// Each widget gets the component name as objectName, the label or caption as accessible
// name, and the hint as tooltip. A view for a panel or dialog is a ViewFactory that fills
// the page the main window made for that form:
//
//   views["Form16"] = [&dlg = app.creator_data()](gui::Screen& s, QWidget* page) {
//     auto* rows = new QFormLayout(page);
//     rows->addRow(s.label_for(dlg.cproject), s.edit(dlg.cproject));
//     rows->addRow(s.button(dlg.Button1), s.button(dlg.Button2));
//   };
//
// Kinds: Edit→QLineEdit, Memo→QPlainTextEdit (CR LF in the core, line breaks on screen),
// ComboBox→QComboBox (editable or not), ListBox→QListWidget, RadioGroup→QGroupBox of
// QRadioButtons in its columns, CheckBox→QCheckBox, Button→QPushButton, Label→QLabel,
// Group→QGroupBox. Typing limits are enforced while typing only; typed or pasted text that
// Windows-1250 cannot hold arrives in the core with "?" in its place.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include <QMetaObject>
#include <QString>

#include "app/application.h"
#include "controls/control.h"
#include "controls/edit.h"
#include "controls/form.h"
#include "controls/lists.h"
#include "gui/text.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace tamo::gui {

class Screen;
using ViewFactory = std::function<void(Screen&, QWidget* page)>;
// Views by form name; a form without a view shows an empty page or window.
using Views = std::map<std::string, ViewFactory>;

// One control drawn by one widget.
class Binder {
 public:
  Binder(const controls::Control& control, QWidget* widget);
  virtual ~Binder() = default;
  const controls::Control& control() const { return control_; }
  QWidget* widget() const { return widget_; }
  // Redraws when the control's revision moved or the user just typed into the widget.
  void sync();
  // The widget shows what the user did, which the core may have refused or changed.
  void user_changed() { stale_ = true; }
  // What a screen reader announces while the control has no caption.
  void set_spoken_name(const QString& name);

 protected:
  virtual void write() = 0;
  virtual void write_common();

 private:
  const controls::Control& control_;
  QWidget* widget_;
  QString spoken_name_;
  std::uint64_t seen_revision_ = 0;
  bool stale_ = true;
};

class Screen {
 public:
  explicit Screen(app::Application& app);
  ~Screen();
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  app::Application& app() { return app_; }

  // Every user event enters here.
  void run(const std::function<void()>& handler);
  // Brings every widget in step with the core.
  void sync();
  // Runs after the binders on every sync (the main window arranges panels and dialogs).
  void add_sync_step(std::function<void()> step) { steps_.push_back(std::move(step)); }

  QLineEdit* edit(controls::Edit& control);
  QPlainTextEdit* memo(controls::Memo& control);
  QComboBox* combo(controls::ComboBox& control);
  QListWidget* list(controls::ListBox& control);
  QGroupBox* radio(controls::RadioGroup& control);
  QCheckBox* check(controls::CheckBox& control);
  QPushButton* button(controls::Button& control);
  QLabel* label(controls::Label& control);
  QGroupBox* group(controls::Group& control);
  // A label showing the control's caption, as the buddy of the control's widget (bound
  // before or after).
  QLabel* label_for(const controls::Control& control);
  // Binds a form's caption, enabled state and (for a top-level window) visibility. A window
  // that marks unsaved work shows the desktop's modified marker after its caption.
  void form(controls::Form& form, QWidget* widget, bool top_level, bool marks_unsaved = false);
  // Gives a control without a caption (bound already) the name a screen reader announces.
  void set_accessible_name(const controls::Control& control, const QString& name);

  // The keyboard answers of a side dialog, whose buttons are bound already: Enter presses
  // the focused button or else the default one (drawn as default), Escape the cancel one.
  // Either may be null.
  void set_dialog_buttons(const controls::Form& form, controls::Button* default_button,
                          controls::Button* cancel_button);
  struct DialogButtons {
    QPushButton* default_button = nullptr;
    QPushButton* cancel_button = nullptr;
  };
  DialogButtons dialog_buttons(const controls::Form& form) const;
  // Enter in `entry` (a box that feeds a list) presses `add`, the list's add button.
  void set_entry_button(const controls::Control& entry, controls::Button& add);
  // The add button of the entry box that holds `focus`, or null.
  QPushButton* entry_button(const QWidget* focus) const;

  QWidget* widget_of(const controls::Control& control) const;

 private:
  template <class B, class... Args>
  auto* bind(Args&&... args);
  // The core learns where the user put the focus, unless a focus change of its own is still
  // to be drawn.
  void learn_focus(QWidget* now);
  Binder* binder_of(const controls::Control& control) const;

  app::Application& app_;
  std::vector<std::unique_ptr<Binder>> binders_;
  std::unordered_map<const controls::Control*, Binder*> binder_by_control_;
  // Widgets that can take the focus for their control: forms are left out.
  std::unordered_map<const QWidget*, const controls::Control*> focus_targets_;
  std::unordered_map<const controls::Form*, DialogButtons> dialog_buttons_;
  std::unordered_map<const QWidget*, QPushButton*> entry_buttons_;
  std::unordered_map<const controls::Control*, QLabel*> waiting_labels_;
  std::vector<std::function<void()>> steps_;
  std::uint64_t seen_focus_ = 0;
  QMetaObject::Connection focus_watch_;
  int depth_ = 0;
};

}  // namespace tamo::gui
