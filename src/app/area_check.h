#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "check/live_check.h"
#include "check/report_lines.h"
#include "controls/form.h"
#include "controls/lists.h"
#include "model/work.h"

namespace tamo::app {

class Application;

// "Ellenőrzés": a side window listing what the area check finds in the work, in the lines
// and order tamo-cli check prints. The main window stays usable beside it; choosing a line
// opens what it points at.
class AreaCheck {
 public:
  explicit AreaCheck(Application& app);
  ~AreaCheck();
  AreaCheck(const AreaCheck&) = delete;
  AreaCheck& operator=(const AreaCheck&) = delete;

  controls::Form form{"areacheck", "Ellenőrzés"};
  controls::ListBox problems{"problems", "A munka ellenőrzése"};

  // Opens the record and the dialog a line points at; set by whoever owns the editors.
  std::function<void(const check::Place&)> open_place;

  // "Munka" > "Ellenőrzés": judges the work afresh and shows the window.
  void open();
  // Brings the list up to the work, judging again what changed since the last time (the
  // first time, the whole work); the chosen line stays chosen while it is still there.
  void refresh();
  // As refresh, but only when the work or the loading messages changed since the last one or
  // a judgement of the whole work is under way: the window asks after every burst of events,
  // most of which change nothing. A judgement of the whole work goes on at most `records`
  // records a call, so that opening a big work does not hold the window; the list then gains
  // its many lines a slice a call too. True when it judged or filled.
  bool refresh_if_changed(std::size_t records = std::numeric_limits<std::size_t>::max());
  // Whether a judgement of the whole work is under way; the list is empty meanwhile.
  bool judging() const { return live_.judging(); }
  // Whether the list still lacks lines the check found (the first of them are there).
  bool filling() const { return filled_ < lines_.size(); }
  void problemsActivate();

  // Lines that are no record's "ok", as of the last refresh.
  std::size_t problem_count() const { return problem_count_; }
  // "Ellenőrzés: 3 probléma", as the status bar shows it, or how far a judgement got.
  std::string summary() const;
  const std::vector<check::ReportLine>& lines() const { return lines_; }

 private:
  void show(std::vector<check::LineEdit> edits, std::size_t rows);
  void fill(std::size_t rows);

  Application& app_;
  check::LiveCheck live_;
  std::vector<check::ReportLine> lines_;
  std::size_t problem_count_ = 0;
  // The lines the list shows: the first ones.
  std::size_t filled_ = 0;
  // The line chosen when the rows after a change gave way, chosen again once it is back.
  std::string chosen_;
  std::optional<std::uint64_t> judged_revision_;
  std::vector<std::string> judged_loading_;
};

}  // namespace tamo::app
