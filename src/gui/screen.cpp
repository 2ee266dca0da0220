#include "gui/screen.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/binders.h"

namespace tamo::gui {

Screen::Screen(app::Application& app) : app_(app) {
  if (qApp)
    focus_watch_ = QObject::connect(qApp, &QApplication::focusChanged,
                                    [this](QWidget*, QWidget* now) { learn_focus(now); });
}

Screen::~Screen() {
  QObject::disconnect(focus_watch_);
}

void Screen::run(const std::function<void()>& handler) {
  ++depth_;
  app_.run_event(handler);
  --depth_;
  // A handler that waits in a message box lets nothing else in; the outermost one redraws.
  if (depth_ == 0) sync();
}

void Screen::sync() {
  for (const auto& b : binders_) b->sync();
  for (const auto& step : steps_) step();
  const controls::Focus& focus = app_.focus();
  if (focus.revision() == seen_focus_) return;
  seen_focus_ = focus.revision();
  if (focus.current() == nullptr) return;
  if (QWidget* w = widget_of(*focus.current()); w && w->isVisible()) w->setFocus();
}

void Screen::learn_focus(QWidget* now) {
  controls::Focus& focus = app_.focus();
  if (focus.revision() != seen_focus_) return;
  // A combo box's line or a radio group's button stands for the bound widget around it.
  for (QWidget* w = now; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
    auto it = focus_targets_.find(w);
    if (it == focus_targets_.end()) continue;
    if (!focus.on(*it->second)) focus.set(it->second);
    seen_focus_ = focus.revision();
    return;
  }
}

template <class B, class... Args>
auto* Screen::bind(Args&&... args) {
  auto binder = std::make_unique<B>(std::forward<Args>(args)...);
  B* raw = binder.get();
  binder_by_control_[&raw->control()] = raw;
  focus_targets_[raw->widget()] = &raw->control();
  if (auto it = waiting_labels_.find(&raw->control()); it != waiting_labels_.end()) {
    it->second->setBuddy(raw->widget());
    waiting_labels_.erase(it);
  }
  binders_.push_back(std::move(binder));
  return raw;
}

QLineEdit* Screen::edit(controls::Edit& control) {
  return bind<EditBinder>(*this, control)->line();
}

QPlainTextEdit* Screen::memo(controls::Memo& control) {
  return bind<MemoBinder>(*this, control)->text_box();
}

QComboBox* Screen::combo(controls::ComboBox& control) {
  return bind<ComboBinder>(*this, control)->box();
}

QListWidget* Screen::list(controls::ListBox& control) {
  return bind<ListBinder>(*this, control)->list_widget();
}

QGroupBox* Screen::radio(controls::RadioGroup& control) {
  return bind<RadioBinder>(*this, control)->group_box();
}

QCheckBox* Screen::check(controls::CheckBox& control) {
  return static_cast<QCheckBox*>(bind<CheckBinder>(*this, control)->widget());
}

QPushButton* Screen::button(controls::Button& control) {
  return static_cast<QPushButton*>(bind<ButtonBinder>(*this, control)->widget());
}

QLabel* Screen::label(controls::Label& control) {
  return static_cast<QLabel*>(bind<LabelBinder>(*this, control)->widget());
}

QGroupBox* Screen::group(controls::Group& control) {
  return static_cast<QGroupBox*>(bind<GroupBinder>(*this, control)->widget());
}

QLabel* Screen::label_for(const controls::Control& control) {
  auto* label = new QLabel(qs(control.caption()));
  label->setObjectName(qs(control.name() + "_label"));
  if (QWidget* w = widget_of(control)) {
    label->setBuddy(w);
  } else {
    waiting_labels_[&control] = label;
  }
  return label;
}

void Screen::form(controls::Form& form, QWidget* widget, bool top_level, bool marks_unsaved) {
  bind<FormBinder>(form, widget, top_level, marks_unsaved);
  focus_targets_.erase(widget);
}

void Screen::set_accessible_name(const controls::Control& control, const QString& name) {
  if (Binder* b = binder_of(control)) b->set_spoken_name(name);
}

void Screen::set_dialog_buttons(const controls::Form& form, controls::Button* default_button,
                                controls::Button* cancel_button) {
  auto push_button = [this](controls::Button* b) {
    return b ? qobject_cast<QPushButton*>(widget_of(*b)) : nullptr;
  };
  DialogButtons& buttons = dialog_buttons_[&form];
  if (buttons.default_button) buttons.default_button->setDefault(false);
  buttons = {push_button(default_button), push_button(cancel_button)};
  if (buttons.default_button) buttons.default_button->setDefault(true);
}

Screen::DialogButtons Screen::dialog_buttons(const controls::Form& form) const {
  auto it = dialog_buttons_.find(&form);
  return it == dialog_buttons_.end() ? DialogButtons{} : it->second;
}

void Screen::set_entry_button(const controls::Control& entry, controls::Button& add) {
  entry_buttons_[widget_of(entry)] = qobject_cast<QPushButton*>(widget_of(add));
}

QPushButton* Screen::entry_button(const QWidget* focus) const {
  // A combo box's own line stands for the box.
  for (const QWidget* w = focus; w && !w->isWindow(); w = w->parentWidget())
    if (auto it = entry_buttons_.find(w); it != entry_buttons_.end()) return it->second;
  return nullptr;
}

Binder* Screen::binder_of(const controls::Control& control) const {
  auto it = binder_by_control_.find(&control);
  return it == binder_by_control_.end() ? nullptr : it->second;
}

QWidget* Screen::widget_of(const controls::Control& control) const {
  Binder* b = binder_of(control);
  return b ? b->widget() : nullptr;
}

}  // namespace tamo::gui
