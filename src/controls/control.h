#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tamo::controls {

using Handler = std::function<void()>;

// A control holding one value the builder changes (a text, a choice), read and put back as
// text, so that whatever the control, a change of it can be taken back.
class UserValue {
 public:
  virtual ~UserValue() = default;
  virtual std::string value() const = 0;
  // As the program sets it: the user hooks do not run.
  virtual void set_value(std::string value) = 0;

  // Before a user route changes the value (it may not change after all), and after it did,
  // with what it held before; values the program sets run neither.
  Handler before_user_edit;
  std::function<void(const std::string& before)> on_user_edit;

 protected:
  // Runs `change` as the user's own, telling the hooks.
  void user_change(const Handler& change);
};

// What every headless control shares: its component name, its label or caption, its hint,
// enabled and visible. `revision` grows with every change a view must redraw, so a view
// redraws only the controls whose revision moved.
class Control {
 public:
  explicit Control(std::string name, std::string caption = {});
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  const std::string& caption() const { return caption_; }
  void set_caption(std::string caption);
  const std::string& hint() const { return hint_; }
  void set_hint(std::string hint);
  bool enabled() const { return enabled_; }
  void set_enabled(bool enabled);
  bool visible() const { return visible_; }
  void set_visible(bool visible);

  std::uint64_t revision() const { return revision_; }

 protected:
  void changed() { ++revision_; }

 private:
  std::string name_;
  std::string caption_;
  std::string hint_;
  bool enabled_ = true;
  bool visible_ = true;
  std::uint64_t revision_ = 0;
};

// A plain label.
class Label : public Control {
 public:
  using Control::Control;
};

// A group box or panel area; only its caption and visibility matter.
class Group : public Control {
 public:
  using Control::Control;
};

class Button : public Control {
 public:
  using Control::Control;
  // A press by the user: does nothing while the button is disabled or hidden.
  void click();
  Handler on_click;
};

class CheckBox : public Control, public UserValue {
 public:
  using Control::Control;
  bool checked() const { return checked_; }
  // Runs on_click when the state changes, whoever changes it.
  void set_checked(bool checked);
  // The user ticks or clears the box.
  void user_set_checked(bool checked);
  std::string value() const override { return checked_ ? "1" : "0"; }
  void set_value(std::string value) override { set_checked(value == "1"); }
  Handler on_click;

 private:
  bool checked_ = false;
};

// The one keyboard focus of the application.
class Focus {
 public:
  void set(const Control* control) {
    current_ = control;
    ++revision_;
  }
  const Control* current() const { return current_; }
  bool on(const Control& control) const { return current_ == &control; }
  std::uint64_t revision() const { return revision_; }

 private:
  const Control* current_ = nullptr;
  std::uint64_t revision_ = 0;
};

}  // namespace tamo::controls
