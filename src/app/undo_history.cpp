#include "app/undo_history.h"

#include <algorithm>
#include <utility>

namespace tamo::app {

UndoHistory::UndoHistory(Work& work, std::size_t memory_budget)
    : work_(work), memory_budget_(memory_budget) {
  work_.add_watcher(this);
}

UndoHistory::~UndoHistory() {
  work_.remove_watcher(this);
}

void UndoHistory::open(std::string_view label) {
  // A lone change whose end was never reported (it threw) is a finished step by now.
  if (unnamed_) keep_open_step();
  if (depth_++ == 0) {
    open_ = Step{std::string(label), {}, 0};
    failed_ = false;
  } else if (open_.label.empty()) {
    open_.label = label;
  }
}

void UndoHistory::close(bool failed) {
  failed_ = failed_ || failed;
  if (depth_ == 0 || --depth_ > 0) return;
  if (failed_) {
    restoring_ = true;
    put_back(open_.parts, false);
    restoring_ = false;
    open_ = Step{};
    return;
  }
  keep_open_step();
}

std::string UndoHistory::undo_label() const {
  return can_undo() ? steps_[done_ - 1].label : std::string();
}

std::string UndoHistory::redo_label() const {
  return can_redo() ? steps_[done_].label : std::string();
}

bool UndoHistory::undo() {
  if (!open_.parts.empty() || !open_.typing.empty()) keep_open_step();
  drop_stale_typing();
  typing_open_ = false;
  if (!can_undo()) return false;
  const Step& step = steps_[done_ - 1];
  restoring_ = true;
  put_back(step.parts, false);
  restoring_ = false;
  remember_turned(steps_[done_ - 1]);
  set_fields(step, true);
  --done_;
  return true;
}

bool UndoHistory::redo() {
  if (!open_.parts.empty() || !open_.typing.empty()) keep_open_step();
  drop_stale_typing();
  typing_open_ = false;
  if (!can_redo()) return false;
  const Step& step = steps_[done_];
  restoring_ = true;
  put_back(step.parts, true);
  restoring_ = false;
  remember_turned(steps_[done_]);
  set_fields(step, false);
  ++done_;
  return true;
}

void UndoHistory::clear() {
  steps_.clear();
  done_ = 0;
  bytes_ = 0;
  open_.parts.clear();
  typing_open_ = false;
  first_id_ = next_id_++;
}

void UndoHistory::typed(const TypedField& typed, const std::string& before, std::uint64_t run) {
  std::string now = typed.field->value();
  if (typing_open_ && done_ == steps_.size() && done_ > 0) {
    Step& top = steps_.back();
    Typing& t = top.typing.front();
    if (t.typed == &typed && t.run == run) {
      if (now == t.before) return erase_step(done_ - 1);
      bytes_ -= top.bytes;
      t.after = std::move(now);
      top.bytes = sizeof top + t.before.size() + t.after.size();
      bytes_ += top.bytes;
      return;
    }
  }
  push_fields(typed.label,
              {{&typed, before, std::move(now), typed.record ? typed.record() : "", run}});
  typing_open_ = true;
}

void UndoHistory::chose(const std::vector<std::pair<const TypedField*, std::string>>& changes) {
  if (changes.empty()) return;
  push_fields(changes.front().first->label, as_they_are_now(changes));
}

std::vector<UndoHistory::Typing> UndoHistory::as_they_are_now(
    const std::vector<std::pair<const TypedField*, std::string>>& changes) {
  std::vector<Typing> fields;
  for (const auto& [typed, before] : changes)
    fields.push_back(
        {typed, before, typed->field->value(), typed->record ? typed->record() : "", 0});
  return fields;
}

void UndoHistory::push_fields(std::string label, std::vector<Typing> fields) {
  Step step{std::move(label), {}, 0, std::move(fields)};
  step.bytes = sizeof step + fields_bytes(step.typing);
  push(std::move(step));
}

std::size_t UndoHistory::fields_bytes(const std::vector<Typing>& fields) {
  std::size_t bytes = 0;
  for (const Typing& t : fields) bytes += sizeof t + t.before.size() + t.after.size();
  return bytes;
}

void UndoHistory::also_changed(
    const std::vector<std::pair<const TypedField*, std::string>>& changes) {
  if (depth_ == 0) return chose(changes);
  for (Typing& t : as_they_are_now(changes)) open_.typing.push_back(std::move(t));
}

void UndoHistory::set_fields(const Step& step, bool undoing) {
  for (const Typing& t : step.typing) {
    if (!t.typed->live()) continue;
    // A work step is never dropped for its fields: one that moved on since is left as it is.
    if (!step.parts.empty() && ((t.typed->record ? t.typed->record() : "") != t.record ||
                                t.typed->field->value() != (undoing ? t.after : t.before)))
      continue;
    t.typed->field->set_value(undoing ? t.before : t.after);
  }
}

bool UndoHistory::from(const Step& step, const controls::Form& dialog) {
  return std::any_of(step.typing.begin(), step.typing.end(),
                     [&dialog](const Typing& t) { return t.typed->dialog == &dialog; });
}

bool UndoHistory::undo_is_from(const controls::Form& dialog) const {
  return can_undo() && from(steps_[done_ - 1], dialog);
}

bool UndoHistory::redo_is_from(const controls::Form& dialog) const {
  return can_redo() && from(steps_[done_], dialog);
}

void UndoHistory::end_typing() {
  typing_open_ = false;
}

// A step of fields alone is stale when one of its live fields moved on, or when none is live
// (its dialog closed): it would write into the wrong place, or nowhere.
bool UndoHistory::stale(const Step& step, bool undoing) const {
  if (!step.parts.empty()) return false;
  bool any_live = false;
  for (const Typing& t : step.typing) {
    if (!t.typed->live()) continue;
    any_live = true;
    std::string record = t.typed->record ? t.typed->record() : "";
    if (record != t.record || t.typed->field->value() != (undoing ? t.after : t.before))
      return true;
  }
  return !any_live;
}

void UndoHistory::drop_stale_typing() {
  while (done_ > 0 && stale(steps_[done_ - 1], true)) erase_step(done_ - 1);
  while (done_ < steps_.size() && stale(steps_[done_], false)) erase_step(done_);
}

// Only typing and choice steps are taken out of the middle: the work is the same either side of
// them.
void UndoHistory::erase_step(std::size_t index) {
  if (index + 1 == steps_.size()) typing_open_ = false;
  bytes_ -= steps_[index].bytes;
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(index));
  if (index < done_) --done_;
}

void UndoHistory::before(const Work&, const Change& change) {
  if (restoring_) return;
  // Everything at once is replaced: no earlier state can come back part by part.
  if (change.target == Change::Target::whole) return clear();
  if (depth_ == 0 && !unnamed_) {
    open_ = Step{std::string(kUnnamedStep), {}, 0};
    unnamed_ = true;
  }
  WorkPart part = part_of(change);
  auto touched = std::find_if(open_.parts.begin(), open_.parts.end(),
                              [&part](const Touched& t) { return t.part == part; });
  if (touched != open_.parts.end()) return;
  PartState now = read_part(work_, part);
  // The last step's "after" of this part is very likely what it still is: share it.
  if (can_undo())
    for (const Touched& t : steps_[done_ - 1].parts)
      if (t.part == part && same_state(t.after, now)) now = t.after;
  open_.parts.push_back({std::move(part), std::move(now), {}});
}

void UndoHistory::after(const Work&, const Change&) {
  if (restoring_ || !unnamed_ || depth_ > 0) return;
  keep_open_step();
}

void UndoHistory::keep_open_step() {
  unnamed_ = false;
  Step step = std::exchange(open_, Step{});
  std::erase_if(step.parts, [this](Touched& t) {
    t.after = read_part(work_, t.part);
    return same_state(t.before, t.after);
  });
  if (step.parts.empty() && step.typing.empty()) return;
  if (step.label.empty())
    step.label = step.parts.empty() ? step.typing.front().typed->label : std::string(kUnnamedStep);
  step.bytes += fields_bytes(step.typing);
  for (const Touched& t : step.parts) step.bytes += state_bytes(t.before) + state_bytes(t.after);
  push(std::move(step));
}

void UndoHistory::push(Step step) {
  typing_open_ = false;
  step.id = next_id_++;
  while (steps_.size() > done_) {
    bytes_ -= steps_.back().bytes;
    steps_.pop_back();
  }
  bytes_ += step.bytes;
  steps_.push_back(std::move(step));
  done_ = steps_.size();
  drop_oldest();
}

void UndoHistory::put_back(const std::vector<Touched>& parts, bool afters) {
  if (afters) {
    for (const Touched& t : parts) restore_part(work_, t.part, t.after);
  } else {
    for (auto t = parts.rbegin(); t != parts.rend(); ++t) restore_part(work_, t->part, t->before);
  }
}

void UndoHistory::remember_turned(const Step& step) {
  turned_.clear();
  for (const Touched& touched : step.parts) turned_.push_back(touched.part);
}

void UndoHistory::drop_oldest() {
  while (steps_.size() > kMaxSteps || (bytes_ > memory_budget_ && steps_.size() > kMinSteps)) {
    bytes_ -= steps_.front().bytes;
    first_id_ = steps_.front().id;
    steps_.pop_front();
    --done_;
  }
}

}  // namespace tamo::app
