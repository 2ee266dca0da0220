#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/form.h"

namespace tamo::app {

// The panels of the main window and the side dialogs, by component name, in creation order,
// with the one front order they share. The application declares each form once (name,
// caption, whether a reset hides it) and holds a placeholder until the editor that owns the
// real form installs it, so lookups by name always reach the live form.
class FormRegistry {
 public:
  // A side window is one the builder works beside (the map, the search, the area check): it
  // first appears next to the main window rather than over it.
  enum class Kind { panel, dialog, side };
  // Whether closeallotherforms hides it when the work is reset, saved or replaced.
  enum class OnReset { stays, hidden };
  struct Entry {
    Kind kind;
    controls::Form* form;
    OnReset on_reset;
  };

  // A form the registry owns until someone installs the real one.
  controls::Form& add_placeholder(Kind kind, std::string name, std::string caption,
                                  OnReset on_reset = OnReset::stays);
  // A form owned elsewhere that lives as long as the registry.
  void add(Kind kind, controls::Form& form, OnReset on_reset = OnReset::stays);
  // Puts an editor-owned form in place of the entry of the same name.
  void install(controls::Form& form);

  // The form of that name; std::out_of_range for an unknown name.
  controls::Form& get(std::string_view name) const;
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  Entry& entry(std::string_view name);
  std::vector<Entry> entries_;
  std::vector<std::unique_ptr<controls::Form>> placeholders_;
  controls::Stacking stacking_;
};

}  // namespace tamo::app
