#pragma once

#include "controls/control.h"

namespace tamo::editors {

// Binds buttons of a form to handlers of its owner, given as pairs: a button, then the
// handler its click runs.
template <class Owner>
void bind_clicks(Owner&) {}

template <class Owner, class... Rest>
void bind_clicks(Owner& owner, controls::Button& button, void (Owner::*handler)(), Rest&&... rest) {
  button.on_click = [&owner, handler] { (owner.*handler)(); };
  bind_clicks(owner, rest...);
}

}  // namespace tamo::editors
