#include "model/mixed_list.h"

#include <algorithm>
#include <memory>
#include <new>
#include <unordered_map>

namespace tamo {

void MixedList::Free::operator()(Store* store) const {
  std::destroy_n(store->entries(), store->size);
  store->~Store();
  ::operator delete(store);
}

MixedList::StorePtr MixedList::allocate(std::size_t capacity) {
  void* block = ::operator new(sizeof(Store) + capacity * sizeof(dmixed));
  StorePtr store(new (block) Store);
  store->capacity = capacity;
  return store;
}

MixedList& MixedList::operator=(const MixedList& other) {
  if (this == &other) return *this;
  if (other.empty()) {
    store_.reset();
    return *this;
  }
  StorePtr copy = allocate(other.size());
  // Counted one by one, so that a copy that throws half way frees what it made.
  for (const dmixed& entry : other) {
    new (copy->entries() + copy->size) dmixed(entry);
    ++copy->size;
  }
  copy->index = other.store_->index;
  store_ = std::move(copy);
  return *this;
}

MixedList::Store& MixedList::reserve(std::size_t more) {
  std::size_t size = this->size();
  if (store_ && store_->capacity - size >= more) return *store_;
  std::size_t capacity = std::max(size + more, store_ ? 2 * store_->capacity : std::size_t{1});
  StorePtr grown = allocate(capacity);
  if (store_) {
    // Texts move by taking their word, which cannot throw.
    std::uninitialized_move_n(store_->entries(), size, grown->entries());
    grown->size = size;
    grown->index = std::move(store_->index);
  }
  store_ = std::move(grown);
  return *store_;
}

std::size_t MixedList::find(std::string_view key) const {
  const dmixed* list = begin();
  std::size_t size = this->size();
  if (size < kIndexFrom) {
    const dmixed* it =
        std::find_if(list, list + size, [key](const dmixed& e) { return e.key == key; });
    return it == list + size ? npos : static_cast<std::size_t>(it - list);
  }
  std::shared_ptr<KeyIndex>& index = store_->index;
  if (!index || index.use_count() > 1 || index->size() != size) {
    index = std::make_shared<KeyIndex>();
    index->reserve(size);
    for (std::size_t i = 0; i < size; ++i) index->emplace(list[i].key, i);
  }
  auto it = index->find(key);
  return it == index->end() ? npos : it->second;
}

void MixedList::put(MixedList& list, dmixed entry) {
  if (entry.key == kMixedEnd) return;
  std::size_t at = list.find(entry.key);
  if (at != npos) {
    list.store_->entries()[at].value = std::move(entry.value);
    return;
  }
  Store& store = list.reserve(1);
  new (store.entries() + store.size) dmixed(std::move(entry));
  ++store.size;
  if (store.index && store.index.use_count() == 1)
    store.index->emplace(store.entries()[store.size - 1].key, store.size - 1);
}

void add_mixed(MixedList& list, std::string_view key, std::string_view value) {
  MixedList::put(list, {Text(key), Text(value)});
}

void add_mixed_all(MixedList& list, std::span<dmixed> entries) {
  if (entries.empty()) return;
  list.reserve(entries.size());
  for (dmixed& e : entries) MixedList::put(list, std::move(e));
  // Nothing was added when every key was the end marker.
  if (list.size() == 0) list.store_.reset();
}

std::string query_mixed(const MixedList& list, std::string_view key) {
  std::size_t at = list.find(key);
  return at == MixedList::npos ? std::string() : list[at].value.str();
}

void delete_mixed(MixedList& list, std::string_view key) {
  std::size_t at = list.find(key);
  // An entry with an empty value counts as absent and stays.
  if (at == MixedList::npos || list[at].value.empty()) return;
  MixedList::Store& store = *list.store_;
  dmixed* entries = store.entries();
  std::move(entries + at + 1, entries + store.size, entries + at);
  std::destroy_at(entries + store.size - 1);
  --store.size;
  store.index.reset();
  if (store.size == 0) list.store_.reset();
}

void clear_mixed(MixedList& list) {
  list.store_.reset();
}

void copy_mixed(const MixedList& source, MixedList& destination) {
  // An equal list stays: the editors copy a record's lists back and forth unchanged.
  if (&source == &destination || source == destination) return;
  // The source's keys are unique, so adding them one by one would give the same list.
  destination = source;
  if (destination.store_) destination.store_->index.reset();
}

bool strtob(std::string_view s) {
  return s == "1";
}

std::string btostr(bool b) {
  return b ? "1" : "0";
}

}  // namespace tamo
