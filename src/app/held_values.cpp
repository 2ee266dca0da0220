#include "app/held_values.h"

#include <charconv>
#include <string_view>

namespace tamo::app {

namespace {

// Each piece as its length, a colon and its bytes: any byte may stand in a piece.
void pack(std::string& out, std::string_view piece) {
  out += std::to_string(piece.size());
  out += ':';
  out += piece;
}

void pack_count(std::string& out, std::size_t count) {
  pack(out, std::to_string(count));
}

// Reads back what pack wrote; a value never comes from elsewhere, so it is whole.
class Unpacker {
 public:
  explicit Unpacker(std::string_view packed) : rest_(packed) {}

  std::string_view piece() {
    std::size_t colon = rest_.find(':');
    std::size_t size = 0;
    std::from_chars(rest_.data(), rest_.data() + colon, size);
    std::string_view piece = rest_.substr(colon + 1, size);
    rest_.remove_prefix(colon + 1 + size);
    return piece;
  }

  std::size_t count() {
    std::string_view text = piece();
    std::size_t count = 0;
    std::from_chars(text.data(), text.data() + text.size(), count);
    return count;
  }

 private:
  std::string_view rest_;
};

}  // namespace

std::string WorkingCopyValue::value() const {
  std::string out;
  for (const MixedList* list : lists_) {
    pack_count(out, list->size());
    for (const dmixed& entry : *list) {
      pack(out, entry.key);
      pack(out, entry.value);
    }
  }
  for (const Text* text : texts_) pack(out, *text);
  return out;
}

void WorkingCopyValue::set_value(std::string value) {
  Unpacker in(value);
  for (MixedList* list : lists_) {
    std::vector<dmixed> entries(in.count());
    for (dmixed& entry : entries) {
      entry.key = in.piece();
      entry.value = in.piece();
    }
    clear_mixed(*list);
    add_mixed_all(*list, entries);
  }
  for (Text* text : texts_) *text = in.piece();
}

std::string DialogRows::value() const {
  std::string out;
  if (!dialog_.visible()) return out;
  for (const controls::ListBox* rows : rows_) {
    pack_count(out, rows->items().size());
    for (const std::string& row : rows->items()) pack(out, row);
    pack(out, std::to_string(rows->selected()));
  }
  for (const controls::UserValue* tick : ticks_) pack(out, tick->value());
  return out;
}

void DialogRows::set_value(std::string value) {
  if (!dialog_.visible() || value.empty()) return;
  Unpacker in(value);
  for (controls::ListBox* rows : rows_) {
    std::vector<std::string> items(in.count());
    for (std::string& item : items) item = in.piece();
    std::string_view selected = in.piece();
    int row = -1;
    std::from_chars(selected.data(), selected.data() + selected.size(), row);
    rows->assign(std::move(items));
    rows->select(row);
  }
  for (controls::UserValue* tick : ticks_) tick->set_value(std::string(in.piece()));
}

}  // namespace tamo::app
