#pragma once

#include <string>
#include <utility>
#include <vector>

#include "controls/edit.h"
#include "controls/lists.h"
#include "model/text.h"

namespace tamo::editors {

// One text field of a record and the panel box that shows it.
template <class Record>
class TextField {
 public:
  TextField(controls::Edit& box, Text Record::*field) : edit_(&box), field_(field) {}
  TextField(controls::ComboBox& box, Text Record::*field) : combo_(&box), field_(field) {}

  void show(const Record& record) const {
    if (edit_) return edit_->set_text((record.*field_).str());
    combo_->set_text((record.*field_).str());
  }
  void take(Record& record) const { record.*field_ = edit_ ? edit_->text() : combo_->text(); }
  // A reset panel: empty boxes and no choice in a list.
  void empty() const {
    if (edit_) return edit_->set_text({});
    combo_->select(-1);
  }

 private:
  controls::Edit* edit_ = nullptr;
  controls::ComboBox* combo_ = nullptr;
  Text Record::*field_;
};

// A panel's text fields, listed once: showing a record, taking the panel's texts and emptying
// the panel all walk the same list, so no field is missed on one of those paths.
template <class Record>
class TextFields {
 public:
  // Pairs of a box and the record's field it shows, in the order they are shown.
  template <class... Pairs>
  explicit TextFields(Pairs&&... pairs) {
    add(pairs...);
  }

  void show(const Record& record) const {
    for (const TextField<Record>& field : fields_) field.show(record);
  }
  void take(Record& record) const {
    for (const TextField<Record>& field : fields_) field.take(record);
  }
  void empty() const {
    for (const TextField<Record>& field : fields_) field.empty();
  }

 private:
  void add() {}
  template <class Box, class... Rest>
  void add(Box& box, Text Record::*field, Rest&&... rest) {
    fields_.emplace_back(box, field);
    add(rest...);
  }

  std::vector<TextField<Record>> fields_;
};

}  // namespace tamo::editors
