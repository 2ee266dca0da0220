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
  constexpr std::size_t kLinearLimit = 16;
  auto& stored = list.entries_;
  stored.reserve(stored.size() + entries.size());
  if (stored.size() + entries.size() <= kLinearLimit) {
    for (dmixed& e : entries) {
      if (e.key == kMixedEnd) continue;
      auto it = std::find_if(stored.begin(), stored.end(),
                             [&e](const dmixed& s) { return s.key == e.key; });
      if (it == stored.end()) {
        stored.push_back(std::move(e));
      } else {
        it->value = std::move(e.value);
      }
    }
    return;
  }
  // The keys are viewed where they are stored, which the reservation above keeps in place.
  std::unordered_map<std::string_view, std::size_t> position;
  position.reserve(stored.size() + entries.size());
  for (std::size_t i = 0; i < stored.size(); ++i) position.emplace(stored[i].key, i);
  for (dmixed& e : entries) {
    if (e.key == kMixedEnd) continue;
    auto it = position.find(e.key);
    if (it != position.end()) {
      stored[it->second].value = std::move(e.value);
      continue;
    }
    stored.push_back(std::move(e));
    position.emplace(stored.back().key, stored.size() - 1);
  }
  if (stored.capacity() > 2 * stored.size()) stored.shrink_to_fit();
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
