#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/edit.h"
#include "controls/form.h"
#include "model/work.h"
#include "model/work_parts.h"

namespace tamo::app {

inline constexpr std::string_view kUndoCaption = "&Visszavonás";
inline constexpr std::string_view kRedoCaption = "Ú&jra";
// A change made outside any named action still becomes a step of its own.
inline constexpr std::string_view kUnnamedStep = "módosítás";

// A panel's field or choice whose changes the history keeps. `record` names the record the
// panel shows (empty when the field belongs to no record), so a change never goes back into a
// field that has since turned to another record. A field of a dialog is the dialog's own
// while it is open: once it closes, undo and redo leave the field alone.
struct TypedField {
  controls::UserValue* field = nullptr;
  std::string label;
  std::function<std::string()> record;
  const controls::Form* dialog = nullptr;
  // Changed by the buttons of an open dialog rather than typed or chosen (a working copy's
  // lists, a dialog's rows): what each such event changed joins its step.
  bool held = false;

  // While false, undo and redo neither read nor write the field.
  bool live() const { return !dialog || dialog->visible(); }
};

// The work's history of user actions. Every change to the file contents made while a step is
// open is kept as what each touched part was before and became after, so undoing and
// redoing a step copies back only what it touched. Records are kept whole but shared, so a
// step costs what it changed, never the size of the work.
class UndoHistory : public WorkWatcher {
 public:
  // Kept at most; beyond the memory budget older steps go, but never below kMinSteps.
  static constexpr std::size_t kMaxSteps = 1000;
  static constexpr std::size_t kMinSteps = 200;
  static constexpr std::size_t kMemoryBudget = std::size_t{64} << 20;

  // Watches the work until it is destroyed.
  explicit UndoHistory(Work& work, std::size_t memory_budget = kMemoryBudget);
  ~UndoHistory() override;
  UndoHistory(const UndoHistory&) = delete;
  UndoHistory& operator=(const UndoHistory&) = delete;

  // A user action starts. Opened again while open, the inner action joins the outer one;
  // the first label given names the step.
  void open(std::string_view label);
  // The action ended. The outermost close keeps the step, unless nothing changed; with
  // `failed` it puts every touched part back as it was before the action.
  void close(bool failed);

  bool can_undo() const { return done_ > 0; }
  bool can_redo() const { return done_ < steps_.size(); }
  // What undo or redo would take back or do again; empty when there is nothing.
  std::string undo_label() const;
  std::string redo_label() const;
  // False when there was nothing to undo or redo.
  bool undo();
  bool redo();
  // The parts the last undo or redo put back.
  const std::vector<WorkPart>& turned_parts() const { return turned_; }
  // A new or loaded work starts without history.
  void clear();

  // The builder typed into `typed`'s field, which held `before`. While that step is the
  // newest and takes typing, typing into the same field in the same `run` (the focus staying
  // put) joins it; typing that ends where its step began takes the step away.
  void typed(const TypedField& typed, const std::string& before, std::uint64_t run);
  // The builder changed a choice: `changes` holds each field it changed with what that held
  // before, the chosen one first (a kind of item empties the fields it has no use for). One
  // step of its own, which no typing joins.
  void chose(const std::vector<std::pair<const TypedField*, std::string>>& changes);
  // The open action also changed these fields (each with what it held before): undo and redo
  // of its step set them too.
  void also_changed(const std::vector<std::pair<const TypedField*, std::string>>& changes);
  // The newest typing step takes no more typing: the builder did something else.
  void end_typing();
  // The step undo or redo would turn was taken in `dialog` (it changed one of its fields).
  bool undo_is_from(const controls::Form& dialog) const;
  bool redo_is_from(const controls::Form& dialog) const;
  // Typing and choice steps next to undo and redo whose fields no longer hold what they would
  // take back
  // (the panel turned to another record, or was emptied) go: they would write into the wrong
  // place. Undo and redo do this first themselves.
  void drop_stale_typing();

  // Names the state the history stands at: it changes with every step kept, undone, redone,
  // and never comes back for another state.
  std::uint64_t state_id() const { return done_ == 0 ? first_id_ : steps_[done_ - 1].id; }

  std::size_t steps() const { return steps_.size(); }
  // How many of the kept steps are in effect: undo lowers it, redo and a new step raise it.
  std::size_t position() const { return done_; }
  std::size_t bytes() const { return bytes_; }

  // WorkWatcher
  void before(const Work& work, const Change& change) override;
  void after(const Work& work, const Change& change) override;

 private:
  struct Touched {
    WorkPart part;
    PartState before;
    PartState after;
  };
  // A panel field's text before and after a run of typing, kept beside the work.
  struct Typing {
    const TypedField* typed = nullptr;
    std::string before;
    std::string after;
    std::string record;
    std::uint64_t run = 0;
  };
  struct Step {
    std::string label;
    std::vector<Touched> parts;
    std::size_t bytes = 0;
    // The fields a typing or choice step changed, the one the builder touched first: undo and
    // redo set them in this order, so what the first one's handler does is then mended.
    std::vector<Typing> typing = {};
    std::uint64_t id = 0;
  };

  // Ends the open step: afters are read, parts that ended as they began are dropped, and a
  // step that changed something replaces the redo tail.
  void keep_open_step();
  void put_back(const std::vector<Touched>& parts, bool afters);
  void drop_oldest();
  // Makes `step` the newest: what could be redone goes.
  void push(Step step);
  bool stale(const Step& step, bool undoing) const;
  void erase_step(std::size_t index);
  void remember_turned(const Step& step);
  void push_fields(std::string label, std::vector<Typing> fields);
  // Sets each live field of `step` that still shows what the other side left.
  void set_fields(const Step& step, bool undoing);
  static std::size_t fields_bytes(const std::vector<Typing>& fields);
  // Each changed field with what it held before and holds now.
  static std::vector<Typing> as_they_are_now(
      const std::vector<std::pair<const TypedField*, std::string>>& changes);
  static bool from(const Step& step, const controls::Form& dialog);

  Work& work_;
  std::size_t memory_budget_;
  std::deque<Step> steps_;
  std::size_t done_ = 0;  // steps_[0, done_) are in effect
  std::vector<WorkPart> turned_;
  std::size_t bytes_ = 0;
  Step open_;
  int depth_ = 0;
  bool failed_ = false;       // an error left some part of the open action
  bool unnamed_ = false;      // the open step is one change made outside any action
  bool restoring_ = false;    // undo and redo write without being recorded
  bool typing_open_ = false;  // the newest step is typing that more typing may join
  std::uint64_t next_id_ = 1;
  std::uint64_t first_id_ = 0;  // the state before the oldest kept step
};

// One user action as a scope: it closes when the scope ends, failed when an error leaves it.
class UndoStep {
 public:
  UndoStep(UndoHistory& history, std::string_view label) : history_(history) {
    history_.open(label);
  }
  ~UndoStep() { history_.close(std::uncaught_exceptions() > exceptions_); }
  UndoStep(const UndoStep&) = delete;
  UndoStep& operator=(const UndoStep&) = delete;

 private:
  UndoHistory& history_;
  int exceptions_ = std::uncaught_exceptions();
};

}  // namespace tamo::app
