#pragma once

#include <cstdint>

#include "controls/control.h"

namespace tamo::controls {

class Form;

// Which of a program's forms was shown last: the forms that join one stacking share its
// order, so two programs (or two tests) never mix theirs.
class Stacking {
 public:
  void join(Form& form);
  std::uint64_t next() { return ++last_; }

 private:
  std::uint64_t last_ = 0;
};

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
  // Higher is nearer the front among the forms of its stacking; a form that joined none
  // only knows that it was shown.
  std::uint64_t front_order() const { return front_order_; }

  Handler on_close;

 private:
  friend class Stacking;
  Stacking* stacking_ = nullptr;
  std::uint64_t front_order_ = 0;
};

}  // namespace tamo::controls
