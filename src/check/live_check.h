#pragma once

#include <memory>
#include <string>
#include <vector>

#include "check/report_lines.h"
#include "model/work.h"

namespace tamo::check {

// The area check of one work kept up to date as the work changes. Watching the work, it
// judges again only the records a change reached and those whose findings depend on them:
// the records of another kind with the same file name (a name clash refuses "Kész"), the
// records of a name used twice (the editor opens the last of them), and the rooms and
// creatures that name a record which came, went or stopped being a key. Its lines are always
// the lines of check_work for the work, with the given loading messages at the end.
class LiveCheck : public WorkWatcher {
 public:
  LiveCheck();
  ~LiveCheck() override;
  LiveCheck(const LiveCheck&) = delete;
  LiveCheck& operator=(const LiveCheck&) = delete;

  // Brings the check up to the work as it is now and says how its lines changed since the
  // last call (the first call, and one after a new or loaded work, judge the whole work).
  std::vector<LineEdit> update(const Work& work, const std::vector<std::string>& loading);
  // As update, but a judgement of the whole work goes on at most `records` records a call, so
  // that a big work does not hold its caller: while it is under way the check has no lines,
  // and changes to the work meanwhile judge again what they reached.
  std::vector<LineEdit> update_some(const Work& work, const std::vector<std::string>& loading,
                                    std::size_t records);
  // Whether a judgement of the whole work is under way, and how far it got (0 to 100).
  bool judging() const;
  int progress() const;

  // WorkWatcher
  void before(const Work& work, const Change& change) override;
  void after(const Work& work, const Change& change) override;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace tamo::check
