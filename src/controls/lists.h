#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "controls/control.h"

namespace tamo::controls {

// A list box: items (sorted by byte order when asked), one selected row or none (-1).
class ListBox : public Control {
 public:
  ListBox(std::string name, std::string caption = {}, bool sorted = false);

  const std::vector<std::string>& items() const {
    settle();
    return items_;
  }
  std::size_t count() const { return items_.size() + pending_.size(); }
  bool sorted() const { return sorted_; }

  // Adds an item at its sorted place when sorted, else at the end. Filling a list one add at
  // a time takes time linear in its rows, however the items come.
  void add(std::string item);
  void remove(int index);
  void clear();
  // Replaces all items at once (sorted once when sorted), selecting none: filling a long
  // list one add at a time would take quadratic time.
  void assign(std::vector<std::string> items);
  // Rows `first` to `first + count` give way to `rows` (a list kept unsorted), so that a long
  // list changes at the cost of the change; a chosen row outside them stays chosen.
  void replace(std::size_t first, std::size_t count, std::vector<std::string> rows);
  // Makes room for this many rows in all, so that a list filled a slice at a time is not
  // now and then moved whole.
  void reserve(std::size_t rows);
  // First row equal to the text, or -1.
  int index_of(std::string_view text) const;

  int selected() const {
    settle();
    return selected_;
  }
  // Program-made selection; an index outside the rows selects none.
  virtual void select(int index);
  std::string selected_text() const;
  // The user picks a row: selects it and runs on_select.
  virtual void user_select(int index);
  // The user double-clicks a row or presses Enter on it: selects it and runs on_activate.
  void user_activate(int index);

  Handler on_select;
  Handler on_activate;

 protected:
  void set_selected(int index);

 private:
  // Puts the items added since the last look into their sorted places, all at once.
  void settle() const;
  void count_in(const std::string& item, int step);

  mutable std::vector<std::string> items_;
  // Added to a sorted list and not yet in place; in items_ order after settle().
  mutable std::vector<std::string> pending_;
  // How many items have each hash, so that most rows a list lacks are known to be missing
  // without a search.
  std::unordered_map<std::size_t, std::size_t> hash_counts_;
  bool sorted_;
  mutable int selected_ = -1;
};

// A combo box. Editable: a free text with a list of choices, on_change on every text
// change; picking a choice sets the text. Drop-down list: the text is the selected item's.
class ComboBox : public ListBox, public UserValue {
 public:
  enum class Style { editable, drop_down_list };
  ComboBox(std::string name, std::string caption, Style style, bool sorted = false);

  Style style() const { return style_; }
  std::string text() const;
  // Editable: sets the text (on_change when it differs). Drop-down list: selects the
  // equal item, or none.
  void set_text(std::string text);
  void select(int index) override;

  std::size_t max_length() const { return max_length_; }
  void set_max_length(std::size_t n) { max_length_ = n; }
  bool type_char(std::string_view ch);
  void type(std::string_view s);
  void user_set_text(std::string text);
  // The user picks a row: as a list's pick, told to the user hooks.
  void user_select(int index) override;
  std::string value() const override { return text(); }
  void set_value(std::string value) override { set_text(std::move(value)); }

  Handler on_change;

 private:
  Style style_;
  std::string text_;  // editable only
  std::size_t max_length_ = 0;
};

// A radio group: items and the chosen index; -1 is none.
class RadioGroup : public Control, public UserValue {
 public:
  RadioGroup(std::string name, std::string caption, std::vector<std::string> items,
             int columns = 1);
  const std::vector<std::string>& items() const { return items_; }
  int columns() const { return columns_; }
  int index() const { return index_; }
  // Above the last item clamps to the last, below 0 selects none; on_click runs when the
  // index changes.
  void set_index(int index);
  // The user chooses an item.
  void user_set_index(int index);
  std::string value() const override { return std::to_string(index_); }
  void set_value(std::string value) override;
  Handler on_click;

 private:
  std::vector<std::string> items_;
  int columns_;
  int index_ = -1;
};

}  // namespace tamo::controls
