#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tamo {

struct StringHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

// An ordered list of records (creation order) with an index by file name, so that
// lookups stay fast in works of tens of thousands of records. Records have stable
// addresses for as long as they are in the list.
template <class Record>
class RecordList {
  struct Slot {
    std::unique_ptr<Record> record;
    std::uint64_t seq;  // list order: records only ever join at the tail
  };

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
    explicit basic_iterator(typename std::vector<Slot>::const_iterator it) : it_(it) {}
    Value& operator*() const { return *it_->record; }
    Value* operator->() const { return it_->record.get(); }
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
    typename std::vector<Slot>::const_iterator it_;
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
  RecordList(RecordList&&) noexcept = default;
  RecordList& operator=(RecordList&&) noexcept = default;

  const_iterator begin() const { return const_iterator(slots_.begin()); }
  const_iterator end() const { return const_iterator(slots_.end()); }
  iterator begin() { return iterator(slots_.begin()); }
  iterator end() { return iterator(slots_.end()); }
  std::size_t size() const { return slots_.size(); }
  bool empty() const { return slots_.empty(); }
  const Record* head() const { return slots_.empty() ? nullptr : slots_.front().record.get(); }
  Record* head() { return slots_.empty() ? nullptr : slots_.front().record.get(); }
  const Record* last() const { return slots_.empty() ? nullptr : slots_.back().record.get(); }
  Record* last() { return slots_.empty() ? nullptr : slots_.back().record.get(); }
  const Record& operator[](std::size_t i) const { return *slots_[i].record; }
  Record& operator[](std::size_t i) { return *slots_[i].record; }

  // Links a new record with the given file name at the tail.
  Record* add(std::string filename) {
    auto record = std::make_unique<Record>();
    record->filename = std::move(filename);
    return link(std::move(record));
  }

  // Links the records at the tail in their order, each under the file name it carries.
  // Indexing a whole loaded work at once spares the index growing step by step.
  void append(std::vector<std::unique_ptr<Record>> records) {
    slots_.reserve(slots_.size() + records.size());
    by_name_.reserve(by_name_.size() + records.size());
    for (std::unique_ptr<Record>& record : records) link(std::move(record));
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

  // Where the record stands in list order, for as long as it is in the list.
  std::uint64_t order_of(const Record& record) const {
    auto it = by_name_.find(std::string_view(record.filename));
    if (it != by_name_.end())
      for (const auto& [seq, rec] : it->second)
        if (rec == &record) return seq;
    return next_seq_;
  }

  // Links a record back at the place in list order it held before (an earlier state coming
  // back), under the file name it carries.
  Record* insert_at(std::unique_ptr<Record> record, std::uint64_t order) {
    Record* raw = record.get();
    auto slot = std::lower_bound(slots_.begin(), slots_.end(), order,
                                 [](const Slot& s, std::uint64_t o) { return s.seq < o; });
    slots_.insert(slot, Slot{std::move(record), order});
    auto& named = by_name_[raw->filename];
    auto pos = std::lower_bound(named.begin(), named.end(), order,
                                [](const auto& p, std::uint64_t o) { return p.first < o; });
    named.insert(pos, {order, raw});
    next_seq_ = std::max(next_seq_, order + 1);
    return raw;
  }

  void rename(Record& record, std::string name) {
    std::uint64_t seq = unindex(record);
    record.filename = std::move(name);
    auto& named = by_name_[record.filename];
    auto pos = std::lower_bound(named.begin(), named.end(), std::make_pair(seq, &record),
                                [](const auto& a, const auto& b) { return a.first < b.first; });
    named.insert(pos, {seq, &record});
  }

  // Unlinks and destroys the record; a pointer not in the list is ignored.
  void erase(const Record* record) {
    auto it = std::find_if(slots_.begin(), slots_.end(),
                           [record](const Slot& s) { return s.record.get() == record; });
    if (it == slots_.end()) return;
    unindex(*it->record);
    slots_.erase(it);
  }

  void clear() {
    slots_.clear();
    by_name_.clear();
  }

 private:
  std::vector<Record*> named(std::string_view name) const {
    std::vector<Record*> out;
    auto it = by_name_.find(name);
    if (it != by_name_.end())
      for (const auto& [seq, rec] : it->second) out.push_back(rec);
    return out;
  }

  Record* lookup(std::string_view name) const {
    auto it = by_name_.find(name);
    if (it == by_name_.end() || it->second.empty()) return nullptr;
    return it->second.back().second;
  }

  Record* link(std::unique_ptr<Record> record) {
    Record* raw = record.get();
    std::uint64_t seq = next_seq_++;
    by_name_[raw->filename].push_back({seq, raw});
    slots_.push_back({std::move(record), seq});
    return raw;
  }

  std::uint64_t unindex(Record& record) {
    auto& named = by_name_[record.filename];
    auto it = std::find_if(named.begin(), named.end(),
                           [&record](const auto& p) { return p.second == &record; });
    std::uint64_t seq = it->first;
    named.erase(it);
    if (named.empty()) by_name_.erase(record.filename);
    return seq;
  }

  std::vector<Slot> slots_;
  std::unordered_map<std::string, std::vector<std::pair<std::uint64_t, Record*>>, StringHash,
                     std::equal_to<>>
      by_name_;
  std::uint64_t next_seq_ = 0;
};

}  // namespace tamo
