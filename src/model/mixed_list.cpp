#include "model/mixed_list.h"

#include <algorithm>
#include <memory>
#include <new>
#include <unordered_map>

namespace tamo {

MixedList::Store* MixedList::allocate(std::size_t capacity) {
  void* block = ::operator new(sizeof(Store) + capacity * sizeof(dmixed));
  Store* store = new (block) Store;
  store->capacity = capacity;
  return store;
}

MixedList::Store* MixedList::share(Store* store) noexcept {
  if (store) store->refs.fetch_add(1, std::memory_order_relaxed);
  return store;
}

void MixedList::release(Store* store) noexcept {
  if (!store || store->refs.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
  std::destroy_n(store->entries(), store->size);
  drop_index(*store);
  store->~Store();
  ::operator delete(store);
}

void MixedList::drop_index(Store& store) noexcept {
  delete store.index.exchange(nullptr, std::memory_order_acq_rel);
}

MixedList& MixedList::operator=(const MixedList& other) noexcept {
  Store* shared = share(other.store_);
  release(store_);
  store_ = shared;
  return *this;
}

MixedList& MixedList::operator=(MixedList&& other) noexcept {
  if (this != &other) {
    release(store_);
    store_ = std::exchange(other.store_, nullptr);
  }
  return *this;
}

MixedList::Store& MixedList::own() {
  return reserve(0);
}

MixedList::Store& MixedList::reserve(std::size_t more) {
  const std::size_t size = this->size();
  const bool alone = store_ && store_->refs.load(std::memory_order_acquire) == 1;
  if (alone && store_->capacity - size >= more) return *store_;
  std::size_t capacity = size + more;
  if (alone) capacity = std::max(capacity, 2 * store_->capacity);
  capacity = std::max<std::size_t>(capacity, 1);
  Store* grown = allocate(capacity);
  if (alone) {
    // Texts move by taking their word, which cannot throw.
    std::uninitialized_move_n(store_->entries(), size, grown->entries());
    grown->size = size;
    grown->index.store(store_->index.exchange(nullptr), std::memory_order_relaxed);
  } else if (store_) {
    // Counted one by one, so that a copy that throws half way frees what it made.
    try {
      for (const dmixed& entry : *this) {
        new (grown->entries() + grown->size) dmixed(entry);
        ++grown->size;
      }
    } catch (...) {
      release(grown);
      throw;
    }
  }
  release(store_);
  store_ = grown;
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
  KeyIndex* index = store_->index.load(std::memory_order_acquire);
  if (!index) {
    auto built = std::make_unique<KeyIndex>();
    built->reserve(size);
    for (std::size_t i = 0; i < size; ++i) built->emplace(list[i].key, i);
    // Readers of a shared block may build it at once: the first one published is kept.
    if (store_->index.compare_exchange_strong(index, built.get(), std::memory_order_acq_rel,
                                              std::memory_order_acquire))
      index = built.release();
  }
  auto it = index->find(key);
  return it == index->end() ? npos : it->second;
}

void MixedList::put(MixedList& list, dmixed entry) {
  if (entry.key == kMixedEnd) return;
  std::size_t at = list.find(entry.key);
  if (at != npos) {
    list.own().entries()[at].value = std::move(entry.value);
    return;
  }
  Store& store = list.reserve(1);
  new (store.entries() + store.size) dmixed(std::move(entry));
  ++store.size;
  if (KeyIndex* index = store.index.load(std::memory_order_relaxed))
    index->emplace(store.entries()[store.size - 1].key, store.size - 1);
}

void add_mixed(MixedList& list, std::string_view key, std::string_view value) {
  MixedList::put(list, {Text(key), Text(value)});
}

void add_mixed_all(MixedList& list, std::span<dmixed> entries) {
  if (entries.empty()) return;
  list.reserve(entries.size());
  for (dmixed& e : entries) MixedList::put(list, std::move(e));
  // Nothing was added when every key was the end marker.
  if (list.size() == 0) clear_mixed(list);
}

std::string query_mixed(const MixedList& list, std::string_view key) {
  std::size_t at = list.find(key);
  return at == MixedList::npos ? std::string() : list[at].value.str();
}

void delete_mixed(MixedList& list, std::string_view key) {
  std::size_t at = list.find(key);
  // An entry with an empty value counts as absent and stays.
  if (at == MixedList::npos || list[at].value.empty()) return;
  MixedList::Store& store = list.own();
  dmixed* entries = store.entries();
  std::move(entries + at + 1, entries + store.size, entries + at);
  std::destroy_at(entries + store.size - 1);
  --store.size;
  MixedList::drop_index(store);
  if (store.size == 0) clear_mixed(list);
}

void clear_mixed(MixedList& list) {
  MixedList::release(std::exchange(list.store_, nullptr));
}

void copy_mixed(const MixedList& source, MixedList& destination) {
  // The source's keys are unique, so adding them one by one would give the same list.
  destination = source;
}

bool strtob(std::string_view s) {
  return s == "1";
}

std::string btostr(bool b) {
  return b ? "1" : "0";
}

}  // namespace tamo
