#include "model/mixed_list.h"

#include <algorithm>
#include <unordered_map>

namespace tamo {

MixedList& MixedList::operator=(const MixedList& other) {
  if (this != &other) store_ = other.store_ ? std::make_unique<Store>(*other.store_) : nullptr;
  return *this;
}

MixedList::Store& MixedList::store() {
  if (!store_) store_ = std::make_unique<Store>();
  return *store_;
}

std::size_t MixedList::find(std::string_view key) const {
  const std::vector<dmixed>& list = entries();
  if (list.size() < kIndexFrom) {
    auto it =
        std::find_if(list.begin(), list.end(), [key](const dmixed& e) { return e.key == key; });
    return it == list.end() ? npos : static_cast<std::size_t>(it - list.begin());
  }
  std::shared_ptr<KeyIndex>& index = store_->index;
  if (!index || index.use_count() > 1 || index->size() != list.size()) {
    index = std::make_shared<KeyIndex>();
    index->reserve(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) index->emplace(list[i].key, i);
  }
  auto it = index->find(key);
  return it == index->end() ? npos : it->second;
}

void MixedList::put(MixedList& list, dmixed entry) {
  if (entry.key == kMixedEnd) return;
  std::size_t at = list.find(entry.key);
  if (at != npos) {
    list.store_->entries[at].value = std::move(entry.value);
    return;
  }
  Store& store = list.store();
  store.entries.push_back(std::move(entry));
  if (store.index && store.index.use_count() == 1)
    store.index->emplace(store.entries.back().key, store.entries.size() - 1);
}

void add_mixed(MixedList& list, std::string_view key, std::string_view value) {
  MixedList::put(list, {Text(key), Text(value)});
}

void add_mixed_all(MixedList& list, std::span<dmixed> entries) {
  if (entries.empty()) return;
  std::vector<dmixed>& store = list.store().entries;
  store.reserve(store.size() + entries.size());
  for (dmixed& e : entries) MixedList::put(list, std::move(e));
  // Nothing was added when every key was the end marker.
  if (store.empty()) list.store_.reset();
}

std::string query_mixed(const MixedList& list, std::string_view key) {
  std::size_t at = list.find(key);
  return at == MixedList::npos ? std::string() : list[at].value.str();
}

void delete_mixed(MixedList& list, std::string_view key) {
  std::size_t at = list.find(key);
  // An entry with an empty value counts as absent and stays.
  if (at == MixedList::npos || list[at].value.empty()) return;
  std::vector<dmixed>& entries = list.store_->entries;
  entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(at));
  list.store_->index.reset();
  if (entries.empty()) list.store_.reset();
}

void clear_mixed(MixedList& list) {
  list.store_.reset();
}

void copy_mixed(const MixedList& source, MixedList& destination) {
  if (&source == &destination) return;
  // The source's keys are unique, so adding them one by one would give the same list.
  if (source.empty()) return destination.store_.reset();
  destination.store().entries = source.entries();
  destination.store_->index.reset();
}

bool strtob(std::string_view s) {
  return s == "1";
}

std::string btostr(bool b) {
  return b ? "1" : "0";
}

}  // namespace tamo
