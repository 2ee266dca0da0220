#pragma once

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/string_hash.h"
#include "model/text.h"

namespace tamo {

// One (key, value) pair of a keyed property list.
struct dmixed {
  Text key;
  Text value;

  friend bool operator==(const dmixed&, const dmixed&) = default;
};

// Ordered (key, value) list with unique keys; insertion order is display and file order.
class MixedList {
 public:
  using const_iterator = const dmixed*;

  MixedList() = default;
  MixedList(const MixedList& other) noexcept : store_(share(other.store_)) {}
  MixedList& operator=(const MixedList& other) noexcept;
  MixedList(MixedList&& other) noexcept : store_(std::exchange(other.store_, nullptr)) {}
  MixedList& operator=(MixedList&& other) noexcept;
  ~MixedList() { release(store_); }

  const_iterator begin() const { return store_ ? store_->entries() : nullptr; }
  const_iterator end() const { return begin() + size(); }
  std::size_t size() const { return store_ ? store_->size : 0; }
  bool empty() const { return store_ == nullptr; }
  const dmixed& operator[](std::size_t i) const { return begin()[i]; }

  friend bool operator==(const MixedList& a, const MixedList& b) {
    return a.store_ == b.store_ || std::equal(a.begin(), a.end(), b.begin(), b.end());
  }

  static constexpr std::size_t npos = static_cast<std::size_t>(-1);
  // Position of the entry with that key, or npos.
  std::size_t find(std::string_view key) const;

 private:
  friend void add_mixed(MixedList&, std::string_view, std::string_view);
  friend void add_mixed_all(MixedList&, std::span<dmixed>);
  friend void delete_mixed(MixedList&, std::string_view);
  friend void clear_mixed(MixedList&);
  friend void copy_mixed(const MixedList&, MixedList&);

  using KeyIndex = std::unordered_map<std::string, std::size_t, StringHash, std::equal_to<>>;
  // Long lists (files may hold any number of entries) are searched through a key index,
  // built on demand and dropped whenever entries move; short lists carry none.
  static constexpr std::size_t kIndexFrom = 32;
  // One block: this header, then room for `capacity` entries, of which `size` are made.
  // Copies of a list share its block until one of them changes (the editors copy a record's
  // lists to and fro for every record shown); a shared block is never changed, so lists on
  // other threads may read it, and its key index is published whole, once.
  struct Store {
    std::atomic<std::size_t> refs{1};
    std::size_t size = 0;
    std::size_t capacity = 0;
    std::atomic<KeyIndex*> index{nullptr};
    dmixed* entries() { return reinterpret_cast<dmixed*>(this + 1); }
    const dmixed* entries() const { return reinterpret_cast<const dmixed*>(this + 1); }
  };
  static_assert(sizeof(Store) % alignof(dmixed) == 0);

  static Store* allocate(std::size_t capacity);
  static Store* share(Store* store) noexcept;
  static void release(Store* store) noexcept;
  static void drop_index(Store& store) noexcept;
  // The block, made this list's own first when others share it.
  Store& own();
  // Room for `more` entries after the present ones, in a block of this list's own, making
  // the block when there is none.
  Store& reserve(std::size_t more);
  // add_mixed, taking the entry's strings.
  static void put(MixedList& list, dmixed entry);

  // A record holds many lists and most of them stay empty, so an empty list is one null
  // pointer and allocates nothing; a non-empty one is one allocation.
  Store* store_ = nullptr;
};

// The marker that ends a list in the work file; never accepted as a key.
inline constexpr std::string_view kMixedEnd = "MIXEDEND";

void add_mixed(MixedList& list, std::string_view key, std::string_view value);
// add_mixed for each entry in order, in time linear in their number (long lists from files).
// The entries' strings are taken over.
void add_mixed_all(MixedList& list, std::span<dmixed> entries);
// Value of the first entry with that key, or the empty string.
std::string query_mixed(const MixedList& list, std::string_view key);
// Removes the entry unless query_mixed yields the empty string for it.
void delete_mixed(MixedList& list, std::string_view key);
void clear_mixed(MixedList& list);
void copy_mixed(const MixedList& source, MixedList& destination);

// "string to bool": a stored flag is true only as "1"; btostr writes it back.
bool strtob(std::string_view s);
std::string btostr(bool b);

}  // namespace tamo
