#pragma once

#include <span>
#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/form.h"
#include "controls/lists.h"
#include "model/mixed_list.h"
#include "model/text.h"

namespace tamo::app {

// What a panel's dialogs change in its working copy and no panel field shows: one of its
// lists, or texts such as an item's bonuses, as one value the history can keep and put back.
// One value per list, so a step keeps only the lists it changed.
class WorkingCopyValue : public controls::UserValue {
 public:
  explicit WorkingCopyValue(MixedList& list) : lists_{&list} {}
  explicit WorkingCopyValue(std::vector<Text*> texts) : texts_(std::move(texts)) {}

  std::string value() const override;
  void set_value(std::string value) override;

 private:
  std::vector<MixedList*> lists_;
  std::vector<Text*> texts_;
};

// Rows or ticks a dialog shows while it is open, which its buttons change before its "Kész"
// stores them. Closed, it holds nothing and takes nothing.
class DialogRows : public controls::UserValue {
 public:
  DialogRows(const controls::Form& dialog, std::vector<controls::ListBox*> rows,
             std::vector<controls::UserValue*> ticks)
      : dialog_(dialog), rows_(std::move(rows)), ticks_(std::move(ticks)) {}

  std::string value() const override;
  void set_value(std::string value) override;

 private:
  const controls::Form& dialog_;
  std::vector<controls::ListBox*> rows_;
  std::vector<controls::UserValue*> ticks_;
};

}  // namespace tamo::app
