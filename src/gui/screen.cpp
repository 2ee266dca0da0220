#include "gui/screen.h"

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

Screen::Screen(app::Application& app) : app_(app) {}

Screen::~Screen() = default;

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

template <class B, class... Args>
auto* Screen::bind(Args&&... args) {
  auto binder = std::make_unique<B>(std::forward<Args>(args)...);
  B* raw = binder.get();
  widgets_[&raw->control()] = raw->widget();
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

void Screen::form(controls::Form& form, QWidget* widget, bool top_level) {
  bind<FormBinder>(form, widget, top_level);
}

QWidget* Screen::widget_of(const controls::Control& control) const {
  auto it = widgets_.find(&control);
  return it == widgets_.end() ? nullptr : it->second;
}

}  // namespace tamo::gui
