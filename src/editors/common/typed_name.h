#pragma once

#include <cstdint>
#include <optional>
#include <utility>

namespace tamo::editors {

// A record the name reaches only on the way while the builder types a longer name must not
// replace what the panel held. Remembers what the panel held before the first such record
// was shown, and gives it back when the name moves on to one no record has, unless the
// builder has since worked on the shown record or left the name box.
template <class Contents>
class TypedNameMatch {
 public:
  // A record is about to be shown over what the panel holds, which `held()` makes: only the
  // first of a row of records reached is kept, and making it is not cheap.
  template <class Make>
  void reaching(const Make& held, std::uint64_t focus_revision) {
    if (!held_ || focus_revision != focus_revision_) held_ = held();
    focus_revision_ = focus_revision;
  }
  // What the panel shows once the record is in.
  void reached(Contents shown) { shown_ = std::move(shown); }
  // The name moved to one no record has: what the panel held before, when it is to return.
  std::optional<Contents> passed(const Contents& now, std::uint64_t focus_revision) {
    std::optional<Contents> back;
    if (held_ && shown_ && focus_revision == focus_revision_ && now == *shown_)
      back = std::move(held_);
    forget();
    return back;
  }
  // The record was chosen, or the panel was reset: nothing to return to.
  void forget() {
    held_.reset();
    shown_.reset();
  }

 private:
  std::optional<Contents> held_;
  std::optional<Contents> shown_;
  std::uint64_t focus_revision_ = 0;
};

}  // namespace tamo::editors
