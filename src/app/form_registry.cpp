#include "app/form_registry.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace tamo::app {

controls::Form& FormRegistry::add_placeholder(Kind kind, std::string name, std::string caption,
                                              OnReset on_reset) {
  placeholders_.push_back(std::make_unique<controls::Form>(std::move(name), std::move(caption)));
  add(kind, *placeholders_.back(), on_reset);
  return *placeholders_.back();
}

void FormRegistry::add(Kind kind, controls::Form& form, OnReset on_reset) {
  stacking_.join(form);
  entries_.push_back({kind, &form, on_reset});
}

void FormRegistry::install(controls::Form& form) {
  Entry& e = entry(form.name());
  controls::Form* old = e.form;
  e.form = &form;
  stacking_.join(form);
  std::erase_if(placeholders_, [old](const auto& p) { return p.get() == old; });
}

namespace {
template <class Entries>
auto& find_entry(Entries& entries, std::string_view name) {
  auto it = std::find_if(entries.begin(), entries.end(),
                         [name](const auto& e) { return e.form->name() == name; });
  if (it == entries.end()) throw std::out_of_range("no form named " + std::string(name));
  return *it;
}
}  // namespace

FormRegistry::Entry& FormRegistry::entry(std::string_view name) {
  return find_entry(entries_, name);
}

controls::Form& FormRegistry::get(std::string_view name) const {
  return *find_entry(entries_, name).form;
}

}  // namespace tamo::app
