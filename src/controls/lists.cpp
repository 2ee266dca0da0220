#include "controls/lists.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <utility>

#include "controls/edit.h"

namespace tamo::controls {

ListBox::ListBox(std::string name, std::string caption, bool sorted)
    : Control(std::move(name), std::move(caption)), sorted_(sorted) {}

void ListBox::add(std::string item) {
  count_in(item, 1);
  if (sorted_) {
    pending_.push_back(std::move(item));
  } else {
    items_.push_back(std::move(item));
  }
  changed();
}

void ListBox::settle() const {
  if (pending_.empty()) return;
  // One add at a time would put each item after its equals already there, so the items
  // already there come first among equals, and the new ones keep the order they came in.
  std::stable_sort(pending_.begin(), pending_.end());
  if (selected_ >= 0) {
    const std::string& chosen = items_[static_cast<std::size_t>(selected_)];
    selected_ += static_cast<int>(std::lower_bound(pending_.begin(), pending_.end(), chosen) -
                                  pending_.begin());
  }
  std::size_t middle = items_.size();
  items_.insert(items_.end(), std::make_move_iterator(pending_.begin()),
                std::make_move_iterator(pending_.end()));
  pending_.clear();
  std::inplace_merge(items_.begin(), items_.begin() + static_cast<std::ptrdiff_t>(middle),
                     items_.end());
}

void ListBox::count_in(const std::string& item, int step) {
  std::size_t hash = std::hash<std::string>{}(item);
  std::size_t& n = hash_counts_[hash];
  n += static_cast<std::size_t>(step);
  if (n == 0) hash_counts_.erase(hash);
}

void ListBox::remove(int index) {
  settle();
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  count_in(items_[static_cast<std::size_t>(index)], -1);
  items_.erase(items_.begin() + index);
  if (selected_ == index) {
    set_selected(-1);
  } else if (selected_ > index) {
    --selected_;
  }
  changed();
}

void ListBox::clear() {
  if (count() == 0 && selected_ == -1) return;
  items_.clear();
  pending_.clear();
  hash_counts_.clear();
  set_selected(-1);
  changed();
}

void ListBox::assign(std::vector<std::string> items) {
  if (sorted_) std::stable_sort(items.begin(), items.end());
  items_ = std::move(items);
  pending_.clear();
  hash_counts_.clear();
  for (const std::string& item : items_) count_in(item, 1);
  selected_ = -1;
  changed();
}

void ListBox::replace(std::size_t first, std::size_t count, std::vector<std::string> rows) {
  settle();
  first = std::min(first, items_.size());
  count = std::min(count, items_.size() - first);
  auto from = items_.begin() + static_cast<std::ptrdiff_t>(first);
  for (auto it = from; it != from + static_cast<std::ptrdiff_t>(count); ++it) count_in(*it, -1);
  for (const std::string& row : rows) count_in(row, 1);
  const std::size_t added = rows.size();
  if (added == count) {
    std::move(rows.begin(), rows.end(), from);
  } else {
    from = items_.erase(from, from + static_cast<std::ptrdiff_t>(count));
    items_.insert(from, std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
  }
  if (selected_ >= static_cast<int>(first + count))
    selected_ += static_cast<int>(added) - static_cast<int>(count);
  else if (selected_ >= static_cast<int>(first))
    selected_ = -1;
  changed();
}

void ListBox::reserve(std::size_t rows) {
  items_.reserve(rows);
  hash_counts_.reserve(rows);
}

int ListBox::index_of(std::string_view text) const {
  if (!hash_counts_.contains(std::hash<std::string_view>{}(text))) return -1;
  settle();
  auto it = std::find(items_.begin(), items_.end(), text);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void ListBox::set_selected(int index) {
  settle();
  if (index < 0 || index >= static_cast<int>(items_.size())) index = -1;
  if (index == selected_) return;
  selected_ = index;
  changed();
}

void ListBox::select(int index) {
  set_selected(index);
}

std::string ListBox::selected_text() const {
  settle();
  return selected_ < 0 ? std::string() : items_[selected_];
}

void ListBox::user_select(int index) {
  if (!enabled()) return;
  select(index);
  if (on_select) on_select();
}

void ListBox::user_activate(int index) {
  if (!enabled()) return;
  select(index);
  if (on_activate && selected() >= 0) on_activate();
}

ComboBox::ComboBox(std::string name, std::string caption, Style style, bool sorted)
    : ListBox(std::move(name), std::move(caption), sorted), style_(style) {}

std::string ComboBox::text() const {
  return style_ == Style::editable ? text_ : selected_text();
}

void ComboBox::set_text(std::string text) {
  if (style_ == Style::drop_down_list) {
    select(index_of(text));
    return;
  }
  text = first_line(std::move(text));
  if (text == text_) return;
  text_ = std::move(text);
  changed();
  if (on_change) on_change();
}

void ComboBox::select(int index) {
  if (style_ == Style::editable) {
    set_selected(index);
    if (selected() >= 0) set_text(items()[selected()]);
    return;
  }
  std::string before = text();
  set_selected(index);
  if (text() != before && on_change) on_change();
}

bool ComboBox::type_char(std::string_view ch) {
  if (style_ != Style::editable || !enabled()) return false;
  if (max_length_ != 0 && utf8_length(text_) >= max_length_) return false;
  set_text(text_ + std::string(ch));
  return true;
}

void ComboBox::type(std::string_view s) {
  for (std::string_view ch : utf8_chars(s)) type_char(ch);
}

void ComboBox::user_set_text(std::string text) {
  if (style_ != Style::editable || !enabled()) return;
  user_change([this, &text] { set_text(std::move(text)); });
}

void ComboBox::user_select(int index) {
  user_change([this, index] { ListBox::user_select(index); });
}

RadioGroup::RadioGroup(std::string name, std::string caption, std::vector<std::string> items,
                       int columns)
    : Control(std::move(name), std::move(caption)), items_(std::move(items)), columns_(columns) {}

void RadioGroup::set_index(int index) {
  if (index > static_cast<int>(items_.size()) - 1) index = static_cast<int>(items_.size()) - 1;
  if (index < 0) index = -1;
  if (index == index_) return;
  index_ = index;
  changed();
  if (on_click) on_click();
}

void RadioGroup::user_set_index(int index) {
  if (!enabled()) return;
  user_change([this, index] { set_index(index); });
}

void RadioGroup::set_value(std::string value) {
  int index = -1;
  std::from_chars(value.data(), value.data() + value.size(), index);
  set_index(index);
}

}  // namespace tamo::controls
