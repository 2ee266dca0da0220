#include "model/mixed_list.h"

#include <algorithm>
#include <unordered_map>

namespace tamo {

void add_mixed(MixedList& list, std::string_view key, std::string_view value) {
  if (key == kMixedEnd) return;
  auto& entries = list.entries_;
  auto it =
      std::find_if(entries.begin(), entries.end(), [key](const dmixed& e) { return e.key == key; });
  if (it != entries.end()) {
    it->value = value;
  } else {
    entries.push_back({std::string(key), std::string(value)});
  }
}

void add_mixed_all(MixedList& list, std::vector<dmixed> entries) {
  list.entries_.reserve(list.entries_.size() + entries.size());
  for (dmixed& e : entries) add_mixed(list, e.key, e.value);
}

std::string query_mixed(const MixedList& list, std::string_view key) {
  auto it = std::find_if(list.begin(), list.end(), [key](const dmixed& e) { return e.key == key; });
  return it == list.end() ? std::string() : it->value;
}

void delete_mixed(MixedList& list, std::string_view key) {
  auto& entries = list.entries_;
  auto it =
      std::find_if(entries.begin(), entries.end(), [key](const dmixed& e) { return e.key == key; });
  // An entry with an empty value counts as absent and stays.
  if (it == entries.end() || it->value.empty()) return;
  entries.erase(it);
}

void clear_mixed(MixedList& list) {
  list.entries_.clear();
}

void copy_mixed(const MixedList& source, MixedList& destination) {
  if (&source == &destination) return;
  clear_mixed(destination);
  for (const dmixed& e : source) add_mixed(destination, e.key, e.value);
}

bool strtob(std::string_view s) {
  return s == "1";
}

std::string btostr(bool b) {
  return b ? "1" : "0";
}

}  // namespace tamo
