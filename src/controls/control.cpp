#include "controls/control.h"

#include <utility>

namespace tamo::controls {

Control::Control(std::string name, std::string caption)
    : name_(std::move(name)), caption_(std::move(caption)) {}

void Control::set_caption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  changed();
}

void Control::set_hint(std::string hint) {
  if (hint == hint_) return;
  hint_ = std::move(hint);
  changed();
}

void Control::set_enabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  changed();
}

void Control::set_visible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  changed();
}

void UserValue::user_change(const Handler& change) {
  if (!on_user_edit) return change();
  if (before_user_edit) before_user_edit();
  std::string before = value();
  change();
  if (value() != before) on_user_edit(before);
}

void Button::click() {
  if (enabled() && visible() && on_click) on_click();
}

void CheckBox::set_checked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  changed();
  if (on_click) on_click();
}

void CheckBox::user_set_checked(bool checked) {
  if (!enabled()) return;
  user_change([this, checked] { set_checked(checked); });
}

}  // namespace tamo::controls
