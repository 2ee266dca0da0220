#include "controls/form.h"

#include <utility>

namespace tamo::controls {

void Stacking::join(Form& form) {
  form.stacking_ = this;
}

Form::Form(std::string name, std::string caption) : Control(std::move(name), std::move(caption)) {
  set_visible(false);
}

void Form::show() {
  front_order_ = stacking_ ? stacking_->next() : front_order_ + 1;
  set_visible(true);
  changed();
}

void Form::hide() {
  set_visible(false);
}

void Form::close() {
  if (on_close) on_close();
  hide();
}

}  // namespace tamo::controls
