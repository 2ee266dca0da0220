#include "controls/form.h"

#include <utility>

namespace tamo::controls {

namespace {
std::uint64_t next_front_order = 0;
}

Form::Form(std::string name, std::string caption) : Control(std::move(name), std::move(caption)) {
  set_visible(false);
}

void Form::show() {
  front_order_ = ++next_front_order;
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
