#include "controls/lists.h"

#include <algorithm>
#include <utility>

#include "controls/edit.h"

namespace tamo::controls {

ListBox::ListBox(std::string name, std::string caption, bool sorted)
    : Control(std::move(name), std::move(caption)), sorted_(sorted) {}

int ListBox::add(std::string item) {
  auto pos = items_.end();
  if (sorted_) pos = std::upper_bound(items_.begin(), items_.end(), item);
  int index = static_cast<int>(pos - items_.begin());
  items_.insert(pos, std::move(item));
  if (selected_ >= index) ++selected_;
  changed();
  return index;
}

void ListBox::remove(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  items_.erase(items_.begin() + index);
  if (selected_ == index) {
    set_selected(-1);
  } else if (selected_ > index) {
    --selected_;
  }
  changed();
}

void ListBox::clear() {
  if (items_.empty() && selected_ == -1) return;
  items_.clear();
  set_selected(-1);
  changed();
}

void ListBox::assign(std::vector<std::string> items) {
  if (sorted_) std::stable_sort(items.begin(), items.end());
  items_ = std::move(items);
  selected_ = -1;
  changed();
}

int ListBox::index_of(std::string_view text) const {
  auto it = std::find(items_.begin(), items_.end(), text);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void ListBox::set_selected(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) index = -1;
  if (index == selected_) return;
  selected_ = index;
  changed();
}

void ListBox::select(int index) {
  set_selected(index);
}

std::string ListBox::selected_text() const {
  return selected_ < 0 ? std::string() : items_[selected_];
}

void ListBox::user_select(int index) {
  if (!enabled()) return;
  select(index);
  if (on_select) on_select();
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
  set_text(std::move(text));
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

}  // namespace tamo::controls
