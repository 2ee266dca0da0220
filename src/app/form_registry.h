#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/form.h"

namespace tamo::app {

// The panels of the main window and the side dialogs, by component name, in creation order.
// The application creates placeholders; an editor that owns the real form installs it in
// the placeholder's place, so lookups by name always reach the live form.
class FormRegistry {
 public:
  enum class Kind { panel, dialog };
  struct Entry {
    Kind kind;
    controls::Form* form;
  };

  // A form the registry owns until someone installs the real one.
  controls::Form& add_placeholder(Kind kind, std::string name, std::string caption);
  // A form owned elsewhere that lives as long as the registry.
  void add(Kind kind, controls::Form& form);
  // Puts an editor-owned form in place of the entry of the same name.
  void install(controls::Form& form);

  // The form of that name; std::out_of_range for an unknown name.
  controls::Form& get(std::string_view name) const;
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  Entry& entry(std::string_view name);
  std::vector<Entry> entries_;
  std::vector<std::unique_ptr<controls::Form>> placeholders_;
};

}  // namespace tamo::app
