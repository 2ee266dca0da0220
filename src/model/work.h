#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/record_list.h"
#include "model/records.h"

namespace tamo {

enum class RecordKind { room, monster, item };

// What the work file holds, as plain data: what a reader fills before it becomes a work.
struct WorkData {
  std::string project;
  std::string name;
  std::string mail;
  std::string desc;  // lines joined by CR LF

  RecordList<droom> rooms;
  RecordList<dmons> monsters;
  RecordList<ditem> items;
};

// One change a named operation makes: the creator data, the description, one record, or
// the whole work (a reset or a load).
struct Change {
  enum class Target { creator, description, record, whole };
  Target target;
  RecordKind kind = RecordKind::room;  // of a record
  std::string_view name = {};          // the record's file name
};

// Sees every change just before and just after it is made, so that an undo journal can
// keep what each record was and became.
class WorkWatcher {
 public:
  virtual ~WorkWatcher() = default;
  virtual void before(const class Work& work, const Change& change) = 0;
  virtual void after(const class Work& work, const Change& change) = 0;
};

class WorkChanges;

// The one work the program edits. What the file holds is read through const references
// and changed only by the named operations (model/storing.h), each of which bumps the
// revision and tells the watcher; the editors' working copies and where the test console
// stands are scratch state and stay open.
class Work {
 public:
  Work() = default;
  explicit Work(WorkData data);
  // A copy stands in the copy's own room that matches the original's current room; it has
  // no watcher.
  Work(const Work& other);
  Work& operator=(const Work& other);
  // Records keep their addresses, so the current room stays valid.
  Work(Work&& other) noexcept;
  Work& operator=(Work&& other) noexcept;

  const std::string& project = data_.project;
  const std::string& name = data_.name;
  const std::string& mail = data_.mail;
  const std::string& desc = data_.desc;
  const RecordList<droom>& rooms = data_.rooms;
  const RecordList<dmons>& monsters = data_.monsters;
  const RecordList<ditem>& items = data_.items;

  droom tmproom;
  dmons tmpmons;
  ditem tmpitem;

  const droom* current_room = nullptr;  // none, or a room of `rooms`

  // Grows with every change to what the file holds; equal revisions mean equal contents.
  std::uint64_t revision() const { return revision_; }
  // Watchers are told in the order they were added; they stay with this object, never with a
  // copy or a moved-from work.
  void add_watcher(WorkWatcher* watcher) { watchers_.push_back(watcher); }
  void remove_watcher(WorkWatcher* watcher) { std::erase(watchers_, watcher); }

  // What the file holds, taken out of a work that is given up.
  WorkData take_data() && { return std::move(data_); }

 private:
  friend class WorkChanges;
  WorkData data_;
  std::uint64_t revision_ = 0;
  std::vector<WorkWatcher*> watchers_;
};

// Lookups by file name: the last record of the list with exactly that name, or none.
const droom* room_exists(const Work& work, std::string_view filename);
const dmons* mons_exists(const Work& work, std::string_view filename);
const ditem* item_exists(const Work& work, std::string_view filename);
// True when some creature of the work has that file name.
bool cont_is_mons(const Work& work, std::string_view filename);

const droom* lastroom(const Work& work);
const dmons* lastmons(const Work& work);
const ditem* lastitem(const Work& work);

void tmproomclear(Work& work);
void tmpmonsclear(Work& work);
void tmpitemclear(Work& work);

// The model's part of starting a new work: creator data, description, working
// copies, the three lists and the current room are emptied.
void reset_work(Work& work);
// The model's part of loading: what was read replaces the whole work at once, the working
// copies are emptied and the first room becomes the current one.
void replace_work(Work& work, WorkData data);

}  // namespace tamo
