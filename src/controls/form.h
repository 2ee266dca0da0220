#pragma once

#include <cstdint>

#include "controls/control.h"

namespace tamo::controls {

// A window or a stacked panel: shown in front, hidden, or closed.
class Form : public Control {
 public:
  explicit Form(std::string name, std::string caption = {});

  // Makes it visible and brings it in front of every other form and panel.
  void show();
  // Hides it without running on_close (as closeallotherforms does).
  void hide();
  // The user or a button closes it: on_close runs, then it is hidden.
  void close();
  // Higher is nearer the front; shared by all forms of the program.
  std::uint64_t front_order() const { return front_order_; }

  Handler on_close;

 private:
  std::uint64_t front_order_ = 0;
};

}  // namespace tamo::controls
