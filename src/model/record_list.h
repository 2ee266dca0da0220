#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/bulk_memory.h"
#include "model/string_hash.h"

namespace tamo {

// Storage for many objects of one type, cut from chunks that grow with the list, so that a work
// of a million small records does not pay a heap block for each. Addresses stay put until the
// object is given back; storage given back is handed out again first.
template <class T>
class ChunkPool {
 public:
  ChunkPool() = default;
  ChunkPool(const ChunkPool&) = delete;
  ChunkPool& operator=(const ChunkPool&) = delete;
  ChunkPool(ChunkPool&& other) noexcept { take(other); }
  ChunkPool& operator=(ChunkPool&& other) noexcept {
    if (this != &other) {
      release();
      take(other);
    }
    return *this;
  }
  ~ChunkPool() { release(); }

  // Room for one T, not yet constructed.
  T* get() {
    if (free_ != nullptr) {
      T* place = reinterpret_cast<T*>(free_);
      free_ = free_->next;
      return place;
    }
    if (chunks_.empty() || used_ == chunks_.back().size) {
      std::size_t size = chunks_.empty() ? kFirstChunk : next_chunk_size(chunks_.back().size);
      chunks_.reserve(chunks_.size() + 1);
      chunks_.push_back({allocate_chunk(size), size});
      used_ = 0;
    }
    return chunks_.back().at + used_++;
  }
  // The T at `place` must be destroyed already.
  void give_back(T* place) noexcept { free_ = new (place) FreePlace{free_}; }

  // Frees every chunk; every T in them must be destroyed already.
  void release() noexcept {
    for (const Chunk& chunk : chunks_) release_chunk(chunk);
    chunks_.clear();
    free_ = nullptr;
    used_ = 0;
  }

 private:
  // Chunks double up to 64 KiB, so a small work stays small; past that each fills a huge page.
  static constexpr std::size_t kFirstChunk = 8;
  static constexpr std::size_t kLargestSmallChunk =
      std::max<std::size_t>(kFirstChunk, (64 << 10) / sizeof(T));
  static constexpr std::size_t kMaxChunk =
      std::max<std::size_t>(kLargestSmallChunk, bulk_memory::kHugePage / sizeof(T));
  static constexpr std::size_t next_chunk_size(std::size_t last) {
    return last * 2 <= kLargestSmallChunk ? last * 2 : kMaxChunk;
  }

  struct Chunk {
    T* at;
    std::size_t size;
  };
  // What a place given back holds until it is handed out again.
  struct FreePlace {
    FreePlace* next;
  };
  static_assert(sizeof(T) >= sizeof(FreePlace) && alignof(T) >= alignof(FreePlace));

  static T* allocate_chunk(std::size_t size) {
    if (size < kMaxChunk) return std::allocator<T>().allocate(size);
    return static_cast<T*>(bulk_memory::allocate(size * sizeof(T)));
  }
  static void release_chunk(const Chunk& chunk) noexcept {
    if (chunk.size < kMaxChunk)
      std::allocator<T>().deallocate(chunk.at, chunk.size);
    else
      bulk_memory::release(chunk.at);
  }

  void take(ChunkPool& other) noexcept {
    chunks_ = std::exchange(other.chunks_, {});
    free_ = std::exchange(other.free_, nullptr);
    used_ = std::exchange(other.used_, 0);
  }

  std::vector<Chunk> chunks_;
  FreePlace* free_ = nullptr;
  std::size_t used_ = 0;  // places handed out from the last chunk
};

// An ordered list of records (creation order) with an index by file name, so that
// lookups stay fast in works of tens of thousands of records. Records have stable
// addresses for as long as they are in the list.
template <class Record>
class RecordList {
  // A record with its place in list order and the record before it of the same name: the
  // records of one name form a chain from the last one back, so a name shared by a million
  // records costs the index nothing beyond these two words.
  struct Node {
    Record record;          // first, so that a record's address is its node's
    std::uint64_t seq = 0;  // list order: records only ever join at the tail
    Node* prev_named = nullptr;
  };
  static_assert(std::is_standard_layout_v<Node>);

  static Node& node_of(Record& record) { return *reinterpret_cast<Node*>(&record); }
  static const Node& node_of(const Record& record) {
    return *reinterpret_cast<const Node*>(&record);
  }

 public:
  template <class Value>
  class basic_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Record;
    using difference_type = std::ptrdiff_t;
    using pointer = Value*;
    using reference = Value&;

    basic_iterator() = default;
    explicit basic_iterator(typename std::vector<Node*>::const_iterator it) : it_(it) {}
    Value& operator*() const { return (*it_)->record; }
    Value* operator->() const { return &(*it_)->record; }
    basic_iterator& operator++() {
      ++it_;
      return *this;
    }
    basic_iterator operator++(int) {
      basic_iterator old = *this;
      ++it_;
      return old;
    }
    friend bool operator==(const basic_iterator&, const basic_iterator&) = default;

   private:
    typename std::vector<Node*>::const_iterator it_;
  };
  // A list reached through a const reference hands out its records only for reading.
  using iterator = basic_iterator<Record>;
  using const_iterator = basic_iterator<const Record>;

  RecordList() = default;
  RecordList(const RecordList& other) { *this = other; }
  RecordList& operator=(const RecordList& other) {
    if (this == &other) return *this;
    clear();
    for (const Record& r : other) *add(r.filename) = r;
    return *this;
  }
  RecordList(RecordList&& other) noexcept { take(other); }
  RecordList& operator=(RecordList&& other) noexcept {
    if (this != &other) {
      clear();
      take(other);
    }
    return *this;
  }
  ~RecordList() { destroy_all(); }

  const_iterator begin() const { return const_iterator(slots_.begin()); }
  const_iterator end() const { return const_iterator(slots_.end()); }
  iterator begin() { return iterator(slots_.begin()); }
  iterator end() { return iterator(slots_.end()); }
  std::size_t size() const { return slots_.size(); }
  bool empty() const { return slots_.empty(); }
  const Record* head() const { return slots_.empty() ? nullptr : &slots_.front()->record; }
  Record* head() { return slots_.empty() ? nullptr : &slots_.front()->record; }
  const Record* last() const { return slots_.empty() ? nullptr : &slots_.back()->record; }
  Record* last() { return slots_.empty() ? nullptr : &slots_.back()->record; }
  const Record& operator[](std::size_t i) const { return slots_[i]->record; }
  Record& operator[](std::size_t i) { return slots_[i]->record; }

  // Links a new record with the given file name at the tail.
  Record* add(std::string filename) {
    index_added();
    Node* node = new_node(next_seq_++);
    node->record.filename = std::move(filename);
    index(*node);
    ++indexed_;
    return &node->record;
  }

  // A new empty record at the tail that lookups by name do not see until index_added: a
  // loader learns a record's file name only while it fills the record in.
  Record* add_unindexed() { return &new_node(next_seq_++)->record; }
  // Indexes the records added by add_unindexed, each under the file name it carries now.
  void index_added() {
    for (; indexed_ < slots_.size(); ++indexed_) index(*slots_[indexed_]);
  }

  // The last record in list order with that file name, or none.
  const Record* find_last(std::string_view name) const { return lookup(name); }
  Record* find_last(std::string_view name) { return lookup(name); }
  bool contains(std::string_view name) const { return lookup(name) != nullptr; }
  // Every record with that name, in list order.
  std::vector<const Record*> all_named(std::string_view name) const {
    std::vector<const Record*> out;
    for (Record* rec : named(name)) out.push_back(rec);
    return out;
  }
  std::vector<Record*> all_named(std::string_view name) { return named(name); }
  // Whether no record before it in list order has its name (the list must be indexed).
  bool first_of_its_name(const Record& record) const {
    return node_of(record).prev_named == nullptr;
  }

  // Where a record of this list stands in list order, for as long as it is in the list.
  std::uint64_t order_of(const Record& record) const { return node_of(record).seq; }

  // Links a copy of a record back at the place in list order it held before (an earlier state
  // coming back), under the file name it carries.
  Record* insert_at(const Record& value, std::uint64_t order) {
    index_added();
    Node* node = new_node(order, value);
    auto slot = std::lower_bound(slots_.begin(), slots_.end() - 1, order,
                                 [](const Node* n, std::uint64_t o) { return n->seq < o; });
    std::rotate(slot, slots_.end() - 1, slots_.end());
    index(*node);
    ++indexed_;
    next_seq_ = std::max(next_seq_, order + 1);
    return &node->record;
  }

  void rename(Record& record, std::string name) {
    index_added();
    unindex(node_of(record));
    record.filename = std::move(name);
    index(node_of(record));
  }

  // Unlinks and destroys the record; a pointer not in the list is ignored.
  void erase(const Record* record) {
    index_added();
    auto it = std::find_if(slots_.begin(), slots_.end(),
                           [record](const Node* n) { return &n->record == record; });
    if (it == slots_.end()) return;
    Node* node = *it;
    unindex(*node);
    slots_.erase(it);
    --indexed_;
    std::destroy_at(node);
    pool_.give_back(node);
  }

  void clear() {
    destroy_all();
    slots_.clear();
    indexed_ = 0;
    by_name_.clear();
    pool_.release();
  }

 private:
  // A node at the tail of the slots, not yet in the index.
  template <class... Value>
  Node* new_node(std::uint64_t seq, const Value&... value) {
    slots_.push_back(nullptr);  // first, so that a record is never left out of the slots
    Node* place = nullptr;
    try {
      place = pool_.get();
      slots_.back() = new (place) Node{Record(value...), seq, nullptr};
    } catch (...) {
      if (place != nullptr) pool_.give_back(place);
      slots_.pop_back();
      throw;
    }
    return slots_.back();
  }

  void destroy_all() noexcept {
    for (Node* node : slots_) std::destroy_at(node);
  }

  void take(RecordList& other) noexcept {
    slots_ = std::exchange(other.slots_, {});
    indexed_ = std::exchange(other.indexed_, 0);
    by_name_ = std::exchange(other.by_name_, {});
    pool_ = std::move(other.pool_);
    next_seq_ = other.next_seq_;
  }

  std::vector<Record*> named(std::string_view name) const {
    std::vector<Record*> out;
    auto it = by_name_.find(name);
    if (it == by_name_.end()) return out;
    for (Node* n = it->second; n != nullptr; n = n->prev_named) out.push_back(&n->record);
    std::reverse(out.begin(), out.end());
    return out;
  }

  Record* lookup(std::string_view name) const {
    auto it = by_name_.find(name);
    return it == by_name_.end() ? nullptr : &it->second->record;
  }

  // Into its name's chain at the place its list order gives it: mostly the newest.
  void index(Node& node) {
    std::string_view name(node.record.filename);
    auto it = by_name_.find(name);
    if (it == by_name_.end()) it = by_name_.emplace(std::string(name), nullptr).first;
    Node** at = &it->second;
    while (*at != nullptr && (*at)->seq > node.seq) at = &(*at)->prev_named;
    node.prev_named = *at;
    *at = &node;
  }

  void unindex(Node& node) {
    auto it = by_name_.find(std::string_view(node.record.filename));
    if (it == by_name_.end()) return;
    Node** at = &it->second;
    while (*at != nullptr && *at != &node) at = &(*at)->prev_named;
    if (*at != nullptr) *at = node.prev_named;
    if (it->second == nullptr) by_name_.erase(it);
  }

  std::vector<Node*> slots_;  // list order
  std::size_t indexed_ = 0;   // slots before this one are in the index
  std::unordered_map<std::string, Node*, StringHash, std::equal_to<>> by_name_;  // last of a name
  ChunkPool<Node> pool_;
  std::uint64_t next_seq_ = 0;
};

}  // namespace tamo
