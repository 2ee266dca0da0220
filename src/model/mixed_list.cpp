#include "model/mixed_list.h"

#include <algorithm>
#include <unordered_map>

namespace tamo {

std::size_t MixedList::find(std::string_view key) const {
  if (entries_.size() < kIndexFrom) {
    auto it = std::find_if(entries_.begin(), entries_.end(),
                           [key](const dmixed& e) { return e.key == key; });
    return it == entries_.end() ? npos : static_cast<std::size_t>(it - entries_.begin());
  }
  // A copied list shares its source's index until either of them changes.
  if (!index_ || index_.use_count() > 1 || index_->size() != entries_.size()) {
    index_ = std::make_shared<KeyIndex>();
    index_->reserve(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) index_->emplace(entries_[i].key, i);
  }
  auto it = index_->find(key);
  return it == index_->end() ? npos : it->second;
}

void MixedList::put(MixedList& list, dmixed entry) {
  if (entry.key == kMixedEnd) return;
  std::size_t at = list.find(entry.key);
  if (at != npos) {
    list.entries_[at].value = std::move(entry.value);
    return;
  }
  list.entries_.push_back(std::move(entry));
  if (list.index_ && list.index_.use_count() == 1)
    list.index_->emplace(list.entries_.back().key, list.entries_.size() - 1);
}

void add_mixed(MixedList& list, std::string_view key, std::string_view value) {
  MixedList::put(list, {std::string(key), std::string(value)});
}

void add_mixed_all(MixedList& list, std::span<dmixed> entries) {
  list.entries_.reserve(list.entries_.size() + entries.size());
  for (dmixed& e : entries) MixedList::put(list, std::move(e));
}

std::string query_mixed(const MixedList& list, std::string_view key) {
  std::size_t at = list.find(key);
  return at == MixedList::npos ? std::string() : list[at].value;
}

void delete_mixed(MixedList& list, std::string_view key) {
  std::size_t at = list.find(key);
  // An entry with an empty value counts as absent and stays.
  if (at == MixedList::npos || list.entries_[at].value.empty()) return;
  list.entries_.erase(list.entries_.begin() + static_cast<std::ptrdiff_t>(at));
  list.index_.reset();
}

void clear_mixed(MixedList& list) {
  list.entries_.clear();
  list.index_.reset();
}

void copy_mixed(const MixedList& source, MixedList& destination) {
  if (&source == &destination) return;
  // The source's keys are unique, so adding them one by one would give the same list.
  destination.entries_ = source.entries_;
  destination.index_.reset();
}

bool strtob(std::string_view s) {
  return s == "1";
}

std::string btostr(bool b) {
  return b ? "1" : "0";
}

}  // namespace tamo
